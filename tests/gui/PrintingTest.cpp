// What leaves the program on paper or in a file, with Qt Test on the offscreen platform: the
// report printed into a PDF and its preview, and the diagram pages. The PDFs are read back with
// pdftotext and pdffonts (poppler-utils).
#include <QPrintPreviewWidget>
#include <QPrinter>

#include "gui/WindowDriver.h"
#include "reports/PrintCommand.h"
#include "reports/qt/PrintOptionsDialog.h"
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

// How many pixels of the image show the colour: exactly, or (`near`) with every channel on the
// same side of the middle as the colour's, so smoothed edges count too.
int PixelsOf(const QImage& image, Rgb rgb, bool near = false) {
  auto same = [near](int channel, int wanted) {
    return near ? (wanted ? channel > 155 : channel < 100) : channel == wanted;
  };
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      count += same(qRed(p), rgb.Red) && same(qGreen(p), rgb.Green) && same(qBlue(p), rgb.Blue);
    }
  return count;
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

  // Diagram pages print in dark ink on white, as Save Picture writes them, and a picture printed
  // first takes the first page instead of leaving it blank; no page of the PDF is empty.
  void diagramPagesPrintDarkOnWhiteFromTheFirstPage() {
    Session s("portal-frame");
    const std::vector<std::unique_ptr<PagePicture>> pictures = s.window.DiagramPictures();
    QVERIFY(!pictures.empty());
    QImage image(1600, 1600, QImage::Format_RGB32);
    QPainter painter(&image);
    dynamic_cast<const QtPagePicture&>(*pictures[0]).Paint(painter, QRectF(0, 0, 1600, 1600));
    painter.end();
    const Rgb screen = PaletteRgb(kLightCyan);
    QCOMPARE(image.pixel(0, 0), qRgb(255, 255, 255));
    QVERIFY(PixelsOf(image, PaletteRgb(kLightCyan, Background::White)) > 0);
    QCOMPARE(PixelsOf(image, screen) +
                 PixelsOf(image, {255 - screen.Red, 255 - screen.Green, 255 - screen.Blue}),
             0);

    PrintOptions options(s.window.Commands().Results());
    options.Choose(ReportSection::Diagrams, true);
    options.Choose(ReportSection::InputData, false);
    options.Choose(ReportSection::Results, false);
    QTemporaryDir folder;
    std::vector<const PagePicture*> pages;
    for (const auto& picture : pictures) pages.push_back(picture.get());
    QtReportPrinter report(PdfPrinter(folder.filePath("diagrams.pdf")));
    PrintReport(s.model, s.window.Commands().Results(), report, s.messages, options, nullptr,
                pages);
    const QStringList text = PdfText(folder.filePath("diagrams.pdf")).split('\f');
    QCOMPARE(text.size() - 1, report.PagesPrinted());
    QVERIFY2(text[0].contains(QString::fromStdString(pictures[0]->Caption())), qPrintable(text[0]));
    for (int p = 0; p < report.PagesPrinted(); ++p) QVERIFY(!text[p].trimmed().isEmpty());
  }
};

QTEST_MAIN(PrintingTest)
#include "PrintingTest.moc"
