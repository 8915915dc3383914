// Print Preview: the report's pages on screen, painted by the same report printer on the same
// kind of printer as Print uses, so what is shown is what is printed. The preview window's own
// Print button prints those pages (to a PDF file on a system without a printer).
#pragma once

#include <QPrintPreviewDialog>
#include <QPrinter>
#include <memory>
#include <vector>

#include "analysis/MethodTrail.h"
#include "model/ModelStore.h"
#include "reports/PrintCommand.h"
#include "reports/PrintOptions.h"
#include "reports/ReportPrinter.h"
#include "ui/Messages.h"

namespace stavelorn {

class ReportPreview {
 public:
  // `model`, `messages`, `trail` (the method trail of the analysis, when there is one), the
  // diagrams' `pictures` and the `influence` line (when it is printed) must outlive the preview.
  ReportPreview(const ModelStore& model, const StructureResults& results,
                const PrintOptions& options, Messages& messages, QWidget* parent = nullptr,
                const MethodTrail* trail = nullptr, std::vector<const PagePicture*> pictures = {},
                const PrintedInfluence* influence = nullptr);

  QPrintPreviewDialog& Dialog() { return *dialog_; }
  QPrinter& Printer() { return *printer_; }
  // The number of pages the last painting of the report produced.
  int PagesPainted() const { return pages_; }

 private:
  void PaintReport(QPrinter* printer);

  // The dialog paints on this printer, so it is made first and goes last.
  std::unique_ptr<QPrinter> printer_;
  std::unique_ptr<QPrintPreviewDialog> dialog_;
  const ModelStore& model_;
  const StructureResults& results_;
  const PrintOptions options_;
  const MethodTrail* trail_;
  const std::vector<const PagePicture*> pictures_;
  const PrintedInfluence* influence_;
  Messages& messages_;
  int pages_ = 0;
};

}  // namespace stavelorn
