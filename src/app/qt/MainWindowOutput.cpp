// What the main window writes outside itself: the picture as a file, and the report on a printer,
// in a PDF file or in the print preview.
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "app/ShownViews.h"
#include "app/qt/MainWindow.h"
#include "graphics/qt/PictureBox.h"
#include "reports/qt/PrintOptionsDialog.h"
#include "reports/qt/QtReportPrinter.h"
#include "reports/qt/ReportPreview.h"

namespace stavelorn {

namespace {

// The file a save dialog suggests: the project's own name with `extension` beside the project
// file, or `fallback` before the project has a file.
std::string Suggestion(const ModelStore& model, const char* fallback, const char* extension) {
  if (model.ProjectFile.empty()) return std::string(fallback) + "." + extension;
  QFileInfo project(QString::fromStdString(model.ProjectFile));
  return (project.absolutePath() + "/" + project.completeBaseName() + "." + extension)
      .toStdString();
}

// A diagram page on paper: the picture as the window paints it, in black on white.
class PrintedDiagram : public QtPagePicture {
 public:
  explicit PrintedDiagram(DiagramPage page) : page_(std::move(page)) {}
  std::string Caption() const override { return page_.Caption; }
  void Paint(QPainter& painter, const QRectF& area) const override {
    // Rendered in the paper palette, as Save Picture writes it: dark ink on white, each colour
    // a darker shade of the screen's. An image of fixed size keeps the labels' size in
    // proportion to the picture whatever the printer's resolution.
    const int pixels = 1600;
    QImage image(pixels, pixels, QImage::Format_RGB32);
    QPainter onImage(&image);
    PaintStrokes(onImage, page_.Picture, QSizeF(pixels, pixels), page_.Picture.ScaleRect(), {},
                 Background::White);
    onImage.end();
    painter.drawImage(area, image);
  }

 private:
  DiagramPage page_;
};

}  // namespace

std::vector<std::unique_ptr<PagePicture>> MainWindow::DiagramPictures() {
  std::vector<std::unique_ptr<PagePicture>> pictures;
  for (DiagramPage& page : ShownDiagramPages(commands_.Session()))
    pictures.push_back(PrintablePicture(std::move(page)));
  return pictures;
}

std::unique_ptr<PagePicture> MainWindow::PrintablePicture(DiagramPage page) {
  return std::make_unique<PrintedDiagram>(std::move(page));
}

void MainWindow::SavePicture() {
  std::string path = dialogs_.SaveFile(
      {"Save Picture", "Pictures", "*.png *.svg", "png", Suggestion(model_, "structure", "png")});
  if (path.empty()) return;
  if (!canvas_->SavePicture(QString::fromStdString(path)))
    messages_.ReportError("Picture Save Error", RunError{kErrFileAccess, path});
}

bool MainWindow::ChoosePrintOptions(PrintOptions& options) {
  PrintOptionsDialog dialog(options, this);
  return dialog.exec() == QDialog::Accepted;
}

void MainWindow::ShowPrintPreview(const PrintOptions& options,
                                  const std::vector<const PagePicture*>& pictures,
                                  const PrintedInfluence* influence) {
  ReportPreview preview(model_, commands_.Results(), options, messages_, this, commands_.Trail(),
                        pictures, influence);
  preview.Dialog().resize(size());
  preview.Dialog().exec();
}

std::unique_ptr<ReportPrinter> MainWindow::OpenPrinter() {
  std::unique_ptr<QPrinter> printer = NewReportQPrinter();
  if (QPrinterInfo::availablePrinterNames().isEmpty()) {
    // No printer on this system: the same pages go to a PDF file the user names.
    std::string path = dialogs_.SaveFile(
        {"Print to PDF File", "PDF Files", "*.pdf", "pdf", Suggestion(model_, "report", "pdf")});
    if (path.empty()) return nullptr;
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(path));
  } else {
    printer->setPrinterName(QPrinterInfo::defaultPrinterName());
  }
  return std::make_unique<QtReportPrinter>(std::move(printer));
}

}  // namespace stavelorn
