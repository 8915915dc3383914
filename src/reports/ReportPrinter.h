// Where a report goes: a page printer with a fixed-pitch font. The reports compose each line as
// text, with its columns already in place, and hand it over line by line; the printer keeps the
// vertical position on the page, breaks pages by itself when a page fills, and owns the font
// settings and the print document. Implemented as plain text (TextReportPrinter) and, in the
// windowed program, on the system printer.
#pragma once

#include <stdexcept>
#include <string>
#include <utility>

#include "model/RunError.h"

namespace stavelorn {

// The error number a printer reports when it cannot go on ("Printer error").
constexpr int kErrPrinter = 482;

// Thrown by a printer operation that failed; carries the error as the user is told it.
class PrinterFailure : public std::runtime_error {
 public:
  explicit PrinterFailure(RunError error)
      : std::runtime_error(error.Description), error_(std::move(error)) {}
  const RunError& Error() const { return error_; }

 private:
  RunError error_;
};

// A picture printed on a page of its own under a caption (a diagram of the whole structure). The
// report only hands it on: a printer that draws knows its kind of picture and paints it, a text
// printer leaves it out.
class PagePicture {
 public:
  virtual ~PagePicture() = default;
  virtual std::string Caption() const = 0;
};

class ReportPrinter {
 public:
  virtual ~ReportPrinter() = default;

  // Prints one line (an empty text is a blank line); the first line opens the print document.
  virtual void PrintLine(const std::string& text) = 0;
  // Ends the current page; the next line goes at the top of a new one.
  virtual void NewPage() = 0;
  // How far down the current page the next line will print, in the units of PageHeight.
  virtual double CurrentY() const = 0;
  virtual double PageHeight() const = 0;
  // Prints `picture` on a page of its own; the next line starts a new page. A text printer, and
  // any printer that does not know the picture's kind, prints nothing.
  virtual void PrintPicture(const PagePicture& picture) { (void)picture; }
  // Sends the document to the printer.
  virtual void EndDocument() = 0;
  // Throws the document away unprinted.
  virtual void AbandonDocument() = 0;

  virtual std::string FontName() const = 0;
  virtual void SetFontName(const std::string& name) = 0;
  virtual void SetFontSize(double points) = 0;
  virtual void SetFontBold(bool bold) = 0;
};

}  // namespace stavelorn
