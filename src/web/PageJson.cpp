#include "web/PageJson.h"

#include <utility>

#include "app/MenuState.h"
#include "reports/JsonText.h"
#include "ui/AccessibleNames.h"

namespace stavelorn {

namespace {

const char* PlaceName(CellPlace place) {
  switch (place) {
    case CellPlace::Left: return "left";
    case CellPlace::Centre: return "centre";
    case CellPlace::Right: return "right";
  }
  return "left";
}

std::vector<int> Indices(int count) {
  std::vector<int> indices(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) indices[static_cast<std::size_t>(i)] = i;
  return indices;
}

}  // namespace

std::string CaptionJson(const std::string& caption) {
  const char key = AccessKeyOf(caption);
  return "{\"caption\": " + JsonString(SpokenCaption(caption)) +
         ", \"key\": " + JsonString(key ? std::string(1, key) : "") + "}";
}

std::string ResultTableJson(const ResultTable& table) {
  const std::vector<int> rows = Indices(table.Rows());
  const auto cells = [&](int row) { return JsonArray(table.Cells[row], JsonString); };
  const auto places = [&](int row) {
    return JsonArray(Indices(table.Cols()), [&](int col) {
      return "\"" + std::string(PlaceName(PlaceOf(table, row, col))) + "\"";
    });
  };
  const std::string copy =
      CopyCells(table, 0, 0, table.Rows() - 1, table.Cols() - 1, [](int, int) { return true; });
  return "{\"caption\": " + JsonString(table.Caption) +
         ", \"label1\": " + JsonString(table.Label1) + ", \"label2\": " + JsonString(table.Label2) +
         ", \"cells\": " + JsonArray(rows, cells) + ", \"places\": " + JsonArray(rows, places) +
         ", \"copy\": " + JsonString(copy) + "}";
}

std::string StepTableJson(const StepTable& table) {
  const std::vector<int> rows = Indices(table.Rows());
  const std::vector<int> cols = Indices(table.Cols());
  const auto texts = [&](int row) {
    return JsonArray(cols, [&](int col) { return JsonString(CellText(table, row, col)); });
  };
  const auto tips = [&](int row) {
    return JsonArray(cols, [&](int col) { return JsonString(CellTooltip(table, row, col)); });
  };
  std::string marked = "[";
  for (int row : rows)
    for (int col : cols)
      if (table.IsMarked(row, col))
        marked += (marked.size() > 1 ? ", [" : "[") + std::to_string(row) + ", " +
                  std::to_string(col) + "]";
  return "{\"title\": " + JsonString(table.Title) +
         ", \"rows\": " + JsonArray(table.RowLabels, JsonString) +
         ", \"columns\": " + JsonArray(table.ColumnLabels, JsonString) +
         ", \"cells\": " + JsonArray(rows, texts) + ", \"tips\": " + JsonArray(rows, tips) +
         ", \"marked\": " + marked + "], \"copy\": " + JsonString(TableTsv(table)) + "}";
}

void SizePageTable(ResultTable& table, std::vector<int> colWidths) {
  table.ColWidths = std::move(colWidths);
  table.HeadingHeight = table.RowHeight = 300;
  table.Alignment = CellAlignment::General;
  table.Size = SizeResultGrid(table.ColWidths, table.Rows(), table.HeadingHeight, table.RowHeight);
}

}  // namespace stavelorn
