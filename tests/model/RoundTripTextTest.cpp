// The program's own number text against the standard library's shortest round-trip conversion,
// which every native build has and the browser build lacks: the same bytes for every bit pattern
// tried, and each reading back to the value it came from.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "model/NumberText.h"

namespace stavelorn {
namespace {

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
