// The main window's buttons of the result windows: "Results", "Means",
// "B or J results" and "Output files" open their windows with the Basic
// Run's results, and the back paths lead to the main window again.
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <cstdlib>
#include <filesystem>

#include "main_window_session.h"
#include "guidance/program_texts.h"

namespace vorelan {
namespace {

struct Session : testing::MainWindowSession {
  void openAndRun() {
    open(fixture());
    QTest::mouseClick(form.cmdBasicRun, Qt::LeftButton);
  }
  // What a finished jackknife leaves: the last pass in the shared matrices
  // and statistics, its report and its results.
  void finishJackknife() {
    state.matrices.Sxj(0, 1) = 0.5;
    state.stageStats.StageDurMean(1) = 99;
    state.report.ReportFileName = state.report.BaseFileName + "_0_Jackknife_Output.txt";
    state.files.written.push_back(dir.write("cohort_0_Jackknife_Output.txt", "x"));
    state.jackknife.JackMean = 41.125;
    state.jackknife.JackSE = 2.375;
    state.run.ResampleMethod = "j";
    state.run.ResamplingDone = "yes";
  }
  // Saves an image of the window, when the tests are asked for screenshots.
  static void screenshot(QWidget& window, const char* name) {
    const char* folder = std::getenv("VORELAN_SCREENSHOTS");
    if (!folder) return;
    window.resize(1366, 768);
    window.grab().save(QString(folder) + "/" + name + ".png");
  }
};

}  // namespace

class ResultButtonsTest : public QObject {
  Q_OBJECT

 private slots:
  void beforeTheBasicRunOnlyTheResamplingResultOpens() {
    Session s;
    for (QPushButton* b : {s.form.Command23, s.form.Command27, s.form.Command28}) QVERIFY(!b->isEnabled());
    QVERIFY(s.form.Command2->isEnabled());
    const QString hintAndSaying = s.form.Label14->text();
    QTest::mouseClick(s.form.Command2, Qt::LeftButton);
    JackBootform* window = s.form.resamplingResultWindow();
    QVERIFY(window && window->isVisible());
    QVERIFY(!s.form.isVisible());
    QCOMPARE(window->Label7[3]->text(), QString("-"));

    // Nothing was analysed: leaving closes nothing.
    QTest::mouseClick(window->Command1, Qt::LeftButton);
    QVERIFY(s.form.isVisible());
    QCOMPARE(s.form.Label14->text(), hintAndSaying);
    QVERIFY(hintAndSaying.startsWith(QString::fromStdString(usageHint())));
    QVERIFY(s.form.cmdOpenDataFile->isEnabled());
    QVERIFY(!s.state.run.AnalysisClosed);
  }

  void eachButtonOpensItsWindowWithTheBasicRun() {
    Session s;
    s.openAndRun();
    const struct {
      QPushButton* button;
      std::function<SecondaryWindow*()> window;
      std::function<QPushButton*()> back;
      const char* screenshot;
    } buttons[] = {
        {s.form.Command27, [&] { return s.form.resultTablesWindow(); },
         [&] { return s.form.resultTablesWindow()->Command1; }, "ResultFm"},
        {s.form.Command23, [&] { return s.form.stageMeansWindow(); },
         [&] { return s.form.stageMeansWindow()->Command1; }, "stagmean"},
        {s.form.Command28, [&] { return s.form.outputFilesWindow(); },
         [&] { return s.form.outputFilesWindow()->Command1; }, "doneform"},
        {s.form.Command2, [&] { return s.form.resamplingResultWindow(); },
         [&] { return s.form.resamplingResultWindow()->Command1; }, "JackBootform"},
    };
    for (const auto& b : buttons) {
      QVERIFY(b.button->isEnabled());
      QTest::mouseClick(b.button, Qt::LeftButton);
      SecondaryWindow* window = b.window();
      QVERIFY(window && window->isVisible());
      QVERIFY(!s.form.isVisible());
      Session::screenshot(*window, b.screenshot);
      QTest::mouseClick(b.back(), Qt::LeftButton);
      QVERIFY(!window->isVisible());
      QVERIFY(s.form.isVisible());
    }
    QCOMPARE(s.form.resultTablesWindow()->MSFlexGrid1[0]->item(1, 1)->text(), QString("1"));
    s.form.resultTablesWindow()->SSTab1->setCurrentIndex(2);
    Session::screenshot(*s.form.resultTablesWindow(), "ResultFm_MatrixD");
    QCOMPARE(s.form.stageMeansWindow()->Label8[0]->text(), QString("2.33"));
    QCOMPARE(s.form.outputFilesWindow()->Text1[0]->text(),
             QString::fromStdString(s.state.report.BaseFileName + "_0_Basic_Output.txt"));
    QCOMPARE(s.form.resamplingResultWindow()->Label7[3]->text(), QString("-"));
    QVERIFY(s.script.messages().empty());
  }

