// The building blocks shared by the input-data and results reports: a report line composed from
// items (blanks, an absolute column, a literal text, a number under a mask) and the few printing
// steps every section repeats (blank lines, the page-break rule, a title block, a table row's
// values set in a line).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/ModelStore.h"
#include "reports/ReportPrinter.h"

namespace stavelorn {

inline constexpr int kTextWidth = 78;  // characters of a printed line of text

// The number masks of the reports, as they are written in the report layouts.
inline constexpr std::string_view kMaskAt3 = "@@@";
inline constexpr std::string_view kMaskAt2 = "@@";
inline constexpr std::string_view kMaskE4 = " 0.0000E+00;-0.0000E+00";
inline constexpr std::string_view kMaskE3 = " 0.000E+00;-0.000E+00";
inline constexpr std::string_view kMaskE3Short = " 0.000E+0;-0.000E+0";
inline constexpr std::string_view kMaskTwoDigit = " 00.00E+0;-00.00E+0";

// One line of a report, built item by item from the left margin.
class ReportLine {
 public:
  ReportLine& Blanks(int count);
  // Moves to column `column`, counted from 1; a line already at or past it stays where it is.
  ReportLine& Column(int column);
  ReportLine& Text(std::string_view text);
  ReportLine& Number(float value, std::string_view mask);
  ReportLine& PlainInteger(long value);

  const std::string& Str() const { return text_; }

 private:
  std::string text_;
};

// Prints a composed line.
void Print(ReportPrinter& printer, const ReportLine& line);
// Prints `text` after `blanks` spaces.
void Print(ReportPrinter& printer, int blanks, std::string_view text);
// Prints each of `lines` after `blanks` spaces.
void Print(ReportPrinter& printer, int blanks, const std::vector<std::string_view>& lines);
// A paragraph broken between words into lines of at most `width` characters; a longer word stands
// alone.
std::vector<std::string> WrappedLines(const std::string& text, std::size_t width);
// A paragraph broken between words into lines of at most kTextWidth characters after `indent`.
void PrintWrapped(ReportPrinter& printer, int indent, const std::string& text);
void PrintBlankLines(ReportPrinter& printer, int count);

// When the page is more than 80 % used, starts a new page and prints 5 blank lines; a page used
// exactly 80 % goes on.
void PageBreakRule(ReportPrinter& printer);

// A section title between two lines of "=" as long as the title, each after `blanks` spaces,
// then one blank line.
void PrintTitleBlock(ReportPrinter& printer, int blanks, std::string_view title);

// Appends each value after its gap of blanks, under `mask`.
ReportLine& AppendValues(ReportLine& line, const std::vector<int>& gaps,
                         const std::vector<float>& values, std::string_view mask = kMaskE4);

// The `count` values of a record of a table, from column 1.
std::vector<float> RowValues(const Table<float>& table, int record, int count);

}  // namespace stavelorn
