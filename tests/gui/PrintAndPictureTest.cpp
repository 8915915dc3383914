// What leaves the program as a file: the report printed through the Qt printer into a PDF (the
// same pages from Print and from the preview, the method trail after the results, the
// fixed-pitch font), the "Print Options" dialog, and the drawing painted by the picture box
// and saved by Save Picture.
#include <QCheckBox>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "analysis/AnalysisRun.h"
#include "app/qt/MainWindow.h"
#include "graphics/Drawing.h"
#include "graphics/qt/PictureBox.h"
#include "reports/PrintCommand.h"
#include "reports/qt/PrintOptionsDialog.h"
#include "reports/qt/QtReportPrinter.h"
#include "reports/qt/ReportPreview.h"
#include "support/SampleModels.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"

using namespace stavelorn;

namespace {

QString Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return QString();
  return QString::fromUtf8(process.readAllStandardOutput());
}

std::unique_ptr<QPrinter> PdfPrinter(const QString& file) {
  std::unique_ptr<QPrinter> printer = NewReportQPrinter();
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(file);
  return printer;
}

ModelStore Example(const char* name) {
  std::string problem;
  ModelStore model = testing::ExampleModel(name, problem);
  if (!problem.empty()) model.JointCount = 0;
  return model;
}

// How many pixels of the image show the given palette colour, smoothed edges included.
int PixelsOf(const QImage& image, int colour) {
  const Rgb rgb = PaletteRgb(colour);
  auto near = [](int channel, int wanted) { return wanted ? channel > 155 : channel < 100; };
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      count += near(qRed(p), rgb.Red) && near(qGreen(p), rgb.Green) && near(qBlue(p), rgb.Blue);
    }
  return count;
}

}  // namespace

class PrintAndPictureTest : public QObject {
  Q_OBJECT

 private slots:
  // A report longer than a page breaks onto further pages; the preview shows and prints the
  // pages Print makes.
  void printAndThePreviewMakeTheSamePdfPages() {
    ModelStore model = Example("space-truss-tower");
    QVERIFY(CheckAndAnalyze(model).Trail);
    QTemporaryDir folder;
    ScriptedMessages messages;
    const QString printed = folder.filePath("printed.pdf");
    QtReportPrinter report(PdfPrinter(printed));
    QCOMPARE(int(PrintReport(model, report, messages)), int(PrintOutcome::Printed));
    QVERIFY(report.PagesPrinted() >= 2);
    const QString text = Run("pdftotext", {"-layout", printed, "-"});
    QVERIFY2(!text.isEmpty(), "pdftotext (poppler-utils) could not read the PDF");
    for (const char* line : {"End of Input Data", "End of Analysis", "JOINT DISPLACEMENTS"})
      QVERIFY2(text.contains(line, Qt::CaseInsensitive), line);
    QCOMPARE(text.count(QChar('\f')), report.PagesPrinted());
    const QString fonts = Run("pdffonts", {printed});
    QVERIFY2(fonts.contains("Mono") || fonts.contains("Courier"), qPrintable(fonts));

    ReportPreview preview(model, PrintOptions(model), messages);
    preview.Dialog().show();
    auto* pages = preview.Dialog().findChild<QPrintPreviewWidget*>();
    pages->updatePreview();
    QCOMPARE(pages->pageCount(), report.PagesPrinted());
    preview.Printer().setOutputFormat(QPrinter::PdfFormat);
    preview.Printer().setOutputFileName(folder.filePath("preview.pdf"));
    pages->print();
    QCOMPARE(Run("pdftotext", {"-layout", folder.filePath("preview.pdf"), "-"}), text);
    QVERIFY(messages.Log().empty());
  }

  // The method trail follows the results in the same pitch.
  void theTrailFollowsTheResults() {
    ModelStore model = Example("portal-frame");
    AnalysisRun run = CheckAndAnalyze(model);
    QVERIFY(run.Trail);
    QTemporaryDir folder;
    QtReportPrinter report(PdfPrinter(folder.filePath("trail.pdf")));
    ScriptedMessages messages;
    PrintOptions options(model);
    options.Choose(ReportSection::MethodTrail, true);
    QCOMPARE(int(PrintReport(model, report, messages, options, run.Trail.get())),
             int(PrintOutcome::Printed));
    const QString text = Run("pdftotext", {"-layout", folder.filePath("trail.pdf"), "-"});
    const int end = text.indexOf("End of Analysis"), trail = text.indexOf("Step by Step");
    QVERIFY(end > 0 && trail > end);
    QVERIFY(text.contains("[S] structure stiffness matrix"));
  }

