// The random numbers and the line of text of the running program.
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "ui/qt_platform.h"

namespace vorelan {

class QtPlatformTest : public QObject {
  Q_OBJECT

 private slots:
  void drawsLieInZeroToOneAndRepeatForOneSeed() {
    QtPlatform a, b;
    a.seed(37);
    b.seed(37);
    for (int i = 0; i < 10000; ++i) {
      const float x = a.next();
      QVERIFY(x >= 0.0f && x < 1.0f);
      QCOMPARE(b.next(), x);
    }
    a.seed(38);
    b.seed(37);
    QVERIFY(a.next() != b.next());
  }

  void writesTheLineOnItsLabel() {
    QtPlatform ui;
    ui.writeLine("nowhere yet");  // no label: nothing happens
    QLabel label;
    ui.setTextLine(&label);
    ui.writeLine("Bootstrap 10 of 100");
    QCOMPARE(label.text(), QString("Bootstrap 10 of 100"));
  }

  // The dialog opens in the folder asked for, under the title asked for,
  // with the first filter chosen and the others to choose from.
  void theFileDialogShowsWhatIsAskedFor() {
    QTemporaryDir folder;
    QtPlatform ui;
    QString title, directory, chosenFilter;
    QStringList filters;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      title = dialog->windowTitle();
      directory = dialog->directory().absolutePath();
      filters = dialog->nameFilters();
      chosenFilter = dialog->selectedNameFilter();
      dialog->reject();
    });
    const std::string chosen = ui.openFile(
        {"Open the samples file", folder.path().toStdString(), {"Text files (*.txt)", "All files (*)"}});
    QVERIFY(chosen.empty());  // rejected: as a Cancel
    QCOMPARE(title, QString("Open the samples file"));
    QCOMPARE(directory, QDir(folder.path()).absolutePath());
    QCOMPARE(filters, QStringList({"Text files (*.txt)", "All files (*)"}));
    QCOMPARE(chosenFilter, QString("Text files (*.txt)"));
  }
};

}  // namespace vorelan

QTEST_MAIN(vorelan::QtPlatformTest)
#include "qt_platform_test.moc"
