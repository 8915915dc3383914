#include "model/StructType.h"

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string>

#include "model/LoadSymbols.h"
#include "model/MemberLoadKind.h"

namespace stavelorn {
namespace {

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
