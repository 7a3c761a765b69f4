// A walk through the main window with scripted dialogs: Open data file,
// Basic Run, the figures, the large-chart window and back.
#include <QGroupBox>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "main_window_session.h"
#include "predation/five_predators_sasd.h"
#include "support/cohort_text.h"

namespace vorelan {
namespace {

struct Session : testing::MainWindowSession {
  const ChartData& mainChart() const { return form.MSChart1->data(); }
};

}  // namespace

class MainWindowWalkTest : public QObject {
  Q_OBJECT

 private slots:
  void openBasicRunFiguresAndTheLargeChart() {
    Session s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.form));

    s.open(s.fixture());
    QVERIFY(s.script.messages().empty());
    QVERIFY(s.form.cmdBasicRun->isEnabled());
    QVERIFY(!s.form.cmdJackknife->isEnabled());
    QVERIFY(!s.form.cmdOpenDataFile->isEnabled());
    QVERIFY(s.form.Label2->isEnabled());
    QCOMPARE(s.form.focusWidget(), s.form.cmdBasicRun);
    QVERIFY(!std::filesystem::exists(s.dir.path() / "cohort_0_Basic_Output.txt"));  // until the Basic Run

    QTest::mouseClick(s.form.cmdBasicRun, Qt::LeftButton);
    QVERIFY(s.script.messages().empty());
    QCOMPARE(s.state.run.BasicRunDone, std::string("yes"));
    const QWidget* enabledByTheRun[] = {s.form.Command4,  s.form.cmdJackknife, s.form.Command23,
                                        s.form.Command27, s.form.Command28,    s.form.Frame1,
                                        s.form.cmdBootstrap, s.form.Command6};
    for (const QWidget* w : enabledByTheRun) QVERIFY(w->isEnabled());
    QVERIFY(s.form.cmdBootstrap->isVisible());
    QVERIFY(s.form.cmdCompare2boots->isVisible());
    QVERIFY(!s.form.cmdCompare2boots->isEnabled());
    QVERIFY(!s.form.cmdOpenDataFile->isEnabled());
    QVERIFY(!s.state.files.file3.isOpen());
    // The Basic Run ends with the c(x,j) figure; the focus waits on s(x,j).
    QCOMPARE(s.mainChart().title, std::string("Age-stage specific consumption rate"));
    QCOMPARE(s.mainChart().grid.rowCount(), s.state.stageStats.MaxAge + 2);
    QCOMPARE(s.mainChart().grid.columnCount(), 2 * (s.state.header.NumStages + 1));
    QVERIFY(s.form.MSChart1->isVisible());
    QCOMPARE(s.form.focusWidget(), s.form.Command16);

    QTest::mouseClick(s.form.Command13, Qt::LeftButton);
    QCOMPARE(s.mainChart().title, std::string("Age-stage specific growth probability"));
    QVERIFY(!s.form.Label13->isVisible());
    QVERIFY(!s.form.Label14->isVisible());

    // "Large" opens the large-chart window on s(x,j) in place of the main window.
    QTest::mouseClick(s.form.Command4, Qt::LeftButton);
    grafform* large = s.form.largeChartWindow();
    QVERIFY(large);
    QVERIFY(large->isVisible());
    QVERIFY(!s.form.isVisible());
    QCOMPARE(large->MSChart1->data().title, std::string("Survival rate to each age-stage group"));
    QCOMPARE(large->MSChart1->data().grid.rowCount(), s.state.stageStats.MaxAge + 2);

    // Back by "Mainform": the window keeps its last figure.
    QTest::mouseClick(large->Command15, Qt::LeftButton);
    QTest::mouseClick(large->Command4, Qt::LeftButton);
    QVERIFY(!large->isVisible());
    QVERIFY(s.form.isVisible());
    QTest::mouseClick(s.form.Command4, Qt::LeftButton);
    QCOMPARE(s.form.largeChartWindow(), large);
    QCOMPARE(large->MSChart1->data().title, std::string("Age-stage specific consumption rate"));
    QCOMPARE(large->MSChart1->data().yAxis.title, std::string("c(i,j)"));

