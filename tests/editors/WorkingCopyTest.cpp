// The list windows' working copy and its history on their own: the grid every change of which a
// window hears of, within its bounds, and the undo history with its limit and saved state.
#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <string>

#include "editors/EditHistory.h"
#include "editors/GridModel.h"

using namespace stavelorn;

namespace {

// A window repaints a cell for a cell's own change and everything for any other, once each; a
// text set to what it holds is no change. The grid keeps its heading and one data row, refuses
// rows outside its data, and keeps the selection and the first row shown inside the data cells.
TEST(GridModel, ReportsEachChangeOnceAndKeepsItsRowsInBounds) {
  GridModel grid;
  std::string heard;
  grid.SetObserver({[&heard](int row, int col) { heard += std::to_string(row * 10 + col) + " "; },
                    [&heard] { heard += "L "; }});
  grid.SetCols(3);
  grid.SetRows(0);
  EXPECT_THROW(grid.RemoveRow(1), std::out_of_range);  // the last data row stays
  grid.SetRows(4);
  for (int twice = 0; twice < 2; ++twice) grid.SetText(1, 2, "a");  // the second is no change
  grid.SetText(3, 0, "c");
  grid.InsertRow(4);  // after the last row
  grid.InsertRow(1);
  grid.RemoveRow(1);
  grid.BlankRow(1);
  grid.SetRowHeight(0, 500);
  grid.SetRowHeight(2, 300);
  grid.SetColWidth(2, 900);
  grid.Select(-5, 9, 99, 0);
  grid.SetTopRow(99);
  grid.SetSize(10, 20, true);
  EXPECT_EQ(heard, "L L L 12 30 L L L 12 L L L L L L ");
  for (int row : {0, 5}) EXPECT_THROW(grid.RemoveRow(row), std::out_of_range) << row;
  for (int row : {0, 6}) EXPECT_THROW(grid.InsertRow(row), std::out_of_range) << row;
  EXPECT_EQ((std::vector<int>{grid.Rows(), grid.Cols(), grid.RowHeight(0), grid.RowHeight(1),
                              grid.RowHeight(4), grid.ColWidth(2), grid.Row(), grid.Col(),
                              grid.RowSel(), grid.ColSel(), grid.TopRow(), grid.Width(),
                              grid.Height(), grid.VerticalScrollBar()}),
            (std::vector<int>{5, 3, 500, 300, 300, 900, 1, 2, 4, 1, 4, 10, 20, 1}));
  EXPECT_EQ(grid.Text(3, 0), "c");
  // The selection and the first row shown move up with the last row, removed or cut off.
  for (const int rows : {4, 3}) {
    rows == 4 ? grid.RemoveRow(4) : grid.SetRows(rows);
    EXPECT_EQ((std::vector<int>{grid.Row(), grid.RowSel(), grid.TopRow()}),
              (std::vector<int>{1, rows - 1, rows - 1}));
  }
  // A copy brings every cell and size but keeps this grid's observer, told once.
  GridModel other;
  other.SetText(1, 1, "x");
  heard.clear();
  grid.CopyContents(other);
  EXPECT_EQ(heard, "L ");
  EXPECT_TRUE(grid.SameCells(other));
}

// After each step of a history that keeps two steps, "value, saved mark, undo/redo names, depth":
// past its limit the oldest step is forgotten (with the saved mark when that was it), and a step
// recorded after an undo drops what could have been redone. "a1" records 1 as step "a", "S"
// marks it saved, "<" and ">" undo and redo, "R9" starts afresh at an unsaved 9.
TEST(EditHistory, KeepsItsLimitAndFollowsTheSavedState) {
  EditHistory<int> history(0, 2);
  std::string trail;
  std::istringstream steps("a1 S b2 c3 < < < > d4 > e5 f6 < < < R9");
  for (std::string step; steps >> step;) {
    if (step == "S")
      history.MarkSaved();
    else if (step == "<")
      history.Undo();
    else if (step == ">")
      history.Redo();
    else if (step[0] == 'R')
      history.Reset(std::stoi(step.substr(1)), false);
    else
      history.Record(step.substr(0, 1), std::stoi(step.substr(1)));
    trail += std::to_string(history.Current()) + (history.AtSaved() ? "s " : " ") +
             history.UndoName() + "/" + history.RedoName() + " " + std::to_string(history.Depth()) +
             "; ";
  }
  EXPECT_EQ(trail,
            "1 a/ 1; 1s a/ 1; 2 b/ 2; 3 c/ 2; 2 b/c 1; 1s /b 0; 1s /b 0; 2 b/c 1; 4 d/ 2; "
            "4 d/ 2; 5 e/ 2; 6 f/ 2; 5 e/f 1; 4 /e 0; 4 /e 0; 9 / 0; ");
  // A window's history keeps 200 steps; one made with a limit below one keeps one.
  EditHistory<int> window, least(0, 0);
  for (int i = 1; i <= 300; ++i) window.Record("", i), least.Record("", i);
  EXPECT_EQ(window.Depth(), 200u);
  EXPECT_EQ(least.Depth(), 1u);
}

}  // namespace
