// The three results windows as text: the joint displacements (Disp), the member end forces in
// local coordinates (MbForce) and the support reactions (Reac) of a completed analysis. For each
// window this decides the fixed texts, every grid cell with its heading row, and the grid's
// geometry in twips, so the windows only show what is built here. The numbers are the ones the
// printed results report shows, read through the same rules.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "analysis/StructureResults.h"
#include "model/FormId.h"
#include "model/ModelStore.h"

namespace stavelorn {

// How a grid's cells are aligned: every cell centred, or the grid's default, where a cell that
// reads wholly as a number is right-aligned and any other text left-aligned.
enum class CellAlignment { Centred, General };

// The size a results grid is given, in twips, and whether it scrolls.
struct ResultGridSize {
  int Width = 0;
  int Height = 0;
  bool VerticalScrollBar = false;
  int ShownDataRows = 0;  // data rows in view at once: all of them, or 14 when the grid scrolls
};

// Sizes a grid from its column widths, its number of rows (heading included) and the heights of
// the heading row and of the other rows: the columns plus 28 per grid line across, the rows plus
// 30 per grid line down; a grid of more than 15 rows shows 14 data rows and a scroll bar
// 255 twips wide.
ResultGridSize SizeResultGrid(const std::vector<int>& colWidths, int rows, int headingHeight,
                              int rowHeight);

struct ResultTable {
  FormId Form = FormId::Disp;
  std::string Caption;       // the window's caption
  std::string Label1;        // the project title
  std::string Label2;        // the heading above the grid
  bool ShowsCanvas = false;  // the structure and its deformed shape are drawn beside the grid

  // Cells[row][col]; row 0 holds the headings.
  std::vector<std::vector<std::string>> Cells;
  std::vector<int> ColWidths;  // twips
  int HeadingHeight = 0;       // twips, row 0
  int RowHeight = 0;           // twips, rows 1..
  CellAlignment Alignment = CellAlignment::Centred;
  ResultGridSize Size;

  int Rows() const { return static_cast<int>(Cells.size()); }
  int Cols() const { return static_cast<int>(ColWidths.size()); }
};

// The table of the results window `form` (Disp, MbForce or Reac) for the model's last analysis.
// The model must hold a completed analysis; throws std::invalid_argument for any other form.
ResultTable BuildResultTable(const ModelStore& model, const StructureResults& results, FormId form);

// The turned supports' reactions along their own axes, laid out as the Reac table lays out the
// global ones, one row per turned support; nothing when no support is turned.
std::optional<ResultTable> SupportAxesReactionTable(const ModelStore& model,
                                                    const StructureResults& results);

// Where the text of cell (row, col) sits: in the middle under centred alignment; under the
// default alignment at the right when the text reads wholly as a number, else at the left.
enum class CellPlace { Left, Centre, Right };
CellPlace PlaceOf(const ResultTable& table, int row, int col);

// The window's name, as "Disp"; "" for a form that is not a results window.
const char* ResultFormName(FormId form);

// The cells of rows top..bottom and columns left..right (both inclusive, rows counted with the
// heading as row 0) as a spreadsheet takes them: cells separated by tabs, rows ended by line
// feeds, each cell without the blanks that pad it. Cells for which `selected` is false are left
// empty, so a block with holes keeps its shape.
std::string CopyCells(const ResultTable& table, int top, int left, int bottom, int right,
                      const std::function<bool(int row, int col)>& selected);

}  // namespace stavelorn
