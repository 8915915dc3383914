#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "model/NumberText.h"

namespace stavelorn {
namespace {

TEST(FormatShortest, WritesPlainWhereItFitsAndExponentFormOtherwise) {
  const struct {
    float value;
    const char* text;
  } cases[] = {{0.0f, "0"},
               {-0.0f, "0"},
               {240.0f, "240"},
               {-10.5f, "-10.5"},
               {0.0065f, "0.0065"},
               {6.5e-06f, "6.5E-06"},
               {1.234568e+07f, "1.234568E+07"},
               {1234567.0f, "1234567"},
               {12345678.0f, "1.234568E+07"},
               {0.0001f, "0.0001"},
               {1e-05f, "1E-05"},
               {0.1f, "0.1"},
               {0.33333334f, "0.3333333"},
               {9999999.5f, "1E+07"},
               {3.4028235e+38f, "3.402823E+38"},
               {-1.0e-30f, "-1E-30"},
               {1.401298E-45f, "1.401298E-45"}};
  for (const auto& c : cases) EXPECT_EQ(FormatShortest(c.value), c.text) << c.value;
}

// Any finite float written and read back gives a float that is written the same way, and the
// value read back agrees with the original to seven significant digits.
TEST(FormatShortest, SurvivesAReadBackForAnyFiniteValue) {
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

TEST(ParseInt16, AcceptsSixteenBitIntegersAndTellsOverflow) {
  bool overflow = false;
  for (const char* good : {"32767", "-32768", "+5"})
    EXPECT_EQ(ParseInt16(good, overflow), std::stoi(good)) << good;
  for (const char* big : {"32768", "-32769", "99999999999999999999"}) {
    EXPECT_FALSE(ParseInt16(big, overflow)) << big;
    EXPECT_TRUE(overflow) << big;
  }
  for (const char* bad : {"", "-", "1.0", "1e2", "abc", "3x"}) {
    EXPECT_FALSE(ParseInt16(bad, overflow)) << bad;
    EXPECT_FALSE(overflow) << bad;
  }
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

}  // namespace
}  // namespace stavelorn
