// The random numbers and the line of text of the running program.
#include <QLabel>
#include <QTest>

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
};

}  // namespace vorelan

QTEST_MAIN(vorelan::QtPlatformTest)
#include "qt_platform_test.moc"
