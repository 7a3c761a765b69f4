// Every control of the main window: its caption, tooltip, frame and the
// state it starts in.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <functional>

#include "shell/main_window.h"
#include "guidance/program_texts.h"
#include "support/scripted_platform.h"

namespace vorelan {
namespace {

enum class Frame { Window, Action, Graph, Author, Figures };

struct Control {
  const char* name;
  std::function<QWidget*(Form1&)> widget;
  const char* caption;  // null: no text to check
  const char* tooltip;  // "" for none
  Frame frame;
  bool enabled;
  bool visible;
};

QString captionOf(QWidget* w) {
  if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
  if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
  return {};
}

QGroupBox* frameOf(Form1& f, Frame frame) {
  switch (frame) {
    case Frame::Action: return f.Frame4;
    case Frame::Graph: return f.Frame3;
    case Frame::Author: return f.Frame2;
    case Frame::Figures: return f.Frame1;
    case Frame::Window: break;
  }
  return nullptr;
}

#define CONTROL(member) #member, [](Form1& f) -> QWidget* { return f.member; }

const Control Controls[] = {
    {CONTROL(cmdJackknife), "Jackknife", "", Frame::Window, false, true},
    {CONTROL(cmdCompare2boots), "C2B", "", Frame::Window, false, false},
    {CONTROL(Command9), "Note well", "Special note", Frame::Window, true, true},
    {CONTROL(Command24), "Data format", "Format of data file", Frame::Window, true, true},
    {CONTROL(Command1), "Quit", "Quit this program", Frame::Window, true, true},
    {CONTROL(Command11), "Print page", "Print this form", Frame::Window, true, true},
    {CONTROL(Label1), nullptr, "", Frame::Window, true, true},
    {CONTROL(Label12), nullptr, "Basic introduction", Frame::Window, true, true},
    {CONTROL(Label2), "Step 1.", "Chech datafile", Frame::Action, true, true},
    {CONTROL(cmdOpenDataFile), "Open data file", "Open data file", Frame::Action, true, true},
    {CONTROL(Label4), "Step 2.", "", Frame::Action, true, true},
    {CONTROL(cmdBasicRun), "Basic Run", "Run life table analysis", Frame::Action, false, true},
    {CONTROL(Label5), "Step 3.", "", Frame::Action, true, true},
    {CONTROL(cmdBootstrap), "Bootstrap",
     "If you want to use the same bootstrap samples, please select file no. 11 in your life table folder.",
     Frame::Action, false, true},
    {CONTROL(Label8), "Step 4.", "", Frame::Action, true, true},
    {CONTROL(Command6), "Read SASD (in your life table folder) to calculate the finite predation rate",
     "Read SASD file from life table folder (_10_SASD and Oviposition age_for_VORELAN_program_in_column.txt)",
     Frame::Action, false, true},
    {CONTROL(Command12), "Paired bootstrap test (in Halvek)", "Please use the Paired Bootstrap Test in Halvek",
     Frame::Action, true, true},
    {CONTROL(MSChart1), nullptr, "", Frame::Graph, true, true},
    {CONTROL(Label13), "How do you do?", "", Frame::Graph, true, true},
    {CONTROL(Label14), nullptr, "", Frame::Graph, true, true},
    {CONTROL(Command2), "B or J results", "Bootstrap or Jackknife results", Frame::Graph, true, true},
    {CONTROL(Command23), "Means", "Table of means for each stage", Frame::Graph, false, true},
    {CONTROL(Command27), "Results", "Show analytical results in tables", Frame::Graph, false, true},
    {CONTROL(Command28), "Output files", "Show list of output files", Frame::Graph, false, true},
    {CONTROL(Command25), "References", "Show references", Frame::Graph, true, true},
    {CONTROL(Command4), "Large", "Show large graph", Frame::Graph, false, true},
    {CONTROL(Image1), nullptr, "Note well!", Frame::Author, true, true},
    {CONTROL(Label6), nullptr, "Introduction", Frame::Author, true, true},
    {CONTROL(Label10), nullptr, "Introduction", Frame::Author, true, true},
    {CONTROL(Command26), "", "Quiz", Frame::Author, true, true},
    {CONTROL(lblBootBegin), nullptr, "", Frame::Author, true, false},
    {CONTROL(lblBootEnd), nullptr, "", Frame::Author, true, false},
    {CONTROL(Command16), "s(x,j)", "Surivival rate to each age-stage unit (i,j)", Frame::Figures, true, true},
    {CONTROL(Command13), "g(x,j)", "Transition probability from n(i,j) to n(i+1,j)", Frame::Figures, true, true},
    {CONTROL(Command14), "d(x,j)", "Transition probability from n(i,j) to n(i+1,j+1)", Frame::Figures, true, true},
    {CONTROL(Command15), "c(x,j)", "Consumption rate of n(i,j)", Frame::Figures, true, true},
    {CONTROL(Command3), "l(x)", "Age-specific survival rate", Frame::Figures, true, true},
    {CONTROL(Command5), "c(x)", "Age-specific consumption rate", Frame::Figures, true, true},
    {CONTROL(Command7), "l(x)c(x)", "Age-specific maternity", Frame::Figures, true, true},
    {CONTROL(Command8), "Q", "", Frame::Figures, true, true},
    {CONTROL(Command10), "W", "", Frame::Figures, true, true},
};

struct Session {
  AnalysisState state;
  testing::ScriptedPlatform script;
  Platform platform = script.platform();
};

}  // namespace

class MainWindowControlsTest : public QObject {
  Q_OBJECT

