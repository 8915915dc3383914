#include "reports/qt/ReportPreview.h"

#include "reports/PrintCommand.h"
#include "reports/qt/QtReportPrinter.h"

namespace stavelorn {

ReportPreview::ReportPreview(const ModelStore& model, const StructureResults& results,
                             const PrintOptions& options, Messages& messages, QWidget* parent,
                             const MethodTrail* trail, std::vector<const PagePicture*> pictures,
                             const PrintedInfluence* influence)
    : printer_(NewReportQPrinter()),
      dialog_(std::make_unique<QPrintPreviewDialog>(printer_.get(), parent)),
      model_(model),
      results_(results),
      options_(options),
      trail_(trail),
      pictures_(std::move(pictures)),
      influence_(influence),
      messages_(messages) {
  dialog_->setObjectName("PrintPreview");
  dialog_->setWindowTitle("Print Preview");
  QObject::connect(dialog_.get(), &QPrintPreviewDialog::paintRequested, dialog_.get(),
                   [this](QPrinter* printer) { PaintReport(printer); });
}

void ReportPreview::PaintReport(QPrinter* printer) {
  // Called for the preview's pages and again when the preview window prints them.
  QtReportPrinter report(*printer);
  PrintReport(model_, results_, report, messages_, options_, trail_, pictures_, influence_);
  pages_ = report.PagesPrinted();
}

}  // namespace stavelorn
