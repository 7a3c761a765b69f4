// The result windows on their own: what each shows after a Basic Run, their
// back paths, printing, and loading afresh after a later run has finished.
#include <QApplication>
#include <QTabWidget>
#include <QTest>
#include <cstdlib>
#include <filesystem>

#include "results/result_tables.h"
#include "basic_run_session.h"
#include "windows/JackBootform.h"
#include "windows/ResultFm.h"
#include "windows/doneform.h"
#include "windows/stagmean.h"

namespace vorelan {
namespace {

PrinterSource pdfFile(const std::string& path) {
  return [path] {
    auto printer = std::make_unique<QPrinter>();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(path));
    return printer;
  };
}

struct Session : testing::BasicRunSession {
  std::string pdf = (dir.path() / "page.pdf").string();

  // What a finished jackknife leaves: the last pass in the shared matrices
  // and statistics, its report, its files and its results.
  void finishJackknife() {
    state.matrices.Sxj(0, 1) = 0.5;
    state.stageStats.StageDurMean(1) = 99;
    state.stageStats.StageDurN(1) = 2;
    state.report.ReportFileName = base() + "_0_Jackknife_Output.txt";
    for (const char* suffix : {"_0_Jackknife_Output.txt", "_5_Pseudo_Consumption_Rate_For_t-test.txt"}) {
      state.files.written.push_back(dir.write("cohort" + std::string(suffix), "x"));
    }
    state.jackknife.JackMean = 41.125;
    state.jackknife.JackSE = 2.375;
    state.run.ResampleMethod = "j";
    state.run.ResamplingDone = "yes";
  }
};

bool isNonEmptyPdf(const std::string& path) {
  const std::string content = testing::readFile(path);
  return content.starts_with("%PDF") && content.find("/Subtype /Image") != std::string::npos;
}

QString text(const QLabel* label) { return label->text(); }

}  // namespace

class ResultWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void resultTablesShowTheBasicRunOnTenTabs() {
    Session s;
    ResultFm window(s.switcher, s.state, s.platform, nullptr);
    s.open(window);
    QCOMPARE(window.windowTitle(), QString("Results"));
    QCOMPARE(window.SSTab1->count(), 10);
    QCOMPARE(window.SSTab1->currentIndex(), 9);
    QCOMPARE(window.SSTab1->tabText(6), QString("&l(x): survival rate"));
    // The female lives longest: ages 0..13 under the heading row.
    const GridTable* matrixS = window.MSFlexGrid1[0];
    QCOMPARE(matrixS->rowCount(), 15);
    QCOMPARE(matrixS->columnCount(), 6);
    QCOMPARE(matrixS->item(0, 4)->text(), QString("Fema"));
    QCOMPARE(matrixS->item(1, 1)->text(), QString("1"));  // all three eggs at age 0
    QCOMPARE(matrixS->item(1, 2)->text(), QString("-"));
    QVERIFY(!(matrixS->item(1, 1)->flags() & Qt::ItemIsEditable));
    QCOMPARE(window.MSFlexGrid1[2]->item(0, 3)->text(), QString("P->F"));
    QCOMPARE(window.MSFlexGrid1[5]->item(0, 4)->text(), QString("Adult"));
    QCOMPARE(window.Label1->text(), QString("For more information, please check the output file."));
  }

  void selectedCellsAreCopiedAsText() {
    Session s;
    ResultFm window(s.switcher, s.state, s.platform, nullptr);
    s.open(window);
    GridTable* matrixS = window.MSFlexGrid1[0];
    matrixS->setRangeSelected(QTableWidgetSelectionRange(0, 0, 1, 2), true);
    QCOMPARE(matrixS->selectedText(), QString("Age\tEgg\tLarv\n0\t1\t-"));
  }

  void stageMeansShowOneRowPerStage() {
    Session s;
    stagmean window(s.switcher, s.state, s.platform, nullptr);
    s.open(window);
    QCOMPARE(window.windowTitle(), QString("Mean of stage"));
    QCOMPARE(text(window.Label6),
             QString::fromStdString("Example project (detailed results see " + s.base() + "_0_Basic_Output.txt)."));
    QCOMPARE(window.Label1.size(), std::size_t(4));
    // Eggs of 2, 2 and 3 days, larvae of 3, 3 and 2; pupae of 6 and 6 (the
    // third died as a pupa).
    QCOMPARE(text(window.Label1[0]), QString("Egg"));
    QCOMPARE(text(window.Label8[0]), QString("2.33"));
    QCOMPARE(text(window.Label9[0]), QString("0.33"));
    QCOMPARE(text(window.Label8[1]), QString("2.67"));
    QCOMPARE(text(window.Label9[1]), QString("0.33"));
    QCOMPARE(text(window.Label8[2]), QString("6"));
    QCOMPARE(text(window.Label9[2]), QString("0"));
    QCOMPARE(text(window.Label1[3]), QString("Adult"));
  }

  void resamplingResultShowsDashesUntilARunHasFinished() {
    Session s;
    int closings = 0;
    JackBootform window(s.switcher, s.state, s.platform, nullptr, [&closings] { ++closings; });
    s.open(window);
    QCOMPARE(window.windowTitle(), QString("Jackknife form"));
    QCOMPARE(text(window.Label6), QString("Example project"));
    QCOMPARE(text(window.Label7[3]), QString("-"));
    QCOMPARE(text(window.Label7[7]), QString("-"));
    QVERIFY(!text(window.Label10).isEmpty());
    QVERIFY(!text(window.Label12).isEmpty());

    // Nothing was analysed by a resampling run yet: back closes nothing.
    QTest::mouseClick(window.Command1, Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QVERIFY(s.mainWindow.isVisible());
    QCOMPARE(closings, 0);

    // Shown after a jackknife has finished: its results, loaded afresh.
    s.finishJackknife();
    s.open(window);
    QCOMPARE(text(window.Label7[3]), QString("41.12"));
    QCOMPARE(text(window.Label7[7]), QString("2.38"));
    QTest::mouseClick(window.Command1, Qt::LeftButton);
    QCOMPARE(closings, 1);
  }

  void outputFilesListTheReportAndTheFilesWritten() {
    Session s;
    doneform window(s.switcher, s.state, s.platform, nullptr, nullptr);
    s.open(window);
    QCOMPARE(window.windowTitle(), QString("Well done!"));
    QCOMPARE(window.Text1[0]->text(), QString::fromStdString(s.base() + "_0_Basic_Output.txt"));
    QVERIFY(window.Text1[0]->isReadOnly());
    QCOMPARE(window.Text1.size(), std::size_t(6));  // the report and the five figure data files
    QCOMPARE(window.Text1[1]->text(), QString::fromStdString(s.base() + "_1_Fig_Cxj.txt"));
    QCOMPARE(window.Label1.size(), std::size_t(6));
    QCOMPARE(window.Headings.size(), std::size_t(1));
    QCOMPARE(text(window.Headings[0]), QString("The graphic data files are:"));
    QVERIFY(!window.Command3->isVisible());

    QTest::mouseClick(window.Command1, Qt::LeftButton);
    s.finishJackknife();
    s.open(window);
    QCOMPARE(window.Text1[0]->text(), QString::fromStdString(s.base() + "_0_Jackknife_Output.txt"));
    // The Basic Run's report now heads the list, before the figure data files.
    QCOMPARE(window.Text1.size(), std::size_t(8));
    QCOMPARE(window.Text1[1]->text(), QString::fromStdString(s.base() + "_0_Basic_Output.txt"));
    QCOMPARE(window.Text1[7]->text(), QString::fromStdString(s.base() + "_5_Pseudo_Consumption_Rate_For_t-test.txt"));
    // Each group under its own heading, above its first file.
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(20);
    QCOMPARE(window.Headings.size(), std::size_t(3));
    const char* const headings[] = {"The report of the Basic Run is:", "The graphic data files are:",
                                    "The jackknife result files are:"};
    const std::size_t firstOfGroup[] = {1, 2, 7};
    for (std::size_t g = 0; g < 3; ++g) {
      QCOMPARE(text(window.Headings[g]), QString(headings[g]));
      QVERIFY(window.Headings[g]->geometry().bottom() < window.Label1[firstOfGroup[g]]->geometry().top());
      if (g > 0) QVERIFY(window.Headings[g]->geometry().top() > window.Text1[firstOfGroup[g] - 1]->geometry().bottom());
    }
  }

  // A report this run of the program did not write is not named.
  void outputFilesSayWhenNoReportWasWritten() {
    Session s;
    std::erase(s.state.files.written, s.state.report.ReportFileName);
    doneform window(s.switcher, s.state, s.platform, nullptr, nullptr);
    s.open(window);
    QCOMPARE(text(window.Label2), QString("The output file is:  "));
    QCOMPARE(window.Text1[0]->text(), QString("No report was written by this run of the program."));
  }

  // Every name is shown whole, however deep the folder: the boxes are as
  // wide as their names and the list scrolls when the screen is narrower.
  void outputFilesShowLongNamesWhole() {
    Session s;
    s.state.report.ReportFileName =
        s.base() + std::string(160, 'x') + "/a folder with a long name/cohort_0_Basic_Output.txt";
    s.state.files.written.push_back(s.state.report.ReportFileName);
    doneform window(s.switcher, s.state, s.platform, nullptr, nullptr);
    s.open(window);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.Text1.size() > 1);
    for (const QLineEdit* box : window.Text1) {
      const int textWidth = box->fontMetrics().horizontalAdvance(box->text());
      QVERIFY2(box->width() > textWidth, qPrintable(box->text()));
      QCOMPARE(box->cursorPosition(), 0);
    }
  }

  // After a later run the tables still show the Basic Run, though the
  // shared matrices and statistics hold the last pass.
  void resultWindowsKeepShowingTheBasicRunAfterALaterRun() {
    Session s;
    ResultFm results(s.switcher, s.state, s.platform, nullptr);
    stagmean means(s.switcher, s.state, s.platform, nullptr);
    s.finishJackknife();
    s.open(results);
    QCOMPARE(results.MSFlexGrid1[0]->item(1, 1)->text(), QString("1"));
    s.open(means);
    QCOMPARE(text(means.Label8[0]), QString("2.33"));
  }

  // Left by its back button and shown again with no run finished between,
  // a window keeps what it showed.
  void aWindowShownAgainWithoutARunBetweenKeepsItsContent() {
    Session s;
    stagmean window(s.switcher, s.state, s.platform, nullptr);
    s.open(window);
    QTest::mouseClick(window.Command1, Qt::LeftButton);
    s.state.basicRun.ProjectName = "changed";
    s.open(window);
    QVERIFY(text(window.Label6).startsWith("Example project"));
  }

  void theCloseBoxReturnsToTheMainWindow() {
    Session s;
    auto* window = new stagmean(s.switcher, s.state, s.platform, nullptr);
    QPointer<stagmean> guard(window);
    s.open(*window);
    QVERIFY(!s.mainWindow.isVisible());
    window->close();
    QVERIFY(s.mainWindow.isVisible());
    QVERIFY(guard.isNull() || guard->unloaded());
  }

  void printThisPagePrintsTheWindow() {
    Session s;
    stagmean means(s.switcher, s.state, s.platform, pdfFile(s.pdf));
    s.open(means);
    QTest::mouseClick(means.Command2, Qt::LeftButton);
    QVERIFY(isNonEmptyPdf(s.pdf));

    std::filesystem::remove(s.pdf);
    JackBootform result(s.switcher, s.state, s.platform, pdfFile(s.pdf), nullptr);
    s.open(result);
    QTest::mouseClick(result.Command2, Qt::LeftButton);
    QVERIFY(isNonEmptyPdf(s.pdf));

    std::filesystem::remove(s.pdf);
    doneform files(s.switcher, s.state, s.platform, pdfFile(s.pdf), nullptr);
    s.open(files);
    QTest::mouseClick(files.Command2, Qt::LeftButton);
    QVERIFY(isNonEmptyPdf(s.pdf));
    QVERIFY(s.script.messages().empty());
  }
};

}  // namespace vorelan

QTEST_MAIN(vorelan::ResultWindowsTest)
#include "result_windows_test.moc"
