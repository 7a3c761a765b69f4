#pragma once
// The user interface of the running program: Qt's input box, message box and
// file dialog, a line of text on the main window, ending the program by
// leaving the event loop, and the program's random numbers.
#include <QPointer>
#include <cstdint>
#include <random>

#include "platform/user_interface.h"

class QLabel;
class QWidget;

namespace vorelan {

class QtPlatform : public InputBox,
                   public MessageBox,
                   public FileDialog,
                   public WindowText,
                   public ProgramExit,
                   public RandomNumbers {
 public:
  // Boxes and dialogs are centred on `dialogParent` once it is set.
  void setDialogParent(QWidget* parent) { dialogParent_ = parent; }
  // The label of the main window that receives the lines of text.
  void setTextLine(QLabel* label) { textLine_ = label; }

  std::optional<std::string> ask(const std::string& prompt, const std::string& title,
                                 const std::string& defaultAnswer) override;
  MessageAnswer show(const std::string& text, const std::string& title, MessageButtons buttons) override;
  std::string openFile(const FileRequest& request) override;
  void writeLine(const std::string& text) override;
  void endProgram() override;
  void seed(double seedValue) override;
  float next() override;

  Platform platform() { return Platform{*this, *this, *this, *this, *this, *this}; }

 private:
  QPointer<QWidget> dialogParent_;
  QPointer<QLabel> textLine_;
  std::mt19937 engine_{std::random_device{}()};
};

}  // namespace vorelan