    // Back by the close box: the window is unloaded and opens on s(x,j) next time.
    large->close();
    QVERIFY(s.form.isVisible());
    QCOMPARE(s.form.largeChartWindow(), static_cast<grafform*>(nullptr));
    QTest::mouseClick(s.form.Command4, Qt::LeftButton);
    QVERIFY(s.form.largeChartWindow());
    QCOMPARE(s.form.largeChartWindow()->MSChart1->data().title, std::string("Survival rate to each age-stage group"));
    QCOMPARE(s.script.endProgramCalls, 0);
  }

  // The c(x,j) figure after the Basic Run of the three-individual cohort,
  // worked out from its records: a male, a female and an N that dies as a pupa.
  void theBasicRunDrawsTheConsumptionRateOfTheCohort() {
    Session s;
    s.open(s.fixture());
    QTest::mouseClick(s.form.cmdBasicRun, Qt::LeftButton);
    const DataGrid& grid = s.mainChart().grid;
    // The female lives longest: 2 + 3 + 6 + 3 time units, ages 0..13.
    QCOMPARE(s.state.stageStats.MaxAge, std::int16_t(13));
    QCOMPARE(grid.rowCount(), 15);
    QCOMPARE(grid.columnCount(), 10);
    const struct {
      int age, column;
      double c;
    } cells[] = {
        {0, 1, 0.0},         // eggs eat nothing
        {2, 2, 1.5},         // larvae at age 2: the male (2) and the female (1)
        {3, 2, 4.0},         // all three larvae: 5, 4 and 3
        {4, 2, 16.0 / 3.0},  // 5, 6 and 5
        {7, 3, 0.0},         // pupae eat nothing
        {11, 4, 5.0},        // the female adult
        {13, 4, 4.0},
        {11, 5, 4.0},        // the male adult
        {12, 5, 3.0},
    };
    for (const auto& cell : cells) {
      QCOMPARE(grid.data(cell.age + 1, 2 * cell.column - 1), double(cell.age));
      QCOMPARE(grid.data(cell.age + 1, 2 * cell.column), cell.c);
    }
    for (int j = 1; j <= 5; ++j) {
      QCOMPARE(grid.data(15, 2 * j - 1), 14.0);
      QCOMPARE(grid.data(15, 2 * j), 0.0);
      QCOMPARE(grid.columnLabel(2 * j - 1), s.state.header.StageName(1, std::size_t(j)));
    }
    QCOMPARE(grid.columnLabel(7), std::string("Fema"));
    QCOMPARE(grid.columnLabel(9), std::string("Male"));
  }

  void eachFigureButtonDrawsItsFigure() {
    Session s;
    s.open(s.fixture());
    QTest::mouseClick(s.form.cmdBasicRun, Qt::LeftButton);
    const struct {
      QPushButton* button;
      const char* title;
    } buttons[] = {
        {s.form.Command16, "Survival rate to each age-stage group"},
        {s.form.Command13, "Age-stage specific growth probability"},
        {s.form.Command14, "Age-stage specific development probability"},
        {s.form.Command15, "Age-stage specific consumption rate"},
        {s.form.Command3, "Age-specific survival rate"},
        {s.form.Command5, "Age-specific consumption rate"},
        {s.form.Command7, "Age-specific net consumption"},
    };
    for (const auto& b : buttons) {
      QTest::mouseClick(b.button, Qt::LeftButton);
      QCOMPARE(s.mainChart().title, std::string(b.title));
      QCOMPARE(s.mainChart().grid.rowCount(), s.state.stageStats.MaxAge + 2);
    }
    QVERIFY(s.script.messages().empty());
  }

  // Before any data file is opened the figure buttons draw the empty life
  // table: one curve from (0, 0) closing at (1, 0), and no box.
  void figureButtonsBeforeAnyDataFileDrawTheEmptyLifeTable() {
    Session s;
    for (QPushButton* b : {s.form.Command16, s.form.Command13, s.form.Command14, s.form.Command15, s.form.Command3,
                           s.form.Command5, s.form.Command7}) {
      QVERIFY(b->isEnabled());
      QTest::mouseClick(b, Qt::LeftButton);
      QCOMPARE(s.mainChart().grid.columnCount(), 2);
      QCOMPARE(s.mainChart().grid.rowCount(), 2);
      QCOMPARE(s.mainChart().grid.data(1, 1), 0.0);
      QCOMPARE(s.mainChart().grid.data(2, 1), 1.0);
      QCOMPARE(s.mainChart().grid.data(2, 2), 0.0);
    }
    QVERIFY(s.script.boxes.empty());
    QCOMPARE(s.script.endProgramCalls, 0);
  }

  void aSecondBasicRunOnlyEnablesTheDistributionButton() {
    Session s;
    s.open(s.fixture());
    QTest::mouseClick(s.form.cmdBasicRun, Qt::LeftButton);
    QTest::mouseClick(s.form.Command16, Qt::LeftButton);
    s.state.header.ProjectName = "kept";
    QTest::mouseClick(s.form.cmdBasicRun, Qt::LeftButton);
    QCOMPARE(s.state.header.ProjectName, std::string("kept"));
    QCOMPARE(s.mainChart().title, std::string("Survival rate to each age-stage group"));
    QVERIFY(s.form.Command6->isEnabled());
  }

  // Read SASD after a Basic Run: the rates in a box and the result file
  // beside the data file; the button stays for another file.
  void readSasdAfterTheBasicRunShowsTheRates() {
    Session s;
    s.open(s.dataFile(testing::readFile(testing::fixturePath("five_predators.txt"))));
    QTest::mouseClick(s.form.cmdBasicRun, Qt::LeftButton);
    s.script.chosenFiles.push_back(s.dir.write("sasd.txt", testing::SasdFileText{}.text()));
    QTest::mouseClick(s.form.Command6, Qt::LeftButton);
    QCOMPARE(s.script.messages().size(), std::size_t(1));
    QCOMPARE(s.script.messages().at(0).title, std::string("Finit predation rate"));
    QCOMPARE(s.script.messages().at(0).text, std::string("Psi =2.1875.  Finite predation rate =3.28125"));
    QCOMPARE(s.state.run.SASDRead, std::string("Yes"));
    QVERIFY(std::filesystem::exists(s.dir.path() / "cohort_0_Output_Finite_Predation_Rate_omega.txt"));
    QVERIFY(s.form.Command6->isEnabled());

    // A file that does not fit is named; the program goes on.
    s.script.chosenFiles.push_back(s.dir.write("other.txt", "\"only a heading\""));
    QTest::mouseClick(s.form.Command6, Qt::LeftButton);
    QCOMPARE(s.script.messages().back().title, std::string("Error in SASD file"));
    QCOMPARE(s.script.endProgramCalls, 0);
    QVERIFY(s.form.Command6->isEnabled());
  }

  void cancellingTheFileDialogLeavesTheStepsAsTheyWere() {
    Session s;
    s.open("");
    QVERIFY(!s.form.cmdBasicRun->isEnabled());
    QVERIFY(s.form.cmdOpenDataFile->isEnabled());
    QCOMPARE(s.script.endProgramCalls, 0);
  }

  void aFaultyDataFileEndsTheProgramAtOpen() {
    Session s;
    s.open(s.dataFile(testing::cohortFile({"Egg", "Larva", "Adult"}, {"1,X,2,3,4,1,-1"})));
    QCOMPARE(s.script.endProgramCalls, 1);
    QCOMPARE(s.script.messages().at(0).title, std::string("Error in data file"));
    QVERIFY(!s.form.cmdBasicRun->isEnabled());
  }

  void checkingTheDataFileFromTheLabels() {
    Session s;
    // Nothing to check before a file is opened: the user is told, the program goes on.
    QTest::mouseClick(s.form.Label1, Qt::LeftButton);
    QCOMPARE(s.script.messages().size(), std::size_t(1));
    QCOMPARE(s.script.messages().at(0).title, std::string("Check data file"));
    QCOMPARE(s.script.endProgramCalls, 0);

    s.open(s.fixture());
    QTest::mouseClick(s.form.Label2, Qt::LeftButton);
    QCOMPARE(s.script.messages().back().text, std::string("It looks OK."));
    QTest::mouseClick(s.form.Label1, Qt::LeftButton);
    QCOMPARE(s.script.messages().back().text, std::string("It looks OK."));
    QCOMPARE(s.script.endProgramCalls, 0);
  }

  void pairedBootstrapTestPointsToHalvek() {
    Session s;
    QTest::mouseClick(s.form.Command12, Qt::LeftButton);
    QCOMPARE(s.script.messages().size(), std::size_t(1));
    QCOMPARE(s.script.messages().at(0).text, std::string("Please use Halvek to run paired bootstrap test."));
    QCOMPARE(s.script.messages().at(0).title, std::string("Paired bootstrap test"));
  }

  void buttonsOfLaterWindowsAndQAndWDoNothing() {
    Session s;
    const ChartData before = s.mainChart();
    for (QPushButton* b : {s.form.Command8, s.form.Command10}) {
      QTest::mouseClick(b, Qt::LeftButton);
    }
    QVERIFY(s.form.isVisible());
    QVERIFY(s.script.boxes.empty());
    QCOMPARE(s.mainChart().title, before.title);
  }

  // Quit leads into the quit path; the files close only when the program ends.
  void quitLeadsToTheNoticeWindowWithTheFilesOpen() {
    Session s;
    s.open(s.fixture());
    QVERIFY(s.state.files.file3.isOpen());
    QTest::mouseClick(s.form.Command1, Qt::LeftButton);
    QVERIFY(s.state.files.file3.isOpen());
    QVERIFY(!s.form.isVisible());
    QVERIFY(s.form.shellWindows().loaded(ShellWindowKind::copyrigh)->isVisible());
    QCOMPARE(s.script.endProgramCalls, 0);
  }

  void quitFromTheLargeChartLeadsToTheNoticeWindowToo() {
    Session s;
    s.open(s.fixture());
    QTest::mouseClick(s.form.cmdBasicRun, Qt::LeftButton);
    QTest::mouseClick(s.form.Command4, Qt::LeftButton);
    // Quit leaves every open file as it is.
    const auto open = s.dir.path() / "still_open.txt";
    QVERIFY(s.state.files.file1.open(open.string()));
    QTest::mouseClick(s.form.largeChartWindow()->Command2, Qt::LeftButton);
    QVERIFY(!s.form.largeChartWindow()->isVisible());
    QVERIFY(s.form.shellWindows().loaded(ShellWindowKind::copyrigh)->isVisible());
    QVERIFY(s.state.files.file1.isOpen());
    QCOMPARE(s.script.endProgramCalls, 0);
  }

  // A fault inside the program is told, and the program ends with its files closed.
  void aFaultInAHandlerIsToldAndEndsTheProgram() {
    Session s;
    s.open(s.fixture());
    s.state.stageStats.MaxAge = 500;  // beyond every age of the life table
    QTest::mouseClick(s.form.Command16, Qt::LeftButton);
    QCOMPARE(s.script.messages().size(), std::size_t(1));
    QCOMPARE(s.script.messages().at(0).title, std::string("Internal error"));
    QCOMPARE(s.script.endProgramCalls, 1);
    QVERIFY(!s.state.files.file3.isOpen());
  }

  void theMainWindowsCloseBoxEndsTheProgram() {
    Session s;
    s.open(s.fixture());
    s.form.close();
    QVERIFY(!s.state.files.file3.isOpen());
    QCOMPARE(s.script.endProgramCalls, 1);
  }
};

}  // namespace vorelan

QTEST_MAIN(vorelan::MainWindowWalkTest)
#include "main_window_walk_test.moc"
