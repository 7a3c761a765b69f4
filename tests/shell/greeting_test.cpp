// The greeting changes with the hour and cycles through its languages, then
// gives way to the farewell.
#include <QTest>

#include "shell/greeting.h"

namespace vorelan {

class GreetingTest : public QObject {
  Q_OBJECT

 private slots:
  void greetingByPhaseAndHour_data() {
    QTest::addColumn<int>("phase");
    QTest::addColumn<int>("hour");
    QTest::addColumn<QString>("greeting");
    QTest::newRow("04:59 is night") << 1 << 4 << "Gute Nacht!";
    QTest::newRow("05:00 is morning") << 1 << 5 << "Buenos dias!";
    QTest::newRow("07:59 is morning") << 9 << 7 << "Buenos dias!";
    QTest::newRow("08:00 is day") << 1 << 8 << "Buenas tardes!";
    QTest::newRow("17:00 is evening") << 1 << 17 << "Buenas noches!";
    QTest::newRow("21:00 is night") << 1 << 21 << "Gute Nacht!";
    QTest::newRow("phase 0 is the first row") << 0 << 10 << "Buenas tardes!";
    QTest::newRow("second row") << 10 << 6 << "Guten Morgen!";
    QTest::newRow("third row") << 25 << 12 << "Good afternoon!";
    QTest::newRow("fourth row evening") << 39 << 18 << "Hi......!";
    QTest::newRow("fourth row night") << 30 << 23 << "Go bed!";
    QTest::newRow("fifth row") << 40 << 6 << "Wie geht's?";
    QTest::newRow("sixth row") << 59 << 6 << "Como esta Vd.?";
  }
  void greetingByPhaseAndHour() {
    QFETCH(int, phase);
    QFETCH(int, hour);
    QFETCH(QString, greeting);
    QCOMPARE(QString::fromStdString(greetingFor(phase, hour)), greeting);
  }

  void ticksCycleAndEndInTheFarewell() {
    int ticks = 0, phase = 0;
    QCOMPARE(nextGreeting(ticks, phase, 10), std::string("Buenas tardes!"));
    QCOMPARE(phase, 1);
    for (int i = 2; i <= 60; ++i) nextGreeting(ticks, phase, 10);
    // The 60th tick wraps to phase 0, still the first row.
    QCOMPARE(phase, 0);
    QCOMPARE(greetingFor(phase, 10), std::string("Buenas tardes!"));
    while (ticks < 2000) nextGreeting(ticks, phase, 10);
    QVERIFY(nextGreeting(ticks, phase, 10) != Farewell);  // tick 2001 still greets
    QCOMPARE(ticks, 2001);
    QCOMPARE(nextGreeting(ticks, phase, 10), std::string(Farewell));
    QCOMPARE(nextGreeting(ticks, phase, 10), std::string(Farewell));
  }
};

}  // namespace vorelan

QTEST_MAIN(vorelan::GreetingTest)
#include "greeting_test.moc"
