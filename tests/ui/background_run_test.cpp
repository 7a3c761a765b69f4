// Long work on a worker thread while the window thread goes on: timers fire
// and progress arrives during the run, a stop ends it early, a fault of the
// work reaches the caller, and ending the program stops the worker.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <stdexcept>

#include "ui/background_run.h"

namespace vorelan {
namespace {

// Steps until `until` holds or a generous deadline passes, reporting each.
template <class Until>
std::int64_t stepUntil(WorkProgress& progress, Until until) {
  QElapsedTimer clock;
  clock.start();
  std::int64_t done = 0;
  while (!until() && clock.elapsed() < 10000) {
    progress.report(++done, 0);
    QThread::usleep(200);
  }
  return done;
}

}  // namespace

class BackgroundRunTest : public QObject {
  Q_OBJECT

 private slots:
  void timersFireAndProgressArrivesWhileTheWorkRuns() {
    BackgroundRun background;
    std::atomic<int> ticks{0};
    QTimer timer;
    timer.setInterval(5);
    connect(&timer, &QTimer::timeout, this, [&ticks] { ++ticks; });
    timer.start();

    int onWindowThread = 0, elsewhere = 0;
    qint64 lastDone = -1, lastTotal = -1;
    connect(&background, &BackgroundRun::progressed, this, [&](qint64 done, qint64 total) {
      (QThread::currentThread() == qApp->thread() ? onWindowThread : elsewhere) += 1;
      lastDone = done;
      lastTotal = total;
    });
    QSignalSpy running(&background, &BackgroundRun::runningChanged);

    bool workOnWindowThread = true;
    const WorkOutcome outcome = background.run([&](WorkProgress& progress) {
      workOnWindowThread = QThread::currentThread() == qApp->thread();
      const int ticksAtStart = ticks;
      stepUntil(progress, [&] { return ticks >= ticksAtStart + 5; });
      progress.report(1234, 5000);
    });

    QCOMPARE(outcome, WorkOutcome::Finished);
    QVERIFY(!workOnWindowThread);
    QVERIFY(ticks >= 5);
    QVERIFY(onWindowThread >= 2);  // during the run, and the last count at its end
    QCOMPARE(elsewhere, 0);
    QCOMPARE(lastDone, qint64(1234));
    QCOMPARE(lastTotal, qint64(5000));
    QCOMPARE(running.count(), 2);
    QCOMPARE(running.at(0).at(0).toBool(), true);
    QCOMPARE(running.at(1).at(0).toBool(), false);
    QVERIFY(!background.isRunning());
  }

  void aStopAskedForEndsTheWorkAndIsTold() {
    BackgroundRun background;
    QTimer::singleShot(20, &background, [&background] {
      QVERIFY(background.isRunning());
      background.requestStop();
    });
    std::int64_t steps = 0;
    const WorkOutcome outcome = background.run(
        [&](WorkProgress& progress) { steps = stepUntil(progress, [&] { return progress.stopRequested(); }); });
    QCOMPARE(outcome, WorkOutcome::Stopped);
    QVERIFY(steps > 0);

    // The next run starts afresh.
    QCOMPARE(background.run([](WorkProgress& progress) { progress.report(1, 1); }), WorkOutcome::Finished);
  }

  void aFaultOfTheWorkReachesTheCaller() {
    BackgroundRun background;
    bool caught = false;
    try {
      background.run([](WorkProgress&) { throw std::runtime_error("broken replicate"); });
    } catch (const std::runtime_error& fault) {
      caught = QString(fault.what()) == "broken replicate";
    }
    QVERIFY(caught);
    QVERIFY(!background.isRunning());
  }

  void aSecondRunWhileOneGoesIsRefused() {
    BackgroundRun background;
    bool refused = false;
    QTimer::singleShot(10, &background, [&] {
      try {
        background.run([](WorkProgress&) {});
      } catch (const std::logic_error&) {
        refused = true;
      }
      background.requestStop();
    });
    background.run([](WorkProgress& progress) { stepUntil(progress, [&] { return progress.stopRequested(); }); });
    QVERIFY(refused);
  }

  // Last: once the program is told to end, no later event loop of this test
  // program would turn.
  void endingTheProgramStopsTheWorkerFirst() {
    BackgroundRun background;
    QTimer::singleShot(20, qApp, [] { QCoreApplication::exit(0); });
    bool sawStop = false;
    const WorkOutcome outcome = background.run([&](WorkProgress& progress) {
      stepUntil(progress, [&] { return progress.stopRequested(); });
      sawStop = progress.stopRequested();
    });
    QCOMPARE(outcome, WorkOutcome::Stopped);
    QVERIFY(sawStop);
  }
};

}  // namespace vorelan

QTEST_MAIN(vorelan::BackgroundRunTest)
#include "background_run_test.moc"
