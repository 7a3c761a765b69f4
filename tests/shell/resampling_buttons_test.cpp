// The main window's Jackknife and C2B buttons: the jackknife runs off the
// window's thread while the window goes on, shows its progress and leaves
// its files and histogram; C2B compares a finished bootstrap with a second
// treatment's file.
#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "main_window_session.h"
#include "support/cohort_generator.h"
#include "support/cohort_text.h"
#include "support/written_text.h"

namespace vorelan {
namespace {

// Five females of one life length, so that no omission shortens the table
// and each pseudo-value is the lifetime consumption of the one left out:
// 10, 12.5, 15.5, 21.5 and 30. The classes are 1 wide from 10: the values
// fall into classes 0, 2, 5 and 11, the largest into 19 or 20.
const std::vector<std::string> FiveFemales = {
    "1,F,1,1,2,1,-1,2,-1,3,4,-1",   "2,F,1,1,2,2,-1,2.5,-1,4,4,-1", "3,F,1,1,2,3,-1,3.5,-1,4,5,-1",
    "4,F,1,1,2,4,-1,4.5,-1,6,7,-1", "5,F,1,1,2,5,-1,5,-1,10,10,-1",
};

struct Session : testing::MainWindowSession {
  void openAndRun(const std::string& content) {
    open(dataFile(content));
    QTest::mouseClick(form.cmdBasicRun, Qt::LeftButton);
  }
  std::string written(const char* suffix) const { return state.report.BaseFileName + suffix; }
  // What a finished bootstrap leaves for the comparison.
  void finishBootstrap(double mean, double variance) {
    state.bootstrap.BootC0Mean = mean;
    state.bootstrap.BootC0Var = variance;
    state.bootstrap.BootC0SE = std::sqrt(variance);
    state.run.ResampleMethod = "b";
    state.run.ResamplingDone = "yes";
    refreshControls();
  }
  // The window sets its controls after every handler: this one only shows a box.
  void refreshControls() { QTest::mouseClick(form.Command12, Qt::LeftButton); }
  // Saves an image of the window, when the tests are asked for screenshots.
  static void screenshot(QWidget& window, const char* name) {
    const char* folder = std::getenv("VORELAN_SCREENSHOTS");
    if (folder) window.grab().save(QString(folder) + "/" + name + ".png");
  }
};

const std::vector<std::string> Stages = {"Egg", "Larva", "Adult"};

}  // namespace

class ResamplingButtonsTest : public QObject {
  Q_OBJECT

 private slots:
  // A cohort at the limits takes long enough for the window to be seen
  // working: its timers fire, the bar counts the passes, nothing else can
  // be started meanwhile.
  void theWindowGoesOnWhileTheJackknifeRuns() {
    Session s;
    s.openAndRun(testing::cohortAtTheLimits().fileText());
    int ticksWhileRunning = 0;
    bool barShown = true, othersDisabled = true;
    int largestShown = 0;
    QString barText;
    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, [&] {
      if (!s.state.run.ResamplingRunning) return;
      if (++ticksWhileRunning == 3) Session::screenshot(s.form, "main_window_jackknife_running");
      barShown = barShown && s.form.runProgress->isVisible();
      othersDisabled = othersDisabled && !s.form.cmdJackknife->isEnabled() && !s.form.cmdBasicRun->isEnabled() &&
                       !s.form.Command2->isEnabled() && !s.form.Command28->isEnabled() &&
                       !s.form.Frame1->isEnabled();
      largestShown = std::max(largestShown, s.form.runProgress->value());
      if (s.form.runProgress->value() > 0) barText = s.form.runProgress->text();
    });
    const QString title = s.form.windowTitle();
    watch.start();
    QTest::mouseClick(s.form.cmdJackknife, Qt::LeftButton);
    watch.stop();

    QVERIFY(ticksWhileRunning > 0);
    QVERIFY(barShown);
    QVERIFY(othersDisabled);
    QCOMPARE(s.form.runProgress->maximum(), 400);
    QVERIFY(largestShown <= 400);
    QVERIFY2(barText.startsWith("Jackknife passes: ") && barText.endsWith(" of 400"), qPrintable(barText));
    QVERIFY(!s.form.runProgress->isVisible());
    QCOMPARE(s.state.jackknife.JackOmitted, 400);
    QCOMPARE(s.form.windowTitle(), title);
    QVERIFY(s.script.messages().empty());
  }

