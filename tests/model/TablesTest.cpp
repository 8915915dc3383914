// The model's tables and lists refuse every cell just outside them, on each side, rather than
// read a neighbouring row's cell or memory beyond; the cells at their corners are theirs. So do
// the tables of structure types and load kinds.
#include "model/StructType.h"

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string>
#include <utility>

#include "model/LoadSymbols.h"
#include "model/MemberLoadKind.h"
#include "model/Table.h"

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

// A type or coordinate that does not exist is refused rather than read past the table. (The table
// agrees with itself where the mechanics depends on it: a row whose coordinates, flags or accepted
// member loads went astray fails the golden windows, reports and drawings of its type, the
// feature matrix and the model checks.)
TEST(StructTypeTable, AnUnknownTypeOrCoordinateIsRefused) {
  EXPECT_EQ(KindOfStructure("Frame"), StructKind::None);
  EXPECT_THROW(TypeOf(StructKind::None), std::invalid_argument);
  EXPECT_THROW(CoordinateOf(TypeOf(StructKind::Beam), 7), std::out_of_range);
}

// The input report keeps its old one-value layout only for uniform loads over the whole member.
TEST(MemberLoadKinds, WholeSpanUniformOnlyWithoutStartOrEndDistances) {
  const int uniform = static_cast<int>(MemberLoadKind::Uniform);
  const struct {
    int code;
    std::array<float, 4> values;
    bool whole;
  } cases[] = {{uniform, {4, 0, 0, 0}, true},
               {uniform, {4, 1, 0, 0}, false},
               {uniform, {4, 0, 1, 0}, false},
               {uniform, {4, 0, 0, 1}, false},
               {static_cast<int>(MemberLoadKind::Concentrated), {4, 0, 0, 0}, false},
               {static_cast<int>(MemberLoadKind::UniformZ), {4, 0, 0, 0}, false}};
  for (const auto& c : cases)
    EXPECT_EQ(WholeSpanUniform(c.code, c.values), c.whole)
        << c.code << " " << c.values[1] << c.values[2] << c.values[3];
  for (const MemberLoadKindInfo& kind : AllMemberLoadKinds())
    EXPECT_FALSE(TypeAcceptsLoad(StructKind::None, kind)) << kind.LongName;
}

}  // namespace
}  // namespace stavelorn
