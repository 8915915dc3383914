// The model's tables and lists refuse every cell just outside them, on each side, rather than
// read a neighbouring row's cell or memory beyond; the cells at their corners are theirs.
#include "model/Table.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>

namespace stavelorn {
namespace {

TEST(Table, ACellJustOutsideIsRefusedOnEverySide) {
  for (const auto& [rows, cols] : {std::pair{1, 1}, {2, 3}, {3, 1}}) {
    SCOPED_TRACE(std::to_string(rows) + " x " + std::to_string(cols));
    Table<int> table(rows, cols);
    for (int r : {1, rows})
      for (int c : {1, cols}) table(r, c) = 10 * r + c;
    EXPECT_EQ(table(rows, cols), 10 * rows + cols);
    const std::pair<int, int> outside[] = {{0, 1},        {1, 0},           {rows + 1, 1},
                                           {1, cols + 1}, {rows, cols + 1}, {rows + 1, cols}};
    for (const auto& [r, c] : outside)
      EXPECT_THROW(static_cast<void>(table(r, c)), std::out_of_range) << r << ", " << c;
    Array<int> list;
    list.Redim(rows);
    list(rows) = 7;
    EXPECT_EQ(list(rows), 7);
    for (int i : {0, rows + 1}) EXPECT_THROW(static_cast<void>(list(i)), std::out_of_range) << i;
  }
}

}  // namespace
}  // namespace stavelorn
