// A ReportPrinter for tests: it records every operation in order on a page of 60 lines, lets a
// test say how full the first page already is, and can fail chosen lines a given number of
// times, the way a printer that runs out of paper does.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "reports/ReportPrinter.h"

namespace stavelorn {

class RecordingPrinter : public ReportPrinter {
 public:
  // "line:<text>", "newpage", "end", "abandon", "font:<name>", "size:<points>", "bold:<0|1>".
  std::vector<std::string> events;
  double usedAtStart = 0;
  // Number of a line in the document (from 1) -> failures still to come before it prints.
  std::map<int, int> failLine;

  void PrintLine(const std::string& text) override {
    if (failLine[printed_ + 1]-- > 0) throw PrinterFailure(RunError{kErrPrinter, "Printer error"});
    events.push_back("line:" + text);
    ++printed_;
    ++lines_;
  }
  void NewPage() override {
    events.push_back("newpage");
    lines_ = 0;
    usedAtStart = 0;
  }
  double CurrentY() const override { return usedAtStart + lines_; }
  double PageHeight() const override { return 60; }
  void EndDocument() override { events.push_back("end"); }
  void AbandonDocument() override { events.push_back("abandon"); }
  std::string FontName() const override { return font_; }
  void SetFontName(const std::string& name) override { events.push_back("font:" + (font_ = name)); }
  void SetFontSize(double points) override {
    events.push_back("size:" + std::to_string(static_cast<int>(points)));
  }
  void SetFontBold(bool bold) override { events.push_back(bold ? "bold:1" : "bold:0"); }

  // The printed lines only, without the "line:" tag.
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    for (const std::string& event : events)
      if (event.rfind("line:", 0) == 0) lines.push_back(event.substr(5));
    return lines;
  }

 private:
  int printed_ = 0;
  int lines_ = 0;
  std::string font_ = "Arial";
};

}  // namespace stavelorn