  // After a jackknife the tables still show the Basic Run, the resampling
  // result and the output files show the jackknife; leaving the resampling
  // result closes the analysis.
  void afterAResamplingRunTheWindowsShowWhatTheySay() {
    Session s;
    s.openAndRun();
    QTest::mouseClick(s.form.Command27, Qt::LeftButton);
    QTest::mouseClick(s.form.resultTablesWindow()->Command1, Qt::LeftButton);
    QTest::mouseClick(s.form.Command2, Qt::LeftButton);
    QTest::mouseClick(s.form.resamplingResultWindow()->Command1, Qt::LeftButton);
    s.finishJackknife();

    QTest::mouseClick(s.form.Command27, Qt::LeftButton);
    QCOMPARE(s.form.resultTablesWindow()->MSFlexGrid1[0]->item(1, 1)->text(), QString("1"));
    QTest::mouseClick(s.form.resultTablesWindow()->Command1, Qt::LeftButton);
    QTest::mouseClick(s.form.Command23, Qt::LeftButton);
    QCOMPARE(s.form.stageMeansWindow()->Label8[0]->text(), QString("2.33"));
    QTest::mouseClick(s.form.stageMeansWindow()->Command1, Qt::LeftButton);
    QTest::mouseClick(s.form.Command28, Qt::LeftButton);
    QCOMPARE(s.form.outputFilesWindow()->Text1[0]->text(),
             QString::fromStdString(s.state.report.BaseFileName + "_0_Jackknife_Output.txt"));
    QTest::mouseClick(s.form.outputFilesWindow()->Command1, Qt::LeftButton);

    QTest::mouseClick(s.form.Command2, Qt::LeftButton);
    JackBootform* result = s.form.resamplingResultWindow();
    QCOMPARE(result->Label7[3]->text(), QString("41.12"));
    QCOMPARE(result->Label7[7]->text(), QString("2.38"));
    s.form.Command16->click();  // a figure hides the hint
    const bool greetingShown = !s.form.Label13->isHidden();
    const bool hintShown = !s.form.Label14->isHidden();
    QTest::mouseClick(result->Command1, Qt::LeftButton);
    QVERIFY(s.form.isVisible());
    QVERIFY(s.state.run.AnalysisClosed);
    QVERIFY(!s.form.cmdOpenDataFile->isEnabled());
    // The closing text stands under the steps; nothing new covers the chart.
    QVERIFY(s.form.Label3->isVisible());
    QVERIFY(s.form.Label3->text().startsWith("Congratulation!\nYour data were analyzed successfully."));
    QCOMPARE(!s.form.Label13->isHidden(), greetingShown);
    QCOMPARE(!s.form.Label14->isHidden(), hintShown);
    Session::screenshot(s.form, "Form1_closed");
  }

  void aWindowClosedByItsCloseBoxIsLoadedAfresh() {
    Session s;
    s.openAndRun();
    QTest::mouseClick(s.form.Command23, Qt::LeftButton);
    stagmean* first = s.form.stageMeansWindow();
    first->close();
    QVERIFY(s.form.isVisible());
    QVERIFY(!s.form.stageMeansWindow());
    QTest::mouseClick(s.form.Command23, Qt::LeftButton);
    QVERIFY(s.form.stageMeansWindow());
    QVERIFY(s.form.stageMeansWindow()->isVisible());
  }
};

}  // namespace vorelan

QTEST_MAIN(vorelan::ResultButtonsTest)
#include "result_buttons_test.moc"
