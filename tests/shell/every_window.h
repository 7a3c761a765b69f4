#pragma once
// Every window of the program, opened as a user opens it: the main window
// after a Basic Run and a bootstrap run, the windows of its buttons, the
// guidance windows and the quit path, and the title window. Each is handed
// to the visitor while it is shown.
#include <QPushButton>
#include <QTest>
#include <functional>

#include "shell/shell_session.h"
#include "shell/shell_windows.h"
#include "shell/titlform.h"
#include "support/fixture_path.h"

namespace vorelan::testing {

using WindowVisitor = std::function<void(const char* name, QWidget& window)>;

struct EveryWindowSession : ShellSession {
  // A Basic Run of the three-individual example.
  void runBasicRun() {
    form.show();
    script.inputAnswers = {"1"};
    script.chosenFiles = {dir.write("cohort.txt", readFile(fixturePath("three_individuals.txt")))};
    click(form.cmdOpenDataFile);
    click(form.cmdBasicRun);
  }
  // A bootstrap of 2500 new samples of 3.
  void runBootstrap() {
    script.inputAnswers = {"2", "2500", "3"};
    script.messageAnswers = {MessageAnswer::No};
    click(form.cmdBootstrap);
  }

  void visit(const char* name, QWidget& window, const WindowVisitor& visitor) {
    QVERIFY2(QTest::qWaitForWindowExposed(&window), name);
    visitor(name, window);
  }

  // Opens `window` by `control` of the main window and comes back by its close box.
  void visitFromMain(const char* name, QWidget* control, const std::function<QWidget*()>& window,
                     const WindowVisitor& visitor) {
    click(control);
    QWidget* shown = window();
    QVERIFY2(shown && shown->isVisible(), name);
    visit(name, *shown, visitor);
    shown->close();
  }

  void visitShellWindow(const char* name, ShellWindowKind kind, const WindowVisitor& visitor) {
    windows().open(kind, form);
    ShellWindow* shown = windows().loaded(kind);
    QVERIFY2(shown && shown->isVisible(), name);
    visit(name, *shown, visitor);
    shown->close();
  }

  void visitEveryWindow(const WindowVisitor& visitor) {
    runBasicRun();
    visit("Form1", form, visitor);
    // The figure buttons and Large serve the Basic Run's figures only.
    visitFromMain("grafform", form.Command4, [this] { return form.largeChartWindow(); }, visitor);
    runBootstrap();
    visit("Form1 after a bootstrap", form, visitor);
    visitFromMain("ResultFm", form.Command27, [this] { return form.resultTablesWindow(); }, visitor);
    visitFromMain("stagmean", form.Command23, [this] { return form.stageMeansWindow(); }, visitor);
    visitFromMain("doneform", form.Command28, [this] { return form.outputFilesWindow(); }, visitor);
    visitFromMain("JackBootform", form.Command2, [this] { return form.resamplingResultWindow(); }, visitor);
    const std::pair<const char*, ShellWindowKind> shellWindows[] = {
        {"Intro1", ShellWindowKind::Intro1},     {"Intro0", ShellWindowKind::Intro0},
        {"Introfrm", ShellWindowKind::Introfrm}, {"dataform", ShellWindowKind::dataform},
        {"Howto", ShellWindowKind::Howto},       {"Referenc", ShellWindowKind::Referenc},
        {"Druckaus", ShellWindowKind::Druckaus}, {"Quiz", ShellWindowKind::Quiz},
        {"copyrigh", ShellWindowKind::copyrigh}, {"Mutter", ShellWindowKind::Mutter}};
    for (const auto& [name, kind] : shellWindows) visitShellWindow(name, kind, visitor);
    form.show();
    windows().startUp();
    visit("titlform", *windows().title(), visitor);
  }
};

}  // namespace vorelan::testing
