#pragma once
// The title window, the first the user sees: eight forms of the program's
// title light up one after another above the prompt; any key or click leads
// on to the first introduction window.
#include <QWidget>
#include <array>
#include <functional>

#include "guidance/title_animation.h"

class QLabel;
class QTimer;

namespace vorelan {

class titlform : public QWidget {
 public:
  // `leave` opens the first introduction window once this one is hidden.
  explicit titlform(std::function<void()> leave);

  std::array<QLabel*, TitleForms> Label1;  // the eight forms of the title
  QLabel* Label2;                           // the prompt
  QTimer* Timer1;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  // Closing it leads on as a click does, so the user never stays with the
  // backdrop alone.
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildControls();
  void Form_Load();
  void Timer1_Timer();
  void LeaveTitle();

  std::function<void()> leave_;
  TitleAnimation animation_;
};

}  // namespace vorelan
