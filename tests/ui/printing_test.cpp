// "Print page" and "Print form" print an image of their window; with no
// printer the user is told that nothing was printed.
#include <QPushButton>
#include <QTest>

#include "shell/main_window.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

PrinterSource pdfFile(const std::string& path) {
  return [path] {
    auto printer = std::make_unique<QPrinter>();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(path));
    return printer;
  };
}

bool isNonEmptyPdf(const std::string& path) {
  const std::string content = testing::readFile(path);
  // A PDF holding the window's picture.
  return content.starts_with("%PDF") && content.find("/Subtype /Image") != std::string::npos;
}

struct Session {
  testing::TempDir dir;
  AnalysisState state;
  testing::ScriptedPlatform script;
  Platform platform = script.platform();
};

}  // namespace

class PrintingTest : public QObject {
  Q_OBJECT

 private slots:
  void printPageWritesTheMainWindowToThePrinter() {
    Session s;
    const std::string pdf = (s.dir.path() / "page.pdf").string();
    Form1 form(s.state, s.platform, pdfFile(pdf));
    form.show();
    QTest::mouseClick(form.Command11, Qt::LeftButton);
    QVERIFY(isNonEmptyPdf(pdf));
    QVERIFY(s.script.messages().empty());
  }

  void printFormWritesTheLargeChartToThePrinter() {
    Session s;
    const std::string pdf = (s.dir.path() / "large.pdf").string();
    Form1 form(s.state, s.platform, pdfFile(pdf));
    form.show();
    form.Command4->setEnabled(true);  // as a Basic Run leaves it
    QTest::mouseClick(form.Command4, Qt::LeftButton);
    QVERIFY(form.largeChartWindow());
    QTest::mouseClick(form.largeChartWindow()->Command1, Qt::LeftButton);
    QVERIFY(isNonEmptyPdf(pdf));
    QVERIFY(s.script.messages().empty());
  }

  void withoutAPrinterTheUserIsToldNothingWasPrinted() {
    Session s;
    Form1 form(s.state, s.platform, [] { return std::unique_ptr<QPrinter>(); });
    form.show();
    QTest::mouseClick(form.Command11, Qt::LeftButton);
    QCOMPARE(s.script.messages().size(), std::size_t(1));
    QVERIFY(s.script.messages().at(0).text.find("nothing was printed") != std::string::npos);
    QCOMPARE(s.script.endProgramCalls, 0);
  }

  void aPrinterThatRefusesThePageIsToldToo() {
    Session s;
    // A PDF file in a folder that does not exist cannot be started.
    const std::string pdf = (s.dir.path() / "missing" / "page.pdf").string();
    Form1 form(s.state, s.platform, pdfFile(pdf));
    form.show();
    QTest::mouseClick(form.Command11, Qt::LeftButton);
    QCOMPARE(s.script.messages().size(), std::size_t(1));
    QVERIFY(s.script.messages().at(0).text.find("nothing was printed") != std::string::npos);
  }
};

}  // namespace vorelan

QTEST_MAIN(vorelan::PrintingTest)
#include "printing_test.moc"
