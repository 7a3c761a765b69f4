// The quit path: every "Quit" leads to the notice window, its "OK" to the
// dedication window, whose button ends the program. Files stay open until
// the program really ends.
#include <QLabel>
#include <filesystem>

#include "guidance/notice_texts.h"
#include "shell/copyrigh.h"
#include "shell/mutter.h"
#include "shell/referenc.h"
#include "shell/shell_session.h"
#include "support/fixture_path.h"

namespace vorelan {
namespace {

using testing::ShellSession;

// A session with the data file opened, so that the basic report is open,
// beside the report of an earlier run.
struct OpenedSession : ShellSession {
  static constexpr const char* EarlierReport = "the report of an earlier run";
  OpenedSession() {
    dir.write("cohort_0_Basic_Output.txt", EarlierReport);
    form.show();
    script.inputAnswers.push_back("1");
    script.chosenFiles.push_back(
        dir.write("cohort.txt", testing::readFile(testing::fixturePath("three_individuals.txt"))));
    click(form.cmdOpenDataFile);
  }
  copyrigh* notice() { return loaded<copyrigh>(ShellWindowKind::copyrigh); }
  // Leaving before the Basic Run changes no file beside the data file.
  bool folderAsBefore() const {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
      (void)entry;
      ++files;
    }
    return files == 2 && testing::readFile((dir.path() / "cohort_0_Basic_Output.txt").string()) == EarlierReport;
  }
  Mutter* dedication() { return loaded<Mutter>(ShellWindowKind::Mutter); }
};

}  // namespace

class QuitPathTest : public QObject {
  Q_OBJECT

 private slots:
  void quitLeadsThroughTheNoticeAndTheDedicationToTheEnd() {
    OpenedSession s;
    QVERIFY(s.state.files.file3.isOpen());
    ShellSession::click(s.form.Command1);
    QVERIFY(!s.form.isVisible());
    copyrigh* notice = s.notice();
    QVERIFY(notice && notice->isVisible());
    QCOMPARE(notice->Command1->text(), QString("OK"));
    QCOMPARE(notice->Label7->text().toStdString(), citationRequest());
    QCOMPARE(notice->Label6->text().toStdString(), newVersionPlaces());
    QVERIFY(s.state.files.file3.isOpen());
    QCOMPARE(s.script.endProgramCalls, 0);

    ShellSession::click(notice->Command1);
    QVERIFY(!notice->isVisible());
    Mutter* dedication = s.dedication();
    QVERIFY(dedication && dedication->isVisible());
    QCOMPARE(dedication->windowTitle(), QString("Dedication"));
    QCOMPARE(dedication->Command1->text(), QString("God rest his soul"));
    QCOMPARE(s.script.endProgramCalls, 0);

    ShellSession::click(dedication->Command1);
    QCOMPARE(s.script.endProgramCalls, 1);
    QVERIFY(!s.state.files.file3.isOpen());
    QVERIFY(s.folderAsBefore());
    QVERIFY(s.script.boxes.size() == 1 && s.script.boxes[0].kind == "input");
  }

  // Closing the notice window returns to the main window with every state as
  // it was, and the report still open for the steps that write to it.
  void closingTheNoticeReturnsToTheMainWindowWithTheFilesOpen() {
    OpenedSession s;
    const bool basicRunEnabled = s.form.cmdBasicRun->isEnabled();
    ShellSession::click(s.form.Command1);
    s.notice()->close();
    QVERIFY(s.form.isVisible());
    QVERIFY(!s.notice());
    QVERIFY(s.state.files.file3.isOpen());
    QCOMPARE(s.form.cmdBasicRun->isEnabled(), basicRunEnabled);
    QCOMPARE(s.script.endProgramCalls, 0);

    // The Basic Run still writes its whole report.
    ShellSession::click(s.form.cmdBasicRun);
    QVERIFY(s.script.messages().empty());
    QCOMPARE(s.state.run.BasicRunDone, std::string("yes"));
    const std::string report = testing::readFile((s.dir.path() / "cohort_0_Basic_Output.txt").string());
    QVERIFY(report.size() > 1000);
  }

  void closingTheDedicationEndsTheProgramAsItsButtonDoes() {
    OpenedSession s;
    ShellSession::click(s.form.Command1);
    ShellSession::click(s.notice()->Command1);
    s.dedication()->close();
    QCOMPARE(s.script.endProgramCalls, 1);
    QVERIFY(!s.state.files.file3.isOpen());
    QVERIFY(!s.form.isVisible());
    QVERIFY(s.folderAsBefore());
  }

  void closingTheMainWindowAfterOpenLeavesTheEarlierReport() {
    OpenedSession s;
    QVERIFY(s.state.files.file3.isOpen());
    s.form.close();
    QCOMPARE(s.script.endProgramCalls, 1);
    QVERIFY(s.folderAsBefore());
  }

  void quitFromTheReferencesLeadsToTheNotice() {
    OpenedSession s;
    ShellSession::click(s.form.Command25);
    auto* references = s.loaded<Referenc>(ShellWindowKind::Referenc);
    QCOMPARE(references->Command2->text(), QString("Quit"));
    ShellSession::click(references->Command2);
    QVERIFY(!references->isVisible());
    QVERIFY(s.notice()->isVisible());
    QVERIFY(s.state.files.file3.isOpen());
  }
};

}  // namespace vorelan

QTEST_MAIN(vorelan::QuitPathTest)
#include "quit_path_test.moc"