  void theJackknifeLeavesItsFilesHistogramAndControls() {
    Session s;
    s.openAndRun(testing::cohortFile(Stages, FiveFemales));
    QVERIFY(s.form.cmdJackknife->isEnabled());
    QTest::mouseClick(s.form.cmdJackknife, Qt::LeftButton);
    QVERIFY(s.script.messages().empty());

    for (const char* suffix : {"_0_Jackknife_Output.txt", "_5_Pseudo_Consumption_Rate_For_t-test.txt",
                               "_9_Fig_Jackknife-Co frequency.txt"})
      QVERIFY2(std::filesystem::exists(s.written(suffix)), suffix);
    QCOMPARE(testing::crlfLinesOf(testing::readFile(s.written("_5_Pseudo_Consumption_Rate_For_t-test.txt"))).size(),
             std::size_t{5 + 3});

    QVERIFY(!s.form.MSChart1->isVisible());
    QVERIFY(s.form.MSChart2->isVisible());
    QVERIFY(!s.form.Label13->isVisible());  // nothing lies over the histogram
    QVERIFY(!s.form.Label14->isVisible());
    const ChartData& chart = s.form.MSChart2->data();
    QCOMPARE(chart.title, std::string("Frequency of pseudo-Co (interval =1)."));
    QCOMPARE(chart.grid.rowCount(), 23);
    QCOMPARE(chart.grid.rowLabel(1), std::string("0"));
    QCOMPARE(chart.grid.rowLabel(3), std::string("12.5"));  // the centre of class 2
    QVERIFY(chart.seriesFill.count(1) == 1);
    QVERIFY((chart.seriesFill.at(1) == Rgb{0, 0, 255}));
    std::vector<int> bars;
    for (int row = 1; row <= 23; ++row) bars.push_back(static_cast<int>(chart.grid.data(row, 1)));
    for (int cls : {0, 2, 5, 11}) QCOMPARE(bars[cls], 1);
    QCOMPARE(bars[19] + bars[20], 1);
    int total = 0;
    for (int b : bars) total += b;
    QCOMPARE(total, 5);
    Session::screenshot(s.form, "main_window_after_jackknife");

    // One analysis per run of the program: no other data file either.
    const QWidget* const off[] = {s.form.cmdJackknife, s.form.cmdBootstrap, s.form.cmdBasicRun,
                                  s.form.Command6,     s.form.Command4,     s.form.Frame1,
                                  s.form.cmdCompare2boots, s.form.cmdOpenDataFile};
    for (const QWidget* w : off) QVERIFY(!w->isEnabled());
    const QWidget* const on[] = {s.form.Command2, s.form.Command23, s.form.Command27, s.form.Command28};
    for (const QWidget* w : on) QVERIFY(w->isEnabled());
  }

  void c2bIsOfferedOnlyOnceABootstrapHasFinished() {
    Session s;
    QVERIFY(!s.form.cmdCompare2boots->isEnabled());
    s.openAndRun(testing::cohortFile(Stages, FiveFemales));
    QVERIFY(s.form.cmdCompare2boots->isVisible());
    QVERIFY(!s.form.cmdCompare2boots->isEnabled());
    s.finishBootstrap(5, 3);
    QVERIFY(s.form.cmdCompare2boots->isEnabled());
  }

  // A real bootstrap through its button: C2B is offered once it has
  // finished, and tests its C0 against the second treatment's values 1, 2, 3
  // (mean 2, variance 1) by t = |2 - mean| / sqrt(variance + 1).
  void c2bAfterABootstrapRun() {
    Session s;
    s.openAndRun(testing::cohortFile(Stages, FiveFemales));
    s.script.inputAnswers = {"2", "200", "5"};  // new samples, B = 200, n = 5
    s.script.messageAnswers = {MessageAnswer::No};  // no density curves
    QTest::mouseClick(s.form.cmdBootstrap, Qt::LeftButton);
    QCOMPARE(s.state.run.ResamplingDone, std::string("yes"));
    QVERIFY(s.form.cmdCompare2boots->isEnabled());

    s.script.chosenFiles.push_back(s.dir.write("second.txt", "Prey B,u,d\r\nn,20\r\nB,3\r\n1,1\r\n2,2\r\n3,3\r\n"));
    QTest::mouseClick(s.form.cmdCompare2boots, Qt::LeftButton);
    const BootstrapState& one = s.state.bootstrap;
    const double t = std::fabs(2 - one.BootC0Mean) / std::sqrt(one.BootC0Var + 1);
    QVERIFY(one.BootC0Var > 0);
    QVERIFY(std::fabs(s.state.comparison.CompareT - t) <= 1e-12 * t);
    QCOMPARE(s.script.messages().back().title, std::string("t-test"));
    QVERIFY(QString::fromStdString(s.script.messages().back().text).startsWith("The t-value = "));
    QVERIFY(std::filesystem::exists(s.written("_6-Compare2Bs-output.txt")));
    QVERIFY(!s.form.cmdCompare2boots->isEnabled());
  }

  void c2bCancelledDoesNothing() {
    Session s;
    s.openAndRun(testing::cohortFile(Stages, FiveFemales));
    s.finishBootstrap(5, 3);
    const std::size_t boxesBefore = s.script.boxes.size();
    s.script.chosenFiles.push_back("");
    QTest::mouseClick(s.form.cmdCompare2boots, Qt::LeftButton);
    QCOMPARE(s.script.boxes.size(), boxesBefore);
    QVERIFY(!std::filesystem::exists(s.written("_6-Compare2Bs-output.txt")));
    QVERIFY(s.form.cmdCompare2boots->isEnabled());
  }

  void c2bComparesWithASecondTreatment() {
    Session s;
    s.openAndRun(testing::cohortFile(Stages, FiveFemales));
    // Values 1, 2, 3: mean 2, variance 1. t = |2 - 5| / sqrt(3 + 1) = 1.5.
    s.finishBootstrap(5, 3);
    s.script.chosenFiles.push_back(s.dir.write("second.txt", "Prey B,u,d\r\nn,20\r\nB,3\r\n1,1\r\n2,2\r\n3,3\r\n"));
    const std::size_t boxesBefore = s.script.messages().size();
    QTest::mouseClick(s.form.cmdCompare2boots, Qt::LeftButton);
    const auto boxes = s.script.messages();
    QCOMPARE(boxes.size(), boxesBefore + 1);
    QCOMPARE(boxes.back().title, std::string("t-test"));
    QCOMPARE(boxes.back().text, std::string("The t-value = 1.5"));
    const auto lines = testing::crlfLinesOf(testing::readFile(s.written("_6-Compare2Bs-output.txt")));
    QCOMPARE(lines.size(), std::size_t{12});
    QCOMPARE(lines[1], std::string("Treatment 2: Prey B"));
    QCOMPARE(lines[9], std::string("t-value = 1.5 "));
    QVERIFY(!s.form.cmdCompare2boots->isEnabled());
  }
};

}  // namespace vorelan

QTEST_MAIN(vorelan::ResamplingButtonsTest)
#include "resampling_buttons_test.moc"
