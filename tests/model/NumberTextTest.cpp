// The program's number texts: each mask's edges written by hand, then its shortest text against
// the standard library's shortest round-trip conversion, which every native build has and the
// browser build lacks: the same bytes for every bit pattern tried, and each reading back to the
// value it came from.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <stdexcept>
#include <string>

#include "model/NumberMask.h"
#include "model/NumberText.h"

namespace stavelorn {
namespace {

constexpr const char* kE4 = " 0.0000E+00;-0.0000E+00";
constexpr const char* kE3Short = " 0.000E+0;-0.000E+0";
constexpr const char* kTwoDigit = " 00.00E+0;-00.00E+0";

// The edges of each mask written by hand: signs, zeros, a rounding that carries into the next
// power, the smallest values and those that are no number (ordinary values stand in every golden
// report).
TEST(NumberMask, FormatsAsWrittenByHand) {
  const struct {
    const char* mask;
    float value;
    const char* expected;
  } cases[] = {{"@@@", 5, "  5"},
               {"@@@", -5, " -5"},
               {"@@", 100, "100"},
               {kE4, -0.0f, " 0.0000E+00"},
               {kE4, -9.99996f, "-1.0000E+01"},
               {kE4, 1.99996f, " 2.0000E+00"},
               {kE4, 1.401298E-45f, " 1.4013E-45"},
               {kE3Short, -20, "-2.000E+1"},
               {kE3Short, 1E-12f, " 1.000E-12"},
               {kTwoDigit, 0, " 00.00E+0"},
               {kTwoDigit, 99.996f, " 10.00E+1"},
               {kTwoDigit, 2.5E-11f, " 25.00E-12"},
               {" 0.000000E+00;-0.000000E+00", -1.234567f, "-1.234567E+00"},
               {" 0.0000000E+0;-0.0000000E+0", 98765.43f, " 9.8765430E+4"},
               {kE4, -std::numeric_limits<float>::infinity(), "-inf"},
               {kE4, std::numeric_limits<float>::quiet_NaN(), " nan"}};
  for (const auto& c : cases)
    EXPECT_EQ(FormatMasked(c.value, c.mask), c.expected) << c.mask << " of " << c.value;
}

TEST(NumberMask, RejectsAMaskItDoesNotKnow) {
  EXPECT_THROW(FormatMasked(1, "0.00"), std::invalid_argument);
  EXPECT_THROW(FormatMasked(1, " 0.00E+00;-0.000E+00"), std::invalid_argument);
  EXPECT_THROW(FormatMasked(1, ""), std::invalid_argument);
  // A plain integer has a sign column and a trailing blank.
  for (int n : {5, 0, -12, 32767})
    EXPECT_EQ(FormatPlainInteger(n), (n < 0 ? "" : " ") + std::to_string(n) + " ");
}

// Any finite float written and read back gives a float that is written the same way, and the
// value read back agrees with the original to seven significant digits.
TEST(FormatShortest, SurvivesAReadBackForAnyFiniteValue) {
  EXPECT_EQ(FormatShortest(-0.0f), "0");
  EXPECT_EQ(FormatShortest(1234567.0f), "1234567") << "seven digits before the point in full";
  EXPECT_EQ(FormatShortest(12345678.0f), "1.234568E+07") << "eight in exponent form";
  std::mt19937 random(20261206);
  for (int i = 0; i < 200000; ++i) {
    std::uint32_t bits = random();
    float value;
    std::memcpy(&value, &bits, sizeof value);
    if (!std::isfinite(value)) continue;
    std::string text = FormatShortest(value);
    std::optional<float> back = ParseSingle(text);
    ASSERT_TRUE(back) << text;
    ASSERT_EQ(FormatShortest(*back), text) << value;
    if (std::fabs(value) >= std::numeric_limits<float>::min()) {
      // Half a unit in the seventh digit, plus the float rounding of the value read back.
      double halfDigit = 0.5e-6 * std::pow(10.0, std::floor(std::log10(std::fabs(value))));
      ASSERT_LE(std::fabs(*back - value), halfDigit + std::fabs(value) * 0x1p-24) << text;
    }
  }
}

TEST(ParseSingle, AcceptsOnlyAWholeDecimalNumber) {
  const float inf = std::numeric_limits<float>::infinity();
  const struct {
    const char* text;
    float value;
  } cases[] = {{"240", 240},          {"-10.5", -10.5f}, {"+.5", 0.5f}, {"1.5D3", 1500},
               {"6.5E-06", 6.5e-06f}, {"1e-50", 0},      {"1e39", inf}, {"-4e400", -inf}};
  for (const auto& c : cases) EXPECT_EQ(ParseSingle(c.text), c.value) << c.text;
  for (const char* bad : {"", "abc", ".", "-", "1e", "1,5", "1 5", "0x10", "inf", "nan", "12a"})
    EXPECT_FALSE(ParseSingle(bad)) << bad;
}

TEST(LeadingNumber, ReadsTheNumberATypedTextBeginsWith) {
  const struct {
    const char* text;
    double value;
  } cases[] = {{"12abc", 12}, {"abc", 0},       {" -1.5e2x", -150}, {"1e", 1},      {".5", 0.5},
               {"", 0},       {"+3", 3},        {"1d2", 100},       {"-", 0},       {"1.2.3", 1.2},
               {"\t7 kN", 7}, {"29000", 29000}, {"e5", 0},          {"-.25", -0.25}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << c.text;
}

template <typename Real>
std::string LibraryText(Real value) {
  char text[512];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

template <typename Real, typename Bits>
Real FromBits(Bits bits) {
  Real value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

// Every kind of value the printer treats apart: zeros, the extremes, subnormals, the
// plain/exponent boundaries (a tie goes to the plain form), integers beyond the exact digits.
template <typename Real>
std::vector<Real> EdgeValues() {
  using Limits = std::numeric_limits<Real>;
  std::vector<Real> values = {Real(0),           -Real(0),         Limits::min(),
                              Limits::max(),     Limits::lowest(), Limits::denorm_min(),
                              Limits::epsilon(), Real(1) / 3,      Real(0.1)};
  for (int exponent = -45; exponent <= 40; ++exponent)
    for (Real mantissa : {Real(1), Real(1.5), Real(1.2345678), Real(9.99999)})
      values.push_back(mantissa * static_cast<Real>(std::pow(10.0, exponent)));
  for (int power = 0; power < 127; ++power) values.push_back(std::ldexp(Real(1), power));
  return values;
}

template <typename Real, typename Bits>
void ExpectSameAsLibrary(std::uint64_t seed, int count) {
  std::vector<Real> values = EdgeValues<Real>();
  std::mt19937_64 random(seed);
  for (int i = 0; i < count; ++i) values.push_back(FromBits<Real>(static_cast<Bits>(random())));
  int mismatches = 0;
  for (Real value : values) {
    if (!std::isfinite(value)) continue;
    const std::string text = RoundTripText(value);
    if (text != LibraryText(value) && ++mismatches < 10)
      ADD_FAILURE() << text << " where the library writes " << LibraryText(value);
    Real back = 0;
    const auto end = ReadNumber(text.data(), text.data() + text.size(), back);
    ASSERT_TRUE(end) << text;
    EXPECT_EQ(*end, text.data() + text.size()) << text;
    EXPECT_EQ(std::memcmp(&back, &value, sizeof value), 0) << text << " reads back otherwise";
  }
  EXPECT_EQ(mismatches, 0);
}

TEST(RoundTripText, WritesTheLibrarysBytesForDoublesAndSingles) {
  ExpectSameAsLibrary<double, std::uint64_t>(20261207, 200000);
  ExpectSameAsLibrary<float, std::uint32_t>(20261207, 200000);
}

}  // namespace
}  // namespace stavelorn
