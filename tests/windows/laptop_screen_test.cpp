// The result windows on a laptop's screen (1366 by 768): each opens large
// enough that nothing it shows is out of sight at first.
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "basic_run_session.h"
#include "windows/ResultFm.h"
#include "windows/doneform.h"

namespace vorelan {
namespace {

struct Session : testing::BasicRunSession {
  void open(QWidget& window) {
    BasicRunSession::open(window);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
  }
};

}  // namespace

class LaptopScreenTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry().width(), 1366); }

  // The window opens on its last tab; all ten tabs stand in the bar, none
  // scrolled out to the left.
  void resultTablesShowEveryTab() {
    Session s;
    ResultFm window(s.switcher, s.state, s.platform, nullptr);
    s.open(window);
    const QTabBar* bar = window.SSTab1->tabBar();
    QCOMPARE(bar->count(), 10);
    QCOMPARE(bar->currentIndex(), 9);
    for (int k = 0; k < bar->count(); ++k) {
      QVERIFY2(bar->rect().contains(bar->tabRect(k)), qPrintable(bar->tabText(k)));
    }
    QVERIFY(window.width() <= 1366);
  }

  // Every name of the output files window is seen without scrolling.
  void outputFilesShowEveryNameWithoutScrolling() {
    Session s;
    doneform window(s.switcher, s.state, s.platform, nullptr, nullptr);
    s.open(window);
    QCOMPARE(window.Text1.size(), std::size_t(6));
    const QScrollArea* scroll = window.findChild<QScrollArea*>();
    QVERIFY(scroll);
    QVERIFY(!scroll->horizontalScrollBar()->isVisible());
    QVERIFY(!scroll->verticalScrollBar()->isVisible());
    for (const QLineEdit* box : window.Text1) QVERIFY(box->width() > box->fontMetrics().horizontalAdvance(box->text()));
  }
};

}  // namespace vorelan

QTEST_MAIN(vorelan::LaptopScreenTest)
#include "laptop_screen_test.moc"
