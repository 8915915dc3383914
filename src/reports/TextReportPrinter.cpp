#include "reports/TextReportPrinter.h"

namespace stavelorn {

void TextReportPrinter::PrintLine(const std::string& text) {
  if (linesOnPage_ == kLinesPerPage) {
    linesOnPage_ = 0;
    formFeedDue_ = true;
  }
  if (formFeedDue_) {
    document_ += '\f';
    formFeedDue_ = false;
  }
  document_ += text;
  document_ += '\n';
  ++linesOnPage_;
}

void TextReportPrinter::NewPage() {
  if (linesOnPage_ == 0) return;
  linesOnPage_ = 0;
  formFeedDue_ = true;
}

void TextReportPrinter::EndDocument() {
  if (document_.empty()) return;
  out_ << document_ << std::flush;
  if (!out_)
    throw PrinterFailure(RunError{kErrPrinter, "Printer error: the report could not be written"});
  document_.clear();
  anythingSent_ = true;
  // Paper that has been printed on leaves the printer: the next document starts a new sheet.
  linesOnPage_ = 0;
  formFeedDue_ = true;
}

void TextReportPrinter::AbandonDocument() {
  document_.clear();
  linesOnPage_ = 0;
  formFeedDue_ = anythingSent_;
}

}  // namespace stavelorn
