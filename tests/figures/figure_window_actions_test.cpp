// What each figure does to its window besides drawing: the chart's
// visibility, the greeting labels and the focus.
#include <QPushButton>
#include <QTest>
#include <memory>

#include "figure_windows.h"
#include "support/small_life_table.h"
#include "support/scripted_platform.h"

namespace vorelan {
namespace {

enum class Focus { Unchanged, Command5, Command7, Command13, Command14, Command15 };

struct MainCase {
  LifeTableFigure figure;
  const char* name;
  bool showsChart;  // false: a hidden chart stays hidden
  bool hidesGreeting;
  Focus focus;
};

const MainCase MainCases[] = {
    {LifeTableFigure::Sxj, "s(x,j)", true, false, Focus::Command13},
    {LifeTableFigure::Gij, "g(x,j)", true, true, Focus::Command14},
    {LifeTableFigure::Dij, "d(x,j)", true, true, Focus::Command15},
    {LifeTableFigure::Cij, "c(x,j)", true, false, Focus::Unchanged},
    {LifeTableFigure::Lx, "l(x)", true, false, Focus::Command5},
    {LifeTableFigure::LxCx, "l(x)c(x)", false, false, Focus::Unchanged},
    {LifeTableFigure::Cx, "c(x)", true, true, Focus::Command7},
};

struct LargeCase {
  LifeTableFigure figure;
  const char* name;
  bool showsChart;
  Focus focus;
};

const LargeCase LargeCases[] = {
    {LifeTableFigure::Sxj, "s(i,j)", true, Focus::Unchanged},  {LifeTableFigure::Gij, "g(i,j)", true, Focus::Unchanged},
    {LifeTableFigure::Dij, "d(i,j)", true, Focus::Unchanged},  {LifeTableFigure::Cij, "c(i,j)", false, Focus::Command14},
    {LifeTableFigure::Lx, "l(x)", true, Focus::Command5},      {LifeTableFigure::LxCx, "l(x)c(x)", false, Focus::Unchanged},
    {LifeTableFigure::Cx, "c(x)", true, Focus::Unchanged},
};

struct Session {
  AnalysisState state;
  testing::ScriptedPlatform script;
  Platform platform = script.platform();
  Session() { testing::fillSmallLifeTable(state); }
};

template <class Window>
QWidget* focusTarget(Window& w, Focus focus) {
  switch (focus) {
    case Focus::Unchanged: return nullptr;
    case Focus::Command5: return w.Command5;
    case Focus::Command7: return w.Command7;
    case Focus::Command13: return w.Command13;
    case Focus::Command14: return w.Command14;
    case Focus::Command15: return w.Command15;
  }
  return nullptr;
}

}  // namespace

class FigureWindowActionsTest : public QObject {
  Q_OBJECT

 private slots:
  void mainWindow_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < 7; ++i) QTest::newRow(MainCases[i].name) << i;
  }
  void mainWindow() {
    QFETCH(int, index);
    const MainCase& c = MainCases[index];
    Session s;
    Form1 w(s.state, s.platform);
    w.MSChart1->setVisible(false);
    testing::showOnMain(w, c.figure);
    QCOMPARE(w.MSChart1->isHidden(), !c.showsChart);
    QCOMPARE(w.Label13->isHidden(), c.hidesGreeting);
    QCOMPARE(w.Label14->isHidden(), c.hidesGreeting);
    QCOMPARE(w.focusWidget(), focusTarget(w, c.focus));
  }

  void largeWindow_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < 7; ++i) QTest::newRow(LargeCases[i].name) << i;
  }
  void largeWindow() {
    QFETCH(int, index);
    const LargeCase& c = LargeCases[index];
    Session s;
    QWidget main;
    WindowSwitcher switcher(main);
    grafform w(switcher, s.state, s.platform, nullptr, nullptr);
    // Loading drew s(x,j) and moved no focus.
    QCOMPARE(w.focusWidget(), static_cast<QWidget*>(nullptr));
    QCOMPARE(w.MSChart1->data().title, std::string("Survival rate to each age-stage group"));
    w.MSChart1->setVisible(false);
    testing::showOnLarge(w, c.figure);
    QCOMPARE(w.MSChart1->isHidden(), !c.showsChart);
    QCOMPARE(w.focusWidget(), focusTarget(w, c.focus));
  }

  // The large window's buttons draw its own figures.
  void largeWindowButtonsDrawTheirFigures() {
    Session s;
    QWidget main;
    WindowSwitcher switcher(main);
    grafform w(switcher, s.state, s.platform, nullptr, nullptr);
    const struct {
      QPushButton* button;
      const char* caption;
      const char* title;
    } buttons[] = {
        {w.Command16, "s(i,j)", "Survival rate to each age-stage group"},
        {w.Command13, "g(i,j)", "Age-stage specific growth probability"},
        {w.Command14, "d(i,j)", "Age-stage specific development probability"},
        {w.Command15, "c(i,j)", "Age-stage specific consumption rate"},
        {w.Command3, "l(x)", "Age-specific survival rate"},
        {w.Command7, "l(x)c(x)", "Age-specific net consumption"},
        {w.Command5, "c(x)", "Age-specific consumption rate"},
    };
    for (const auto& b : buttons) {
      QCOMPARE(b.button->text(), QString(b.caption));
      QTest::mouseClick(b.button, Qt::LeftButton);
      QCOMPARE(w.MSChart1->data().title, std::string(b.title));
    }
    QCOMPARE(w.windowTitle(), QString("Grafform"));
    QCOMPARE(w.Command1->text(), QString("Print form"));
    QCOMPARE(w.Command4->text(), QString("Mainform"));
    QCOMPARE(w.Command2->text(), QString("Quit"));
  }
};

}  // namespace vorelan

QTEST_MAIN(vorelan::FigureWindowActionsTest)
#include "figure_window_actions_test.moc"
