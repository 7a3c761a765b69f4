#pragma once
// A main window with scripted dialogs and its shell windows, for the tests
// of the start, the guidance windows and the quit path.
#include <QPrinter>
#include <QPushButton>
#include <QTest>

#include "shell/main_window.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan::testing {

inline PrinterSource pdfPrinter(const std::string& path) {
  return [path] {
    auto printer = std::make_unique<QPrinter>();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(path));
    return printer;
  };
}

struct ShellSession {
  TempDir dir;
  AnalysisState state;
  ScriptedPlatform script;
  Platform platform = script.platform();
  std::string pdf = (dir.path() / "page.pdf").string();
  Form1 form{state, platform, pdfPrinter(pdf)};

  ShellWindows& windows() { return form.shellWindows(); }
  template <class Window>
  Window* loaded(ShellWindowKind kind) {
    return dynamic_cast<Window*>(windows().loaded(kind));
  }
  static void click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }
};

}  // namespace vorelan::testing