 private slots:
  void startingState_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(Controls)); ++i) QTest::newRow(Controls[i].name) << i;
  }
  void startingState() {
    QFETCH(int, index);
    const Control& c = Controls[index];
    Session s;
    Form1 form(s.state, s.platform);
    form.show();
    QWidget* w = c.widget(form);
    QVERIFY(w);
    if (c.caption) QCOMPARE(captionOf(w), QString(c.caption));
    QCOMPARE(w->toolTip(), QString(c.tooltip));
    QCOMPARE(w->isEnabled(), c.enabled);
    QCOMPARE(!w->isHidden(), c.visible);
    if (QGroupBox* frame = frameOf(form, c.frame)) {
      QVERIFY2(frame->isAncestorOf(w), "the control stands outside its frame");
    } else {
      for (Frame other : {Frame::Action, Frame::Graph, Frame::Author, Frame::Figures}) {
        QVERIFY2(!frameOf(form, other)->isAncestorOf(w), "the control stands inside a frame");
      }
    }
  }

  void framesAndTexts() {
    Session s;
    s.state.run.TimeUnit = 0.5;
    Form1 form(s.state, s.platform);
    QCOMPARE(s.state.run.TimeUnit, 1.0);
    QCOMPARE(form.Frame4->title(), QString("Action"));
    QCOMPARE(form.Frame3->title(), QString("Graph"));
    QCOMPARE(form.Frame2->title(), QString("Author"));
    QCOMPARE(form.Frame1->title(), QString("Select a figure to display"));
    QVERIFY(form.Frame4->isEnabled());
    QVERIFY(form.Frame1->isEnabled());
    QVERIFY(form.MSChart2->isHidden());
    // The second chart draws the histogram of a resampling run as bars.
    QCOMPARE(form.MSChart2->data().type, ChartType::Bar2d);
    QCOMPARE(form.Label10->text().count('\n'), 5);
    QCOMPARE(form.Label12->text().count('\n'), 1);
    QVERIFY(form.Label1->text().contains(QString::number(QDate::currentDate().year())));
    // The usage hint, an empty line and a saying.
    QVERIFY(form.Label14->text().toStdString().starts_with(usageHint() + "\n\n"));
    QVERIFY(!form.Label3->text().isEmpty());
    QVERIFY(form.Timer1->isActive());
    QCOMPARE(form.Timer1->interval(), 500);
  }

  void usageHintIsBuiltOfItsFourPieces() {
    const std::string hint = usageHint();
    QVERIFY(hint.starts_with("1. Open a data file. 2. Press Basic RUN to analyze the raw data and calculate the "
                             "age-stage-specific consumption rate. 3. Select a figure to display.  You can click "
                             "Jackknif or Bootstrap to estimate the standard errors of the net predation rate.  "
                             "Comments and suggestions are welcome (e-mail to "));
    QVERIFY(hint.ends_with(std::string(ContactAddress) + ")."));
  }
};

}  // namespace vorelan

QTEST_MAIN(vorelan::MainWindowControlsTest)
#include "main_window_controls_test.moc"
