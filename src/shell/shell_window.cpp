#include "shell/shell_window.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>

namespace vorelan {

ShellWindow::ShellWindow(ShellContext& context, const char* caption)
    : SecondaryWindow(context.switcher), context_(context) {
  setWindowTitle(caption);
}

QPushButton* ShellWindow::makeButton(const char* caption, const char* tooltip) {
  auto* button = new QPushButton(caption, this);
  if (tooltip) button->setToolTip(tooltip);
  button->setCursor(Qt::PointingHandCursor);
  button->setMinimumWidth(150);
  return button;
}

QPlainTextEdit* ShellWindow::readOnlyText(const char* name, const std::string& text, int pointSize) {
  auto* box = new QPlainTextEdit(QString::fromStdString(text), this);
  box->setAccessibleName(name);
  box->setReadOnly(true);
  QFont font = box->font();
  font.setPointSize(pointSize);
  box->setFont(font);
  return box;
}

QLabel* ShellWindow::wrappedLabel(const std::string& text) {
  auto* label = new QLabel(QString::fromStdString(text), this);
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

void ShellWindow::addButtonRow(QBoxLayout& layout, std::initializer_list<QPushButton*> buttons) {
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  for (QPushButton* button : buttons) row->addWidget(button);
  row->addStretch(1);
  layout.addLayout(row);
}

void ShellWindow::printThisWindow() { printWindowImage(*this, context_.printer, context_.platform); }

}  // namespace vorelan
