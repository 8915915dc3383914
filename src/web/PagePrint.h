// Printing from the browser page: the desktop's "Print Options" as a form, and the report of the
// sections chosen laid out as the desktop's printer lays it out on its default paper (A4, 10 pt
// margins, 10-point fixed pitch), page by page, each diagram on a page of its own as a picture.
// The page only sets these pages in its print stylesheet, so that the browser's Print (and its
// preview) shows the pages the desktop prints.
#pragma once

#include <string>
#include <vector>

#include "reports/ReportPrinter.h"
#include "web/PageSession.h"

namespace stavelorn {

// One printed page: lines of text, or a picture (an SVG document) under its caption.
struct PrintedPage {
  std::vector<std::string> Lines;
  std::string Caption;
  std::string Svg;
};

// A picture the page printer knows how to print: the SVG of a diagram page.
class SvgPagePicture : public PagePicture {
 public:
  SvgPagePicture(std::string caption, std::string svg)
      : caption_(std::move(caption)), svg_(std::move(svg)) {}
  std::string Caption() const override { return caption_; }
  const std::string& Svg() const { return svg_; }

 private:
  std::string caption_;
  std::string svg_;
};

// A ReportPrinter that keeps the pages: a line that would pass the bottom of the paper goes to a
// new page, with the heights the desktop's printer measures (in points), and a picture takes a
// page of its own, the page it would have started on when that holds only blank lines.
class PagedReportPrinter : public ReportPrinter {
 public:
  // The printable height of an A4 sheet within 10 pt margins, and the line spacing of the
  // 10-point fixed-pitch font, in points.
  static constexpr double kPrintableHeight = 822.0;
  static constexpr double kLineSpacing = 11.3514;

  void PrintLine(const std::string& text) override;
  void NewPage() override;
  void PrintPicture(const PagePicture& picture) override;
  double CurrentY() const override { return y_; }
  double PageHeight() const override { return kPrintableHeight; }
  void EndDocument() override {}
  void AbandonDocument() override { pages_.clear(); }

  std::string FontName() const override { return fontName_; }
  void SetFontName(const std::string& name) override { fontName_ = name; }
  // The page's print stylesheet sets the one font and size.
  void SetFontSize(double) override {}
  void SetFontBold(bool) override {}

  const std::vector<PrintedPage>& Pages() const { return pages_; }

 private:
  std::vector<PrintedPage> pages_;
  double y_ = 0;
  bool pageInked_ = false;  // whether the current page holds anything but blank lines
  std::string fontName_ = "Courier New";
};

class PagePrint {
 public:
  // Prints the project open in `page`, which must outlive this.
  explicit PagePrint(const PageSession& page) : page_(page) {}

  // The "Print Options" box as it opens, ticked as `remembered` (the names of the sections
  // ticked last, "InputData Results"; "" the desktop's first ticks): {"caption", "group",
  // "sections": [{"name", "caption", "available", "chosen"}], "ok": whether OK is offered}, the
  // sections in the order the report prints them.
  std::string Options(const std::string& remembered) const;
  // The same box with exactly the sections `ticked` names ticked, of those the project has.
  std::string Choose(const std::string& ticked) const;

  // The report of the sections `ticked` names: {"pages": [{"lines": [...]} or {"caption",
  // "svg"}]}; no pages when it names none the project has.
  std::string Pages(const std::string& ticked) const;

 private:
  const PageSession& page_;
};

}  // namespace stavelorn
