#include "ui/qt_platform.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <bit>

namespace vorelan {

std::optional<std::string> QtPlatform::ask(const std::string& prompt, const std::string& title,
                                           const std::string& defaultAnswer) {
  bool accepted = false;
  const QString answer =
      QInputDialog::getText(dialogParent_, QString::fromStdString(title), QString::fromStdString(prompt),
                            QLineEdit::Normal, QString::fromStdString(defaultAnswer), &accepted);
  if (!accepted) return std::nullopt;
  return answer.toStdString();
}

MessageAnswer QtPlatform::show(const std::string& text, const std::string& title, MessageButtons buttons) {
  const QString qTitle = QString::fromStdString(title);
  const QString qText = QString::fromStdString(text);
  if (buttons == MessageButtons::YesNo) {
    const auto answer = QMessageBox::question(dialogParent_, qTitle, qText, QMessageBox::Yes | QMessageBox::No);
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
  }
  QMessageBox::information(dialogParent_, qTitle, qText, QMessageBox::Ok);
  return MessageAnswer::Ok;
}

std::string QtPlatform::openFile(const FileRequest& request) {
  QStringList filters;
  for (const std::string& filter : request.filters) filters << QString::fromStdString(filter);
  return QFileDialog::getOpenFileName(dialogParent_, QString::fromStdString(request.title),
                                      QString::fromStdString(request.startFolder), filters.join(";;"))
      .toStdString();
}

void QtPlatform::writeLine(const std::string& text) {
  if (!textLine_) return;
  textLine_->setText(QString::fromStdString(text));
  // A long run holds the event loop: paint the line now.
  textLine_->repaint();
}

void QtPlatform::endProgram() { QCoreApplication::exit(0); }

void QtPlatform::seed(double seedValue) {
  engine_.seed(static_cast<std::uint32_t>(std::bit_cast<std::uint64_t>(seedValue) ^
                                          (std::bit_cast<std::uint64_t>(seedValue) >> 32)));
}

float QtPlatform::next() {
  // 24 random bits: every draw is an exact single-precision value below 1.
  return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f);
}

}  // namespace vorelan
