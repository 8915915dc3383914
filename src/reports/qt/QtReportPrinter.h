// A ReportPrinter on a QPrinter: the system's printer or a PDF file. QPrinter keeps no vertical
// position and breaks no pages by itself, so this class does both: the position and the page
// height are in the printer's device units, and a line that would pass the bottom margin goes
// to a new page.
#pragma once

#include <QFont>
#include <QPainter>
#include <memory>

#include "reports/ReportPrinter.h"

class QPrinter;

namespace stavelorn {

// The printer every report is printed on, not yet aimed anywhere: Print and Print Preview both
// start from it, so the preview shows the pages Print makes.
std::unique_ptr<QPrinter> NewReportQPrinter();

// A page picture this printer can paint: it paints itself into `area` (device units of the
// printer's page, below the caption).
class QtPagePicture : public PagePicture {
 public:
  virtual void Paint(QPainter& painter, const QRectF& area) const = 0;
};

class QtReportPrinter : public ReportPrinter {
 public:
  // Takes a printer already aimed at its destination (a printer or a PDF file name).
  explicit QtReportPrinter(std::unique_ptr<QPrinter> printer);
  // Prints on a printer someone else owns (the print preview's), which must outlive this one.
  explicit QtReportPrinter(QPrinter& printer);
  ~QtReportPrinter() override;

  void PrintLine(const std::string& text) override;
  void NewPage() override;
  void PrintPicture(const PagePicture& picture) override;
  double CurrentY() const override { return y_; }
  double PageHeight() const override;
  void EndDocument() override;
  void AbandonDocument() override;

  std::string FontName() const override { return font_.family().toStdString(); }
  void SetFontName(const std::string& name) override;
  void SetFontSize(double points) override;
  void SetFontBold(bool bold) override;

  std::string OutputFile() const override;

  int PagesPrinted() const { return pages_; }

 private:
  void Begin();
  void ApplyFont();

  std::unique_ptr<QPrinter> owned_;
  QPrinter* printer_;
  QPainter painter_;
  QFont font_;
  double y_ = 0;
  bool pageInked_ = false;  // whether the current page holds anything but blank lines
  int pages_ = 0;
};

}  // namespace stavelorn
