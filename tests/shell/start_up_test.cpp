// The start of the program: the backdrop and the title window with the main
// window hidden; any key or click on the title leads to the first
// introduction window, and the introduction windows lead to each other and
// to the main window.
#include <QLabel>
#include <QTimer>

#include "shell/backform.h"
#include "shell/intro0.h"
#include "shell/intro1.h"
#include "shell/shell_session.h"
#include "shell/titlform.h"

namespace vorelan {
namespace {

using testing::ShellSession;

int visibleTitleForms(const titlform& title) {
  int visible = 0;
  for (const QLabel* form : title.Label1) visible += form->isVisible() ? 1 : 0;
  return visible;
}

}  // namespace

class StartUpTest : public QObject {
  Q_OBJECT

 private slots:
  void theStartShowsTheBackdropAndTheTitleWithTheMainWindowHidden() {
    ShellSession s;
    s.form.show();  // as a window manager might; the start hides it again
    s.form.startUp();
    backform* backdrop = s.windows().backdrop();
    titlform* title = s.windows().title();
    QVERIFY(backdrop->isVisible());
    QVERIFY(backdrop->windowState() & Qt::WindowMaximized);
    QCOMPARE(backdrop->palette().color(QPalette::Window), QColor(0, 0, 0x40));
    QVERIFY(title->isVisible());
    QCOMPARE(title->windowTitle(), QString("Titleform"));
    QVERIFY(!s.form.isVisible());
    // Before the first tick only the prompt shows.
    QCOMPARE(visibleTitleForms(*title), 0);
    QCOMPARE(title->Label2->text(), QString("Press any key or click mouse to start."));
    QVERIFY(title->Label2->isVisible());
    QCOMPARE(title->Timer1->interval(), 300);
    QVERIFY(title->Timer1->isActive());
    QVERIFY(s.form.Timer1->isActive());
  }

  void theTitleAnimatesOneFormAtATime() {
    ShellSession s;
    s.form.startUp();
    titlform* title = s.windows().title();
    QTRY_VERIFY_WITH_TIMEOUT(title->Label1[1]->isVisible(), 2000);
    QCOMPARE(visibleTitleForms(*title), 1);
    QTRY_VERIFY_WITH_TIMEOUT(title->Label1[2]->isVisible(), 2000);
    QCOMPARE(visibleTitleForms(*title), 1);
  }

  void anyKeyOrClickOnTheTitleOpensTheFirstIntroduction_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("a key") << "key";
    QTest::newRow("a click on the window") << "window";
    QTest::newRow("a click on the prompt") << "prompt";
    QTest::newRow("a click on a caption") << "caption";
    QTest::newRow("a double click") << "double";
    QTest::newRow("its close box") << "close";
  }
  void anyKeyOrClickOnTheTitleOpensTheFirstIntroduction() {
    QFETCH(QString, how);
    ShellSession s;
    s.form.startUp();
    titlform* title = s.windows().title();
    QVERIFY(QTest::qWaitForWindowExposed(title));
    if (how == "key") QTest::keyClick(title, Qt::Key_Q);
    if (how == "window") QTest::mouseClick(title, Qt::LeftButton, {}, QPoint(5, 5));
    if (how == "prompt") QTest::mousePress(title, Qt::LeftButton, {}, title->Label2->geometry().center());
    if (how == "caption") QTest::mouseClick(title, Qt::LeftButton, {}, title->Label1[7]->geometry().center());
    if (how == "double") QTest::mouseDClick(title, Qt::LeftButton, {}, QPoint(5, 5));
    if (how == "close") title->close();
    QVERIFY(!title->isVisible());
    auto* intro = s.loaded<Intro1>(ShellWindowKind::Intro1);
    QVERIFY(intro);
    QVERIFY(intro->isVisible());
    QCOMPARE(intro->windowTitle(), QString("Introduction I"));
    QVERIFY(!s.form.isVisible());
    // The title window stays loaded, its timer running, and never shows again.
    QVERIFY(title->Timer1->isActive());
  }

  void theIntroductionsLeadToEachOtherAndToTheMainWindow() {
    ShellSession s;
    s.form.startUp();
    QTest::keyClick(s.windows().title(), Qt::Key_Space);
    auto* intro1 = s.loaded<Intro1>(ShellWindowKind::Intro1);
    QCOMPARE(intro1->Command1->text(), QString("Go to Mainform"));
    QCOMPARE(intro1->Command2->text(), QString("More"));
    for (int round = 0; round < 3; ++round) {
      ShellSession::click(intro1->Command2);
      auto* intro0 = s.loaded<Intro0>(ShellWindowKind::Intro0);
      QVERIFY(intro0 && intro0->isVisible());
      QVERIFY(!intro1->isVisible());
      QCOMPARE(intro0->windowTitle(), QString("Introduction"));
      QCOMPARE(intro0->Command2->text(), QString("More introduction"));
      ShellSession::click(intro0->Command2);
      QVERIFY(intro1->isVisible());
      QVERIFY(!intro0->isVisible());
      QVERIFY(!s.form.isVisible());
    }
    ShellSession::click(intro1->Command1);
    QVERIFY(s.form.isVisible());
    QVERIFY(!intro1->isVisible());

    // From the second introduction too.
    ShellSession::click(s.form.Label12);
    auto* intro0 = s.loaded<Intro0>(ShellWindowKind::Intro0);
    QVERIFY(intro0->isVisible());
    QCOMPARE(intro0->Command1->text(), QString("Go to mainform"));
    ShellSession::click(intro0->Command1);
    QVERIFY(s.form.isVisible());
  }

  void theGreetingFollowsTheInjectedClock_data() {
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("greeting");
    QTest::newRow("04:59") << QTime(4, 59) << "Gute Nacht!";
    QTest::newRow("05:00") << QTime(5, 0) << "Buenos dias!";
    QTest::newRow("08:00") << QTime(8, 0) << "Buenas tardes!";
    QTest::newRow("17:00") << QTime(17, 0) << "Buenas noches!";
    QTest::newRow("21:00") << QTime(21, 0) << "Gute Nacht!";
  }
  void theGreetingFollowsTheInjectedClock() {
    QFETCH(QTime, time);
    QFETCH(QString, greeting);
    ShellSession s;
    const QDateTime now(QDate(2026, 3, 15), time);
    s.form.setClock([now] { return now; });
    QCOMPARE(s.form.Label13->text(), QString("How do you do?"));
    // The first tick is phase 1, the first row of the table.
    QTRY_COMPARE_WITH_TIMEOUT(s.form.Label13->text(), greeting, 2000);
    QCOMPARE(s.form.Label6->text(), QLocale().toString(now.date(), QLocale::ShortFormat));
  }
};

}  // namespace vorelan

QTEST_MAIN(vorelan::StartUpTest)
#include "start_up_test.moc"