  void anAbandonedDocumentLeavesNoFile() {
    QTemporaryDir folder;
    QtReportPrinter report(PdfPrinter(folder.filePath("abandoned.pdf")));
    report.PrintLine("a line");
    report.AbandonDocument();
    QVERIFY(!QFile::exists(folder.filePath("abandoned.pdf")));
  }

  // The options offer the results and the method trail only once an analysis has completed.
  void theOptionsDialogOffersWhatTheModelHas() {
    for (bool hasResults : {false, true}) {
      ModelStore model;
      model.Reset();
      model.AnalysisStatus = hasResults ? kAnalysisComplete : kNoResults;
      PrintOptions options(model);
      PrintOptionsDialog dialog(options);
      QCOMPARE(dialog.windowTitle(), QString("Print Options"));
      QCOMPARE(dialog.Box(ReportSection::Results)->isEnabled(), hasResults);
      QCheckBox* trail = dialog.Box(ReportSection::MethodTrail);
      QCOMPARE(trail->isEnabled(), hasResults);
      trail->setChecked(true);
      QCOMPARE(options.Chosen(ReportSection::MethodTrail), hasResults);
      QVERIFY(dialog.Box(ReportSection::InputData)->isChecked());
      dialog.Box(ReportSection::InputData)->click();
      QVERIFY(!options.Chosen(ReportSection::InputData));
      QCOMPARE(dialog.OkButton()->isEnabled(), hasResults);
    }
  }

  void examplesDrawnBeforeAndAfterAnalysis() {
    for (const char* name : {"continuous-beam", "roof-truss", "portal-frame", "space-truss-tower",
                             "grid-floor", "space-frame"}) {
      ModelStore model = Example(name);
      QVERIFY2(model.JointCount > 0, name);
      PictureBox picture;
      picture.resize(600, 600);
      ScriptedMessages messages;
      PlotStructure(model, picture, FormId::mcas, messages);
      const QImage before = picture.Render(QSize(600, 600));
      // Unanalysed supports are red; the structure is cyan.
      QVERIFY2(PixelsOf(before, kLightRed) > 0 && PixelsOf(before, kLightCyan) > 0, name);
      // The previews of the joint-load and member-load editors draw without a complaint.
      for (FormId form : {FormId::JLoadA, FormId::MemLoadA})
        PlotStructure(model, picture, form, messages);
      CheckAndAnalyze(model);
      QCOMPARE(int(model.AnalysisStatus), int(kAnalysisComplete));
      PlotStructure(model, picture, FormId::mcas, messages);
      QVERIFY2(messages.Log().empty(), name);
    }
  }

  // The picture is painted from its strokes at the size the window gives it, and Save Picture
  // writes what the main window draws as SVG or PNG, or says why it could not.
  void thePictureFollowsTheWindowAndIsSaved() {
    ModelStore model;
    ScriptedMessages messages;
    ScriptedFileDialogs dialogs;
    MainWindow window(model, &messages, &dialogs);
    model = Example("portal-frame");
    window.findChild<QPushButton*>("ReDraw")->click();
    PictureBox* canvas = window.Canvas();
    window.resize(1000, 800);
    const QImage shown = canvas->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), canvas->size());
    QVERIFY(PixelsOf(shown, kLightCyan) > 0 && PixelsOf(shown, kLightMagenta) > 0);

    QTemporaryDir folder;
    QAction* save = window.findChild<QAction*>("MnuProjPicture");
    dialogs.Answer(folder.filePath("frame.svg").toStdString());
    save->trigger();
    QFile svg(folder.filePath("frame.svg"));
    QVERIFY(svg.open(QIODevice::ReadOnly) && svg.readAll().contains("<svg"));
    dialogs.Answer(folder.filePath("frame.png").toStdString());
    save->trigger();
    QCOMPARE(QImage(folder.filePath("frame.png")).width(), 800);
    QVERIFY(messages.Log().empty());
    dialogs.Answer(folder.filePath("no/such/folder/frame.png").toStdString());
    save->trigger();
    QCOMPARE(messages.Log().at(0).Title, std::string("Picture Save Error"));

    // With the project closed the model is empty and so is the picture.
    model.Reset();
    window.Redraw();
    QVERIFY(canvas->Strokes().empty());
  }
};

QTEST_MAIN(PrintAndPictureTest)
#include "PrintAndPictureTest.moc"
