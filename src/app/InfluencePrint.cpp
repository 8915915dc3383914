#include "app/InfluencePrint.h"

#include <algorithm>
#include <cmath>

#include "app/InfluenceChoice.h"
#include "app/MovingLoadReport.h"
#include "graphics/InfluenceDrawing.h"
#include "reports/ReportLine.h"

namespace stavelorn {

namespace {

constexpr std::size_t kIndent = 5;
constexpr std::size_t kTextWidth = 70;

// Words of `text` filled into lines of at most kTextWidth characters, each after the indent.
void AppendWrapped(std::vector<std::string>& lines, const std::string& text) {
  for (const std::string& line : WrappedLines(text, kTextWidth))
    lines.push_back(std::string(kIndent, ' ') + line);
}

// The table's rows in columns two blanks apart, each as wide as its widest cell; numbers stand
// at the right of their column as in the window's grid, and a heading over a column of numbers
// with them.
void AppendTable(std::vector<std::string>& lines, const ResultTable& table) {
  std::vector<std::size_t> widths(static_cast<std::size_t>(table.Cols()), 0);
  for (const auto& row : table.Cells)
    for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c)
      widths[c] = std::max(widths[c], row[c].size());
  auto rowLine = [&](int row, auto rightAligned) {
    std::string text(kIndent, ' ');
    for (int col = 0; col < table.Cols(); ++col) {
      const std::string& cell =
          table.Cells[static_cast<std::size_t>(row)].at(static_cast<std::size_t>(col));
      const std::string pad(widths[static_cast<std::size_t>(col)] - cell.size(), ' ');
      text += (col ? "  " : "") + (rightAligned(col) ? pad + cell : cell + pad);
    }
    return text.substr(0, text.find_last_not_of(' ') + 1);
  };
  const bool hasRows = table.Rows() > 1;
  lines.push_back(
      rowLine(0, [&](int col) { return hasRows && PlaceOf(table, 1, col) == CellPlace::Right; }));
  std::string rule(kIndent, ' ');
  for (std::size_t c = 0; c < widths.size(); ++c)
    rule += (c ? "  " : "") + std::string(widths[c], '-');
  lines.push_back(rule);
  for (int row = 1; row < table.Rows(); ++row)
    lines.push_back(
        rowLine(row, [&](int col) { return PlaceOf(table, row, col) == CellPlace::Right; }));
}

}  // namespace

ShownTrain TrainAtLargerExtreme(const LoadTrain& train, const MovingLoadExtremes& worst) {
  const bool least = std::fabs(worst.Min.Value) > std::fabs(worst.Max.Value);
  return {train, least ? worst.Min : worst.Max, least ? "min" : "max"};
}

DiagramPage InfluencePage(const ModelStore& model, const InfluenceLine& line,
                          const LoadTrain* train) {
  DiagramPage page;
  page.Caption = "Influence line of " + InfluenceName(model, line.Quantity);
  if (train) {
    const ShownTrain shown = TrainAtLargerExtreme(*train, WorstPlacements(line, *train));
    DrawInfluenceLine(model, line, page.Picture, &shown);
  } else {
    DrawInfluenceLine(model, line, page.Picture);
  }
  return page;
}

std::vector<std::string> InfluenceReportLines(const ModelStore& model, const InfluenceLine& line,
                                              const LoadTrain* train) {
  const ResultTable table = BuildInfluenceTable(model, line);
  const std::string title = "Influence Line";
  const std::string centred(std::string((80 - title.size()) / 2, ' '));
  std::vector<std::string> lines = {"",
                                    "",
                                    centred + std::string(title.size(), '='),
                                    centred + title,
                                    centred + std::string(title.size(), '='),
                                    ""};
  AppendWrapped(lines, table.Label2 + ".");
  AppendWrapped(lines, InfluencePrinciple(model, line.Quantity));
  lines.push_back("");
  AppendTable(lines, table);
  if (train) {
    lines.push_back("");
    for (const std::string& text : MovingLoadLines(model, *train, WorstPlacements(line, *train)))
      AppendWrapped(lines, text);
  }
  return lines;
}

}  // namespace stavelorn
