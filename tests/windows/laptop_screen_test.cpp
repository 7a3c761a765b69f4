// The windows on a laptop's screen (1366 by 768): each opens within the
// room a title bar and a panel leave (1366 by 690), yet large enough that
// nothing it shows is out of sight at first, and every control has a name a
// screen reader can say.
#include <QAbstractItemView>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "basic_run_session.h"
#include "figures/chart_control.h"
#include "shell/every_window.h"
#include "ui/controls.h"
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

constexpr QSize Room(1366, 690);

// A control's own name: what it is given, or the caption of a button. (Qt
// would otherwise name it after a label or a frame near it.)
QString ownName(const QWidget& w) {
  if (!w.accessibleName().isEmpty()) return w.accessibleName();
  if (const auto* button = qobject_cast<const QAbstractButton*>(&w)) return button->text();
  return {};
}

bool isControl(const QWidget& w) {
  // The parts of a table (its headers, its corner) are named by the table.
  if (qobject_cast<const QScrollBar*>(&w) || qobject_cast<const QTabBar*>(&w) ||
      qobject_cast<const QAbstractItemView*>(w.parentWidget())) {
    return false;
  }
  return qobject_cast<const QAbstractButton*>(&w) || dynamic_cast<const ClickableLabel*>(&w) ||
         qobject_cast<const QLineEdit*>(&w) || qobject_cast<const QPlainTextEdit*>(&w) ||
         (qobject_cast<const QAbstractItemView*>(&w) && !qobject_cast<const QHeaderView*>(&w)) || dynamic_cast<const ChartControl*>(&w) ||
         qobject_cast<const QProgressBar*>(&w);
}

QString describe(const char* window, const QWidget& w) {
  const auto* label = qobject_cast<const QLabel*>(&w);
  return QString("%1: %2 \"%3\" \"%4\"")
      .arg(window, w.metaObject()->className(), w.toolTip(), label ? label->text().left(30) : QString());
}

}  // namespace

class LaptopScreenTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry().width(), 1366); }

  // Every window opens within the room, its frame on the screen, and can be
  // made as small as the room and larger again.
  void everyWindowFitsTheRoom() {
    testing::EveryWindowSession s;
    s.visitEveryWindow([](const char* name, QWidget& window) {
      QVERIFY2(window.width() <= Room.width() && window.height() <= Room.height(),
               qPrintable(QString("%1 %2x%3").arg(name).arg(window.width()).arg(window.height())));
      const QSize least = window.minimumSizeHint().expandedTo(window.minimumSize());
      QVERIFY2(least.width() <= Room.width() && least.height() <= Room.height(), name);
      QVERIFY2(QGuiApplication::primaryScreen()->geometry().contains(window.frameGeometry()), name);
      // Every button lies inside the window, none under its edge.
      for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        if (!button->isVisibleTo(&window)) continue;
        const QRect inWindow(button->mapTo(&window, QPoint(0, 0)), button->size());
        QVERIFY2(window.rect().contains(inWindow), qPrintable(QString("%1: %2").arg(name, button->text())));
      }
      if (window.maximumSize().width() >= 1366) {
        const QSize opened = window.size();
        window.resize(1366, 740);  // made larger
        QTest::qWait(1);
        QVERIFY2(window.width() == 1366, name);
        window.resize(opened);
      }
    });
  }

  // Every control has a name of its own that says what it does.
  void everyControlHasAName() {
    testing::EveryWindowSession s;
    QStringList unnamed;
    s.visitEveryWindow([&](const char* name, QWidget& window) {
      for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (isControl(*w) && ownName(*w).trimmed().isEmpty()) unnamed << describe(name, *w);
      }
    });
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join("\n")));
  }

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
