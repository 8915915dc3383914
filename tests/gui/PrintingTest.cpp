// What leaves the program on paper or in a file, with Qt Test on the offscreen platform: the
// report printed into a PDF and its preview (what the pages hold is the reports' tests'
// business). The PDFs are read back with pdftotext and pdffonts (poppler-utils).
#include <QPrintPreviewWidget>
#include <QPrinter>

#include "gui/WindowDriver.h"
#include "reports/PrintCommand.h"
#include "reports/qt/QtReportPrinter.h"
#include "reports/qt/ReportPreview.h"

using namespace stavelorn;
using namespace stavelorn::testing;

namespace {

// The standard output of the program, or "" when it failed.
QString Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return QString();
  return QString::fromUtf8(process.readAllStandardOutput());
}
QString PdfText(const QString& file) {
  return Run("pdftotext", {"-layout", file, "-"});
}

std::unique_ptr<QPrinter> PdfPrinter(const QString& file) {
  std::unique_ptr<QPrinter> printer = NewReportQPrinter();
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(file);
  return printer;
}

}  // namespace

class PrintingTest : public QObject {
  Q_OBJECT

 private slots:
  // Print makes a PDF in the fixed pitch, a report longer than a page broken onto further pages;
  // the preview shows and prints the same pages. A document given up half-way leaves no file.
  void printMakesAPdfOfSeveralPages() {
    Session s("portal-frame");
    PrintOptions options(s.window.Commands().Results());
    options.Choose(ReportSection::MethodTrail, true);
    QTemporaryDir folder;
    const QString printed = folder.filePath("printed.pdf");
    QtReportPrinter report(PdfPrinter(printed));
    QCOMPARE(int(PrintReport(s.model, s.window.Commands().Results(), report, s.messages, options,
                             s.window.Commands().Trail())),
             int(PrintOutcome::Printed));
    QVERIFY(report.PagesPrinted() >= 2);
    const QString text = PdfText(printed);
    QVERIFY2(text.contains("[S] structure stiffness matrix"), "pdftotext could not read the PDF");
    QCOMPARE(text.count(QChar('\f')), report.PagesPrinted());
    QVERIFY(Run("pdffonts", {printed}).contains(QRegularExpression("Mono|Courier")));

    ReportPreview preview(s.model, s.window.Commands().Results(), options, s.messages, nullptr,
                          s.window.Commands().Trail());
    preview.Dialog().show();
    auto* pages = preview.Dialog().findChild<QPrintPreviewWidget*>();
    pages->updatePreview();
    QCOMPARE(pages->pageCount(), report.PagesPrinted());
    preview.Printer().setOutputFormat(QPrinter::PdfFormat);
    preview.Printer().setOutputFileName(folder.filePath("preview.pdf"));
    pages->print();
    QCOMPARE(PdfText(folder.filePath("preview.pdf")), text);

    QtReportPrinter abandoned(PdfPrinter(folder.filePath("abandoned.pdf")));
    abandoned.PrintLine("a line");
    abandoned.AbandonDocument();
    QVERIFY(!QFile::exists(folder.filePath("abandoned.pdf")));
  }
};

QTEST_MAIN(PrintingTest)
#include "PrintingTest.moc"
