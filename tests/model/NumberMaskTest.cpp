#include "model/NumberMask.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

namespace stavelorn {
namespace {

struct MaskCase {
  const char* mask;
  float value;
  const char* expected;
};

class NumberMaskTable : public ::testing::TestWithParam<MaskCase> {};

TEST_P(NumberMaskTable, FormatsAsWrittenByHand) {
  const MaskCase& c = GetParam();
  EXPECT_EQ(FormatMasked(c.value, c.mask), c.expected) << c.mask << " of " << c.value;
}

constexpr const char* kE4 = " 0.0000E+00;-0.0000E+00";
constexpr const char* kE3 = " 0.000E+00;-0.000E+00";
constexpr const char* kE3Short = " 0.000E+0;-0.000E+0";
constexpr const char* kTwoDigit = " 00.00E+0;-00.00E+0";

INSTANTIATE_TEST_SUITE_P(
    Masks, NumberMaskTable,
    ::testing::Values(
        MaskCase{"@@@", 5, "  5"}, MaskCase{"@@@", 12, " 12"}, MaskCase{"@@@", 123, "123"},
        MaskCase{"@@@", 1234, "1234"}, MaskCase{"@@@", -5, " -5"}, MaskCase{"@@", 7, " 7"},
        MaskCase{"@@", 99, "99"}, MaskCase{"@@", 100, "100"},
        // four digits after the point, two-digit exponent
        MaskCase{kE4, 0.00125f, " 1.2500E-03"}, MaskCase{kE4, -30, "-3.0000E+01"},
        MaskCase{kE4, 0, " 0.0000E+00"}, MaskCase{kE4, -0.0f, " 0.0000E+00"},
        MaskCase{kE4, 29000, " 2.9000E+04"}, MaskCase{kE4, 9.99996f, " 1.0000E+01"},
        MaskCase{kE4, -9.99996f, "-1.0000E+01"}, MaskCase{kE4, 9.99994f, " 9.9999E+00"},
        MaskCase{kE4, 1.00005f, " 1.0001E+00"}, MaskCase{kE4, 0.099999f, " 9.9999E-02"},
        MaskCase{kE4, 0.0999996f, " 1.0000E-01"}, MaskCase{kE4, 1E-12f, " 1.0000E-12"},
        MaskCase{kE4, 3.4E38f, " 3.4000E+38"}, MaskCase{kE4, 1.401298E-45f, " 1.4013E-45"},
        MaskCase{kE4, 5, " 5.0000E+00"},
        // three digits after the point
        MaskCase{kE3, 0.00125f, " 1.250E-03"}, MaskCase{kE3, 12345, " 1.235E+04"},
        MaskCase{kE3, -0.5f, "-5.000E-01"}, MaskCase{kE3, 0, " 0.000E+00"},
        // one-digit exponent where it fits
        MaskCase{kE3Short, 2.5f, " 2.500E+0"}, MaskCase{kE3Short, -20, "-2.000E+1"},
        MaskCase{kE3Short, 0, " 0.000E+0"}, MaskCase{kE3Short, 1E-12f, " 1.000E-12"},
        MaskCase{kE3Short, 1.5E10f, " 1.500E+10"}, MaskCase{kE3Short, 9999.6f, " 1.000E+4"},
        MaskCase{kE3Short, 0.015f, " 1.500E-2"},
        // two digits before the point
        MaskCase{kTwoDigit, 45, " 45.00E+0"}, MaskCase{kTwoDigit, 30, " 30.00E+0"},
        MaskCase{kTwoDigit, 4.5f, " 45.00E-1"}, MaskCase{kTwoDigit, -90, "-90.00E+0"},
        MaskCase{kTwoDigit, 0, " 00.00E+0"}, MaskCase{kTwoDigit, 123, " 12.30E+1"},
        MaskCase{kTwoDigit, 99.996f, " 10.00E+1"}, MaskCase{kTwoDigit, 0.05f, " 50.00E-3"},
        MaskCase{kTwoDigit, 2.5E-11f, " 25.00E-12"},
        // values that are not finite keep the sign column
        MaskCase{kE4, std::numeric_limits<float>::infinity(), " inf"},
        MaskCase{kE4, -std::numeric_limits<float>::infinity(), "-inf"},
        MaskCase{kE4, std::numeric_limits<float>::quiet_NaN(), " nan"}));

TEST(NumberMask, RejectsAMaskItDoesNotKnow) {
  EXPECT_THROW(FormatMasked(1, "0.00"), std::invalid_argument);
  EXPECT_THROW(FormatMasked(1, " 0.00E+00;-0.000E+00"), std::invalid_argument);
  EXPECT_THROW(FormatMasked(1, ""), std::invalid_argument);
  // A plain integer has a sign column and a trailing blank.
  for (int n : {5, 0, -12, 32767})
    EXPECT_EQ(FormatPlainInteger(n), (n < 0 ? "" : " ") + std::to_string(n) + " ");
}

}  // namespace
}  // namespace stavelorn
