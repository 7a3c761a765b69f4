// Vorelan: the age-stage, two-sex life table of consumption of a cohort.
#include <QApplication>

#include "shell/program.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Vorelan");
  // Hiding a window to show another is not the end: the program ends by its
  // Quit buttons or the main window's close box.
  QApplication::setQuitOnLastWindowClosed(false);
  vorelan::Program program;
  program.start();
  return QApplication::exec();
}
