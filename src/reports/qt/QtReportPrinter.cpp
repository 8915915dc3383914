#include "reports/qt/QtReportPrinter.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPrinter>
#include <algorithm>

namespace stavelorn {

// Fixed pitch keeps the report's columns; Liberation Mono stands in for Courier New where the
// latter is not installed, with the same widths.
QtReportPrinter::QtReportPrinter(std::unique_ptr<QPrinter> printer) : QtReportPrinter(*printer) {
  owned_ = std::move(printer);
}

QtReportPrinter::QtReportPrinter(QPrinter& printer) : printer_(&printer), font_("Courier New", 10) {
  font_.setStyleHint(QFont::TypeWriter);
  font_.setFixedPitch(true);
}

std::unique_ptr<QPrinter> NewReportQPrinter() {
  return std::make_unique<QPrinter>(QPrinter::HighResolution);
}

QtReportPrinter::~QtReportPrinter() {
  if (painter_.isActive()) painter_.end();
}

void QtReportPrinter::Begin() {
  if (painter_.isActive()) return;
  if (!painter_.begin(printer_)) {
    QString where =
        printer_->outputFileName().isEmpty() ? printer_->printerName() : printer_->outputFileName();
    throw PrinterFailure(
        RunError{kErrPrinter, "Printer error: cannot print on \"" + where.toStdString() + "\""});
  }
  ApplyFont();
  y_ = 0;
  pageInked_ = false;
  pages_ = 1;
}

void QtReportPrinter::ApplyFont() {
  if (painter_.isActive()) painter_.setFont(QFont(font_, printer_));
}

double QtReportPrinter::PageHeight() const {
  return printer_->pageLayout().paintRectPixels(printer_->resolution()).height();
}

void QtReportPrinter::PrintLine(const std::string& text) {
  Begin();
  QFontMetricsF metrics(painter_.font(), printer_);
  if (y_ > 0 && y_ + metrics.height() > PageHeight()) NewPage();
  painter_.drawText(QPointF(0, y_ + metrics.ascent()), QString::fromStdString(text));
  y_ += metrics.lineSpacing();
  pageInked_ = pageInked_ || text.find_first_not_of(' ') != std::string::npos;
}

void QtReportPrinter::NewPage() {
  Begin();
  if (y_ == 0) return;  // the page is still empty
  if (!printer_->newPage())
    throw PrinterFailure(RunError{kErrPrinter, "Printer error: the printer refused a new page"});
  y_ = 0;
  pageInked_ = false;
  ++pages_;
}

std::string QtReportPrinter::OutputFile() const {
  return printer_->outputFormat() == QPrinter::PdfFormat ? printer_->outputFileName().toStdString()
                                                         : "";
}

void QtReportPrinter::PrintPicture(const PagePicture& picture) {
  const auto* paintable = dynamic_cast<const QtPagePicture*>(&picture);
  if (!paintable) return;
  // A page that holds nothing but blank lines (the report's opening lines, when the picture is
  // the first thing printed) takes the picture itself rather than being left empty.
  if (pageInked_)
    NewPage();
  else
    y_ = 0;
  PrintLine(picture.Caption());
  PrintLine("");
  // The picture fills the width of the page below its caption, square where the page allows.
  const double width = printer_->pageLayout().paintRectPixels(printer_->resolution()).width();
  const double side = std::min(width, PageHeight() - y_);
  painter_.save();
  paintable->Paint(painter_, QRectF((width - side) / 2, y_, side, side));
  painter_.restore();
  // The page is full: the next line starts a new one, and nothing after the last picture leaves
  // an empty page at the end.
  y_ = PageHeight();
}

void QtReportPrinter::EndDocument() {
  if (!painter_.isActive()) return;
  if (!painter_.end())
    throw PrinterFailure(
        RunError{kErrPrinter, "Printer error: the document could not be finished"});
}

void QtReportPrinter::AbandonDocument() {
  if (!painter_.isActive()) return;
  printer_->abort();
  painter_.end();
  // A PDF half written is no report: leave nothing behind.
  if (!printer_->outputFileName().isEmpty()) QFile::remove(printer_->outputFileName());
}

void QtReportPrinter::SetFontName(const std::string& name) {
  font_.setFamily(QString::fromStdString(name));
  ApplyFont();
}

void QtReportPrinter::SetFontSize(double points) {
  font_.setPointSizeF(points);
  ApplyFont();
}

void QtReportPrinter::SetFontBold(bool bold) {
  font_.setBold(bold);
  ApplyFont();
}

}  // namespace stavelorn
