// Exact number text in both directions, on the shortest-digits algorithm for printing and an
// exact decimal reader for reading, both header-only, so that every build writes the same bytes.
#include <dragonbox/dragonbox.h>
#include <fast_float/fast_float.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "model/NumberText.h"

namespace stavelorn {

namespace {

// "e+05", "e-324": the exponent form's tail, with at least two digits as printf writes it.
std::string ExponentTail(int exponent) {
  char text[16];
  std::snprintf(text, sizeof text, "e%c%02d", exponent < 0 ? '-' : '+',
                exponent < 0 ? -exponent : exponent);
  return text;
}

// The value digits × 10^exponent (digits without trailing zeros) in the shorter of the plain
// and the exponent form. A plain form with zeros after the digits would not give the value's own
// digits there: it is written exactly, as `exactInteger` prints it.
template <typename Real>
std::string ShorterForm(bool negative, const std::string& digits, int exponent, Real value) {
  const int count = static_cast<int>(digits.size());
  const int pointAfter = count + exponent;  // digits before the decimal point
  const int scientificExponent = pointAfter - 1;
  std::string scientific = digits.substr(0, 1);
  if (count > 1) scientific += "." + digits.substr(1);
  scientific += ExponentTail(scientificExponent);

  std::string plain;
  if (exponent >= 0) {
    plain = digits + std::string(static_cast<std::size_t>(exponent), '0');
  } else if (pointAfter > 0) {
    plain = digits.substr(0, static_cast<std::size_t>(pointAfter)) + "." +
            digits.substr(static_cast<std::size_t>(pointAfter));
  } else {
    plain = "0." + std::string(static_cast<std::size_t>(-pointAfter), '0') + digits;
  }
  const std::string sign = negative ? "-" : "";
  if (scientific.size() < plain.size()) return sign + scientific;
  if (exponent > 0) {
    char exact[400];
    std::snprintf(exact, sizeof exact, "%.0f", static_cast<double>(value));
    return exact;
  }
  return sign + plain;
}

template <typename Real>
std::string RoundTrip(Real value) {
  const bool negative = std::signbit(value);
  if (value == 0) return negative ? "-0" : "0";
  const auto decimal = jkj::dragonbox::to_decimal(value, jkj::dragonbox::policy::sign::ignore,
                                                  jkj::dragonbox::policy::trailing_zero::remove);
  return ShorterForm(negative, std::to_string(decimal.significand), decimal.exponent, value);
}

template <typename Real>
std::optional<const char*> Read(const char* first, const char* last, Real& value) {
  const auto result = fast_float::from_chars(first, last, value);
  if (result.ec != std::errc()) return std::nullopt;
  return result.ptr;
}

}  // namespace

std::string RoundTripText(double value) {
  return RoundTrip(value);
}

std::string RoundTripText(float value) {
  return RoundTrip(value);
}

std::optional<const char*> ReadNumber(const char* first, const char* last, double& value) {
  return Read(first, last, value);
}

std::optional<const char*> ReadNumber(const char* first, const char* last, float& value) {
  return Read(first, last, value);
}

}  // namespace stavelorn
