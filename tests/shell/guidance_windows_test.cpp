// Every window the main window opens from its guidance buttons and labels:
// its caption, its back button and its close box, both returning to the
// main window; the print buttons; and the texts built once a loading.
#include <QLabel>
#include <QPlainTextEdit>

#include "guidance/guidance_texts.h"
#include "guidance/program_texts.h"
#include "guidance/references.h"
#include "shell/dataform.h"
#include "shell/druckaus.h"
#include "shell/referenc.h"
#include "shell/shell_session.h"
#include "support/fixture_path.h"
#include "windows/doneform.h"

namespace vorelan {
namespace {

using testing::ShellSession;

QPushButton* buttonCaptioned(QWidget& window, const QString& caption) {
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    if (button->text() == caption) return button;
  }
  return nullptr;
}

struct Way {
  const char* name;
  QWidget* (*control)(Form1&);
  ShellWindowKind kind;
  const char* caption;
  const char* back;
};

const Way Ways[] = {
    {"Note well", [](Form1& f) -> QWidget* { return f.Command9; }, ShellWindowKind::Howto, "Note well!",
     "Back to the main form"},
    {"Data format", [](Form1& f) -> QWidget* { return f.Command24; }, ShellWindowKind::dataform, "Dataform",
     "Back to Main form"},
    {"References", [](Form1& f) -> QWidget* { return f.Command25; }, ShellWindowKind::Referenc, "References",
     "Back to main form"},
    {"the quiz picture", [](Form1& f) -> QWidget* { return f.Command26; }, ShellWindowKind::Quiz, "Quiz",
     "Back to the mainform"},
    {"the title", [](Form1& f) -> QWidget* { return f.Label12; }, ShellWindowKind::Intro0, "Introduction",
     "Go to mainform"},
    {"the greeting", [](Form1& f) -> QWidget* { return f.Label13; }, ShellWindowKind::Howto, "Note well!",
     "Back to the main form"},
    {"the usage hint", [](Form1& f) -> QWidget* { return f.Label14; }, ShellWindowKind::Howto, "Note well!",
     "Back to the main form"},
    {"the photograph", [](Form1& f) -> QWidget* { return f.Image1; }, ShellWindowKind::Howto, "Note well!",
     "Back to the main form"},
    {"the date", [](Form1& f) -> QWidget* { return f.Label6; }, ShellWindowKind::Introfrm, "Introduction", "OK"},
    {"the contact block", [](Form1& f) -> QWidget* { return f.Label10; }, ShellWindowKind::Introfrm,
     "Introduction", "OK"},
};

}  // namespace

class GuidanceWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void eachWayOpensItsWindowAndBothWaysBackReturn() {
    for (const Way& way : Ways) {
      const QByteArray name(way.name);
      ShellSession s;
      s.form.show();
      ShellSession::click(way.control(s.form));
      ShellWindow* window = s.windows().loaded(way.kind);
      QVERIFY2(window && window->isVisible(), name);
      QVERIFY2(!s.form.isVisible(), name);
      QCOMPARE(window->windowTitle(), QString(way.caption));

      // The back button keeps the window loaded for the next showing.
      QPushButton* back = buttonCaptioned(*window, way.back);
      QVERIFY2(back, name);
      ShellSession::click(back);
      QVERIFY2(s.form.isVisible() && !window->isVisible(), name);
      ShellSession::click(way.control(s.form));
      QCOMPARE(s.windows().loaded(way.kind), window);

      // The close box returns too, and the next showing loads it afresh.
      window->close();
      QVERIFY2(s.form.isVisible(), name);
      QVERIFY2(!s.windows().loaded(way.kind), name);
      QVERIFY2(s.script.boxes.empty(), name);
      QCOMPARE(s.script.endProgramCalls, 0);
    }
  }

  // The first click of a double click on the title already opens the
  // introduction and hides this window; the second opens nothing more.
  void aDoubleClickOnTheTitleOpensTheIntroductionOnly() {
    ShellSession s;
    s.form.show();
    // A double click: a first click, then the second press that is the double click.
    QTest::mouseClick(s.form.Label12, Qt::LeftButton);
    QTest::mouseDClick(s.form.Label12, Qt::LeftButton);
    QVERIFY(s.windows().loaded(ShellWindowKind::Intro0)->isVisible());
    QVERIFY(!s.windows().loaded(ShellWindowKind::Howto));
    QVERIFY(!s.form.isVisible());
  }

  void aDataFormatLoadedAfreshShowsEachExplanationOnce() {
    ShellSession s;
    s.form.show();
    ShellSession::click(s.form.Command24);
    s.windows().loaded(ShellWindowKind::dataform)->close();
    ShellSession::click(s.form.Command24);
    auto* window = s.loaded<dataform>(ShellWindowKind::dataform);
    QCOMPARE(window->Text1->toPlainText().toStdString(), descriptivePartExplanation());
    QCOMPARE(window->Text2->toPlainText().toStdString(), rawDataExplanation());
    QCOMPARE(window->Label4->text().toStdString(), std::string(DataFormatHeading));
    QCOMPARE(window->Label1[2]->text(), QString(" \"Date: 1986.1.17. - 1986.2.28.\""));
    QCOMPARE(window->Label1[14]->text(), QString(" 6,N,3,2,-4,-1,3,5,-1,-1"));
    QCOMPARE(window->Command3->text(), QString("Print this page"));
  }

  void theReferencesListTheLiterature() {
    ShellSession s;
    s.form.show();
    ShellSession::click(s.form.Command25);
    auto* window = s.loaded<Referenc>(ShellWindowKind::Referenc);
    QCOMPARE(window->Heading->text(), QString("References"));
    QCOMPARE(window->Citations.size(), references().size());
    QCOMPARE(window->Citations.front()->text().toStdString(), references().front());
  }

  void thePrintingHelpIsReachedFromTheOutputFilesAndGoesBackToTheMainWindow() {
    ShellSession s;
    s.form.show();
    s.script.inputAnswers.push_back("1");
    s.script.chosenFiles.push_back(
        s.dir.write("cohort.txt", testing::readFile(testing::fixturePath("three_individuals.txt"))));
    ShellSession::click(s.form.cmdOpenDataFile);
    ShellSession::click(s.form.cmdBasicRun);
    ShellSession::click(s.form.Command28);
    doneform* outputFiles = s.form.outputFilesWindow();
    QVERIFY(outputFiles && outputFiles->isVisible());
    QVERIFY(outputFiles->Command3->isVisible());
    ShellSession::click(outputFiles->Command3);
    auto* help = s.loaded<Druckaus>(ShellWindowKind::Druckaus);
    QVERIFY(help && help->isVisible());
    QVERIFY(!outputFiles->isVisible());
    QCOMPARE(help->windowTitle(), QString("How to print"));
    QCOMPARE(help->Text1->toPlainText().toStdString(), printingHelp());
    QCOMPARE(help->Text1->font().pointSize(), 14);
    QCOMPARE(help->Command1->text(), QString("Go Back"));
    ShellSession::click(help->Command1);
    QVERIFY(s.form.isVisible());
    QVERIFY(!outputFiles->isVisible());
    QVERIFY(s.script.messages().empty());
  }

  void eachPrintButtonPrintsItsWindow_data() {
    QTest::addColumn<int>("which");
    QTest::newRow("Data format: Print this page") << 0;
    QTest::newRow("How to print: Print this page") << 1;
    QTest::newRow("Main window: Print page") << 2;
  }
  void eachPrintButtonPrintsItsWindow() {
    QFETCH(int, which);
    ShellSession s;
    s.form.show();
    QPushButton* print = s.form.Command11;
    if (which == 0) {
      ShellSession::click(s.form.Command24);
      print = s.loaded<dataform>(ShellWindowKind::dataform)->Command3;
    } else if (which == 1) {
      s.windows().open(ShellWindowKind::Druckaus, s.form);
      print = s.loaded<Druckaus>(ShellWindowKind::Druckaus)->Command2;
    }
    ShellSession::click(print);
    const std::string pdf = testing::readFile(s.pdf);
    QVERIFY(pdf.starts_with("%PDF"));
    QVERIFY(pdf.find("/Subtype /Image") != std::string::npos);
    QVERIFY(s.script.messages().empty());
  }

  void theSayingsAreDrawnThroughThePlatform() {
    testing::ScriptedPlatform script;
    // The first draw picks saying 0 for the large label, the second the hint's slot.
    script.draws = {0.0f, 0.999f};
    Platform platform = script.platform();
    AnalysisState state;
    Form1 form(state, platform, nullptr);
    const QString hint = QString::fromStdString(usageHint());
    QVERIFY(form.Label14->text().startsWith(hint + "\n\n"));
    QVERIFY(form.Label14->text().size() > hint.size() + 2);
    QCOMPARE(form.Label3->text(), hint);
    QVERIFY(script.seeds.empty());
  }
};

}  // namespace vorelan

QTEST_MAIN(vorelan::GuidanceWindowsTest)
#include "guidance_windows_test.moc"
