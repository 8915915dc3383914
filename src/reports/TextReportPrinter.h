// A ReportPrinter that prints fixed-width text on a stream: 60 lines to a page, each new page
// marked by a form feed at the start of its first line. The vertical position is the count of
// lines on the current page, and a full page breaks by itself when the next line comes. A
// document is held back until it ends, so an abandoned document leaves no trace on the stream;
// a later document begins on a new page.
#pragma once

#include <ostream>
#include <string>

#include "reports/ReportPrinter.h"

namespace stavelorn {

class TextReportPrinter : public ReportPrinter {
 public:
  static constexpr int kLinesPerPage = 60;

  explicit TextReportPrinter(std::ostream& out) : out_(out) {}

  void PrintLine(const std::string& text) override;
  // A page that holds no line yet stays the current page: no empty pages are made.
  void NewPage() override;
  double CurrentY() const override { return linesOnPage_; }
  double PageHeight() const override { return kLinesPerPage; }
  // Writes the document to the stream; throws PrinterFailure when the stream refuses it.
  void EndDocument() override;
  void AbandonDocument() override;

  std::string FontName() const override { return fontName_; }
  void SetFontName(const std::string& name) override { fontName_ = name; }
  // Plain text has one size and one style.
  void SetFontSize(double) override {}
  void SetFontBold(bool) override {}

 private:
  std::ostream& out_;
  std::string document_;
  int linesOnPage_ = 0;
  bool formFeedDue_ = false;  // the next line opens a new page
  bool anythingSent_ = false;
  std::string fontName_ = "Courier New";
};

}  // namespace stavelorn
