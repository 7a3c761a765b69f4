// The program starts with its title window.
#include <QProcess>
#include <QTest>

#include "shell/program.h"
#include "shell/backform.h"
#include "shell/titlform.h"

namespace vorelan {

class ProgramStartTest : public QObject {
  Q_OBJECT

 private slots:
  void theProgramShowsTheTitleWithTheMainWindowHidden() {
    Program program;
    program.start();
    Form1& main = program.mainWindow();
    titlform* title = main.shellWindows().title();
    QVERIFY(QTest::qWaitForWindowExposed(title));
    QVERIFY(main.shellWindows().backdrop()->isVisible());
    QVERIFY(!main.isVisible());
    QVERIFY(main.windowTitle().startsWith("Vorelan"));
    QVERIFY(main.cmdOpenDataFile->isEnabled());
  }

  void theProgramRunsUntilItIsEnded() {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.start(VORELAN_PROGRAM, QStringList());
    QVERIFY(process.waitForStarted(10000));
    // Still running after a while: it started and waits for the user.
    QVERIFY(!process.waitForFinished(2000));
    QCOMPARE(process.state(), QProcess::Running);
    process.kill();
    QVERIFY(process.waitForFinished(10000));
  }
};

}  // namespace vorelan

QTEST_MAIN(vorelan::ProgramStartTest)
#include "program_start_test.moc"
