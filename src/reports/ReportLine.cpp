#include "reports/ReportLine.h"

#include "model/NumberMask.h"

namespace stavelorn {

ReportLine& ReportLine::Blanks(int count) {
  if (count > 0) text_.append(static_cast<std::size_t>(count), ' ');
  return *this;
}

ReportLine& ReportLine::Column(int column) {
  return Blanks(column - 1 - static_cast<int>(text_.size()));
}

ReportLine& ReportLine::Text(std::string_view text) {
  text_ += text;
  return *this;
}

ReportLine& ReportLine::Number(float value, std::string_view mask) {
  return Text(FormatMasked(value, mask));
}

ReportLine& ReportLine::PlainInteger(long value) {
  return Text(FormatPlainInteger(value));
}

void Print(ReportPrinter& printer, const ReportLine& line) {
  printer.PrintLine(line.Str());
}

void Print(ReportPrinter& printer, int blanks, std::string_view text) {
  Print(printer, ReportLine().Blanks(blanks).Text(text));
}

void Print(ReportPrinter& printer, int blanks, const std::vector<std::string_view>& lines) {
  for (std::string_view line : lines) Print(printer, blanks, line);
}

std::vector<std::string> WrappedLines(const std::string& text, std::size_t width) {
  std::vector<std::string> lines;
  std::string line;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    const std::string word = text.substr(start, end - start);
    if (!line.empty() && line.size() + 1 + word.size() > width) {
      lines.push_back(line);
      line.clear();
    }
    line += (line.empty() ? "" : " ") + word;
    start = end + 1;
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

void PrintWrapped(ReportPrinter& printer, int indent, const std::string& text) {
  for (const std::string& line : WrappedLines(text, static_cast<std::size_t>(kTextWidth - indent)))
    Print(printer, indent, line);
}

void PrintBlankLines(ReportPrinter& printer, int count) {
  for (int i = 0; i < count; ++i) printer.PrintLine("");
}

void PageBreakRule(ReportPrinter& printer) {
  if (printer.CurrentY() > 0.8 * printer.PageHeight()) {
    printer.NewPage();
    PrintBlankLines(printer, 5);
  }
}

void PrintTitleBlock(ReportPrinter& printer, int blanks, std::string_view title) {
  std::string rule(title.size(), '=');
  Print(printer, blanks, {rule, title, rule});
  PrintBlankLines(printer, 1);
}

ReportLine& AppendValues(ReportLine& line, const std::vector<int>& gaps,
                         const std::vector<float>& values, std::string_view mask) {
  for (std::size_t i = 0; i < values.size(); ++i) line.Blanks(gaps[i]).Number(values[i], mask);
  return line;
}

std::vector<float> RowValues(const Table<float>& table, int record, int count) {
  std::vector<float> values;
  for (int column = 1; column <= count; ++column) values.push_back(table(record, column));
  return values;
}

}  // namespace stavelorn
