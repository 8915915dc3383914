#include "reports/ReportUnits.h"

#include "reports/ReportLine.h"

namespace stavelorn {

std::string ReportUnit(const UnitSystem& units, Quantity quantity) {
  const std::string text = UnitText(units, quantity, UnitStyle::Ascii);
  return text.empty() ? "" : "[" + text + "]";
}

std::vector<std::string> NumberedColumnUnits(const UnitSystem& units,
                                             const std::vector<Quantity>& quantities) {
  std::vector<std::string> texts = {""};
  for (Quantity quantity : quantities) texts.push_back(ReportUnit(units, quantity));
  return texts;
}

std::string UnitsLine(std::string_view rule, const std::vector<std::string>& units) {
  std::string line(rule.size(), ' ');
  bool any = false;
  std::size_t column = 0;
  for (std::size_t start = rule.find('-'); start != std::string_view::npos && column < units.size();
       start = rule.find('-', start), ++column) {
    std::size_t end = rule.find_first_not_of('-', start);
    if (end == std::string_view::npos) end = rule.size();
    const std::string unit = units[column].substr(0, end - start);
    line.replace(start + (end - start - unit.size()) / 2, unit.size(), unit);
    any = any || !unit.empty();
    start = end;
  }
  if (!any) return "";
  return line.substr(0, line.find_last_not_of(' ') + 1);
}

std::vector<std::string_view> HeadingLines(const std::array<const char*, 3>& heading) {
  std::vector<std::string_view> lines;
  for (const char* line : heading)
    if (line) lines.emplace_back(line);
  return lines;
}

void PrintHeading(ReportPrinter& printer, int blanks, const std::vector<std::string_view>& lines,
                  const std::vector<std::string>& units) {
  if (lines.empty()) return;
  const std::string unitsLine = UnitsLine(lines.back(), units);
  std::vector<std::string_view> all(lines.begin(), lines.end() - 1);
  if (!unitsLine.empty()) all.emplace_back(unitsLine);
  all.push_back(lines.back());
  Print(printer, blanks, all);
}

}  // namespace stavelorn
