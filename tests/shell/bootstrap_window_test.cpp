// The bootstrap run from the main window's button, with scripted answers:
// the window goes on while the replicates run, shows their progress, and
// ends with the histogram of C0 and the begin and end labels. Closing the
// window during the run stops it and leaves no report; a run whose report
// fails leaves the window as the Basic Run left it.
#include <QDateTime>
#include <QGroupBox>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cerrno>
#include <filesystem>
#include <vector>

#include "guidance/program_texts.h"
#include "shell/main_window.h"
#include "support/fixture_path.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

struct Session {
  testing::TempDir dir;
  AnalysisState state;
  testing::ScriptedPlatform script;
  Platform platform = script.platform();
  Form1 form{state, platform, nullptr};

  Session() {
    form.show();
    script.inputAnswers.push_back("1");
    script.chosenFiles.push_back(
        dir.write("cohort.txt", testing::readFile(testing::fixturePath("three_individuals.txt"))));
    QTest::mouseClick(form.cmdOpenDataFile, Qt::LeftButton);
    QTest::mouseClick(form.cmdBasicRun, Qt::LeftButton);
  }
  bool reportExists() const { return std::filesystem::exists(dir.path() / "cohort_0_Bootstrap_Output.txt"); }
};

// Every value of a chart's grid, row by row.
std::vector<double> gridValues(const ChartData& chart) {
  std::vector<double> values;
  for (int row = 1; row <= chart.grid.rowCount(); ++row) {
    for (int column = 1; column <= chart.grid.columnCount(); ++column) values.push_back(chart.grid.data(row, column));
  }
  return values;
}

// What each figure button shows on the main chart.
std::vector<std::vector<double>> everyFigure(Form1& form) {
  std::vector<std::vector<double>> figures;
  for (QPushButton* button : {form.Command16, form.Command13, form.Command14, form.Command15, form.Command3,
                              form.Command5, form.Command7}) {
    QTest::mouseClick(button, Qt::LeftButton);
    figures.push_back(gridValues(form.MSChart1->data()));
  }
  return figures;
}

// What the window showed while the replicates ran, seen from a timer.
struct DuringTheRun {
  int ticks = 0;
  bool buttonsDisabled = true;
  bool progressShown = false;
  bool beginLabelShown = true;
};

}  // namespace

class BootstrapWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void theWindowGoesOnWhileTheReplicatesRun() {
    Session s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.form));
    QVERIFY(s.form.cmdBootstrap->isEnabled());

    DuringTheRun seen;
    QTimer timer;
    timer.setInterval(0);
    connect(&timer, &QTimer::timeout, &s.form, [&] {
      if (!s.state.run.ResamplingRunning) return;
      ++seen.ticks;
      const QWidget* runControls[] = {s.form.cmdBootstrap, s.form.cmdBasicRun, s.form.cmdJackknife,
                                      s.form.Command6,     s.form.Command23,   s.form.Frame1};
      for (const QWidget* w : runControls) {
        seen.buttonsDisabled &= !w->isEnabled();
      }
      seen.progressShown |= s.form.runProgress->isVisible() && s.form.windowTitle().contains(" of 2500");
      seen.beginLabelShown &= s.form.lblBootBegin->isVisible() &&
                              s.form.lblBootBegin->text().startsWith("Bootstrap begins at:\n");
    });
    timer.start();

    // New samples, B = 2500, n = 3; no density curves.
    s.script.inputAnswers = {"2", "2500", "3"};
    s.script.messageAnswers = {MessageAnswer::No};
    QTest::mouseClick(s.form.cmdBootstrap, Qt::LeftButton);
    timer.stop();

    // A timer fired while the replicates ran: the window went on.
    QVERIFY(seen.ticks > 0);
    QVERIFY(seen.buttonsDisabled);
    QVERIFY(seen.progressShown);
    QVERIFY(seen.beginLabelShown);
    QCOMPARE(s.state.run.ResamplingDone, std::string("yes"));
    QVERIFY(s.reportExists());

    // Label6 changed after replicates 1000 and 2000: yellow, then green.
    QVERIFY(s.form.Label6->styleSheet().contains("#00ff00"));
    QVERIFY(!s.form.windowTitle().contains(" of 2500"));
    QVERIFY(!s.form.runProgress->isVisible());

    // The histogram of C0 in place of the figures: 23 bars under its title.
    QVERIFY(s.form.MSChart2->isVisible());
    QVERIFY(!s.form.MSChart1->isVisible());
    const ChartData& histogram = s.form.MSChart2->data();
    QCOMPARE(histogram.grid.rowCount(), 23);
    QVERIFY(QString::fromStdString(histogram.title).startsWith("C0: Bootstrap number = 2500.  Min ="));
    int counted = 0;
    for (int row = 1; row <= 23; ++row) counted += static_cast<int>(histogram.grid.data(row, 1));
    QVERIFY(counted > 0 && counted <= 2500);

    QVERIFY(s.form.lblBootEnd->isVisible());
    QVERIFY(s.form.lblBootEnd->text().startsWith("Bootstrap ended at:\n"));
    QVERIFY(!s.form.cmdBootstrap->isEnabled());
    QVERIFY(!s.form.cmdJackknife->isEnabled());
    QVERIFY(s.form.Command23->isEnabled());
  }

  // After "B or J results" and its back button the histogram stays in view,
  // the closing text beside it under the steps.
  void theHistogramStaysAfterTheResultWindow() {
    Session s;
    s.script.inputAnswers = {"2", "1500", "3"};
    s.script.messageAnswers = {MessageAnswer::No};
    QTest::mouseClick(s.form.cmdBootstrap, Qt::LeftButton);
    QTest::mouseClick(s.form.Command2, Qt::LeftButton);
    QVERIFY(s.form.resamplingResultWindow() && s.form.resamplingResultWindow()->isVisible());
    QTest::mouseClick(s.form.resamplingResultWindow()->Command1, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowExposed(&s.form));

    QVERIFY(s.form.MSChart2->isVisible());
    for (const QWidget* cover : {static_cast<QWidget*>(s.form.Label13), static_cast<QWidget*>(s.form.Label14)}) {
      QVERIFY(!cover->isVisible());
    }
    QVERIFY(s.form.Label3->isVisible());
    QCOMPARE(s.form.Label3->text(), QString::fromStdString(closingText()));
    QVERIFY(!s.form.Label3->geometry().intersects(s.form.Frame3->geometry()));
    QVERIFY(!s.form.cmdOpenDataFile->isEnabled());
  }

  // The loop ends at replicate 1000 before its sign: Label6 keeps its look.
  void noSignAtTheLastReplicate() {
    Session s;
    const QString before = s.form.Label6->styleSheet();
    s.script.inputAnswers = {"2", "1000", "3"};
    s.script.messageAnswers = {MessageAnswer::No};
    QTest::mouseClick(s.form.cmdBootstrap, Qt::LeftButton);
    QCOMPARE(s.state.run.ResamplingDone, std::string("yes"));
    QCOMPARE(s.form.Label6->styleSheet(), before);
  }

  void aCancelLeavesTheWindowAsItWas() {
    Session s;
    s.script.inputAnswers = {"1"};
    s.script.chosenFiles = {""};
    QTest::mouseClick(s.form.cmdBootstrap, Qt::LeftButton);
    QVERIFY(s.form.cmdBootstrap->isEnabled());
    QVERIFY(s.form.cmdJackknife->isEnabled());
    QVERIFY(!s.form.lblBootBegin->isVisible());
    QVERIFY(s.form.MSChart1->isVisible());
    QVERIFY(!s.reportExists());
  }

  // A run whose report cannot reach the disk writes nothing, says so once,
  // and the window is as the Basic Run left it: its buttons, its figures
  // (not a replicate's), and the run can be made again.
  void aRunWhoseReportFailsLeavesTheWindowAsTheBasicRunLeftIt() {
    Session s;
    const std::vector<std::vector<double>> figures = everyFigure(s.form);
    const std::string report = (s.dir.path() / "cohort_0_Bootstrap_Output.txt").string();
    s.state.files.flushFault = [report](const std::string& target) { return target == report ? EIO : 0; };
    s.script.boxes.clear();
    s.script.inputAnswers = {"2", "1500", "3"};
    QTest::mouseClick(s.form.cmdBootstrap, Qt::LeftButton);

    const auto boxes = s.script.messages();
    QCOMPARE(boxes.size(), std::size_t(1));
    QVERIFY(boxes[0].text.rfind("The results of the Bootstrap were not written", 0) == 0);
    QVERIFY(!s.reportExists());
    for (QWidget* enabled : std::initializer_list<QWidget*>{s.form.cmdBasicRun, s.form.cmdBootstrap,
                                                            s.form.cmdJackknife, s.form.Command6, s.form.Frame1}) {
      QVERIFY(enabled->isEnabled());
    }
    QVERIFY(s.form.MSChart1->isVisible());
    QVERIFY(!s.form.lblBootBegin->isVisible());
    QVERIFY(everyFigure(s.form) == figures);

    s.state.files.flushFault = {};
    s.script.inputAnswers = {"2", "1500", "3"};
    s.script.messageAnswers = {MessageAnswer::No};
    QTest::mouseClick(s.form.cmdBootstrap, Qt::LeftButton);
    QCOMPARE(s.state.run.ResamplingDone, std::string("yes"));
    QVERIFY(s.reportExists());
  }

  void closingTheWindowDuringTheRunStopsIt() {
    Session s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.form));
    QTimer closer;
    closer.setInterval(0);
    connect(&closer, &QTimer::timeout, &s.form, [&] {
      if (s.state.run.ResamplingRunning) s.form.close();
    });
    closer.start();
    s.script.inputAnswers = {"2", "40000", "3"};
    QTest::mouseClick(s.form.cmdBootstrap, Qt::LeftButton);
    closer.stop();

    QVERIFY(s.script.endProgramCalls > 0);
    QVERIFY(!s.reportExists());
    QVERIFY(!s.state.files.file3.isOpen());
    QCOMPARE(s.state.run.ResamplingDone, std::string(""));
    QVERIFY(s.script.messages().empty());  // no question after a stopped run
  }

  // The greeting timer, ticking as fast as it can, leaves the sign's caption
  // alone while the replicates run; the colour follows the thousandths.
  void theSignHoldsLabel6BetweenTwoThousandths() {
    Session s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.form));
    const QDate timerDate(2001, 2, 3);
    s.form.setClock([timerDate] { return QDateTime(timerDate, QTime(10, 0)); });
    const QString timerText = QLocale().toString(timerDate, QLocale::ShortFormat);
    s.form.Timer1->setInterval(0);
    QTest::qWait(10);
    QCOMPARE(s.form.Label6->text(), timerText);

    QStringList captions;  // Label6's captions after the first sign, while the run went
    QStringList colours;   // its back colours, each change once
    QTimer watcher;
    watcher.setInterval(0);
    connect(&watcher, &QTimer::timeout, &s.form, [&] {
      if (!s.state.run.ResamplingRunning) return;
      const QString style = s.form.Label6->styleSheet();
      const qsizetype at = style.indexOf("background:");
      const QString colour = at < 0 ? QString() : style.mid(at);
      if (!colour.isEmpty() && (colours.isEmpty() || colours.back() != colour)) colours << colour;
      if (!colours.isEmpty()) captions << s.form.Label6->text();
    });
    watcher.start();
    // New samples, B = 5500, n = 3: signs at 1000 to 5000.
    s.script.inputAnswers = {"2", "5500", "3"};
    s.script.messageAnswers = {MessageAnswer::No};
    QTest::mouseClick(s.form.cmdBootstrap, Qt::LeftButton);
    watcher.stop();

    QCOMPARE(s.state.run.ResamplingDone, std::string("yes"));
    QVERIFY(!captions.isEmpty());
    for (const QString& caption : captions) {
      QVERIFY2(caption != timerText, qPrintable(caption));
      QVERIFY2(caption.contains(QString::number(QDate::currentDate().year() % 100)), qPrintable(caption));
    }
    // Each colour seen differs from the one before; five thousandths from
    // the label's own colour end on yellow.
    QVERIFY(!colours.isEmpty());
    QVERIFY(colours.front().contains("#ffff00") || colours.front().contains("#00ff00"));
    QVERIFY(s.form.Label6->styleSheet().contains("#ffff00"));
    // Once the run has ended the timer writes the date again.
    QTRY_COMPARE(s.form.Label6->text(), timerText);
  }
};

}  // namespace vorelan

QTEST_MAIN(vorelan::BootstrapWindowTest)
#include "bootstrap_window_test.moc"
