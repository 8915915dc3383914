#include "model/NumberText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace stavelorn {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The extent of a decimal number at the start of `text` from `pos`: sign, digits, optional
// point and fraction, optional exponent (only when digits follow the E). Returns the end, or
// `pos` itself when no digit was found.
std::size_t ScanNumber(const std::string& text, std::size_t pos) {
  std::size_t i = pos;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  bool digits = false;
  while (i < text.size() && IsDigit(text[i])) ++i, digits = true;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, digits = true;
  }
  if (!digits) return pos;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
    std::size_t e = i + 1;
    if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
    if (e < text.size() && IsDigit(text[e])) {
      while (e < text.size() && IsDigit(text[e])) ++e;
      i = e;
    }
  }
  return i;
}

// Converts a scanned number to T, locale-independently. Out-of-range values come back as a
// signed infinity (too large) or a signed zero (too small).
template <typename T>
T ConvertScanned(std::string number) {
  bool negative = !number.empty() && number[0] == '-';
  std::size_t start = (!number.empty() && (number[0] == '+' || number[0] == '-')) ? 1 : 0;
  for (char& c : number)
    if (c == 'D' || c == 'd') c = 'E';
  T value{};
  ReadNumber(number.data() + start, number.data() + number.size(), value);
  return negative ? -value : value;
}

}  // namespace

std::string FormatShortest(float value) {
  if (value == 0) return "0";
  // Seven significant digits, correctly rounded: d.dddddde+XX.
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.6e", static_cast<double>(value));
  std::string text = buffer;
  bool negative = text[0] == '-';
  if (negative) text.erase(0, 1);
  std::string digits = text.substr(0, 1) + text.substr(2, 6);
  int exponent = std::atoi(text.c_str() + 9);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out = negative ? "-" : "";
  if (exponent >= -4 && exponent <= 6) {
    if (exponent < 0) {
      out += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else if (static_cast<int>(digits.size()) <= exponent + 1) {
      out += digits + std::string(static_cast<std::size_t>(exponent + 1) - digits.size(), '0');
    } else {
      out += digits.substr(0, static_cast<std::size_t>(exponent + 1)) + "." +
             digits.substr(static_cast<std::size_t>(exponent + 1));
    }
    return out;
  }
  out += digits.substr(0, 1);
  if (digits.size() > 1) out += "." + digits.substr(1);
  char exponentText[16];
  std::snprintf(exponentText, sizeof exponentText, "E%c%02d", exponent < 0 ? '-' : '+',
                std::abs(exponent));
  return out + exponentText;
}

std::optional<float> ParseSingle(const std::string& text) {
  std::size_t end = ScanNumber(text, 0);
  if (end == 0 || end != text.size()) return std::nullopt;
  return ConvertScanned<float>(text);
}

std::string StoredRangeProblem(const std::string& text) {
  const std::optional<float> single = ParseSingle(text);
  if (!single) return "";
  const bool negative = !text.empty() && text[0] == '-';
  if (std::isinf(*single))
    return negative ? text + " is below the lowest value this program stores, -" +
                          std::string(kLargestStoredText)
                    : text + " is larger than the largest value this program stores, " +
                          std::string(kLargestStoredText);
  // A mantissa with a digit other than 0 is not zero, however small its exponent makes it;
  // single precision keeps full precision only from its smallest normal number up.
  const std::size_t exponent = text.find_first_of("EeDd");
  const bool nonZero = text.substr(0, exponent).find_first_of("123456789") != std::string::npos;
  if (nonZero && std::fabs(*single) < std::numeric_limits<float>::min())
    return text + " is closer to 0 than the smallest non-zero value this program stores, " +
           std::string(kSmallestStoredText);
  return "";
}

std::optional<std::int16_t> ParseInt16(const std::string& text, bool& overflow) {
  overflow = false;
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return std::nullopt;
  long value = 0;
  for (; i < text.size(); ++i) {
    if (!IsDigit(text[i])) return std::nullopt;
    value = std::min(value * 10 + (text[i] - '0'), 100000L);
  }
  if (negative) value = -value;
  if (value < std::numeric_limits<std::int16_t>::min() ||
      value > std::numeric_limits<std::int16_t>::max()) {
    overflow = true;
    return std::nullopt;
  }
  return static_cast<std::int16_t>(value);
}

double LeadingNumber(const std::string& text) {
  std::size_t start = text.find_first_not_of(" \t");
  if (start == std::string::npos) return 0;
  std::size_t end = ScanNumber(text, start);
  if (end == start) return 0;
  return ConvertScanned<double>(text.substr(start, end - start));
}

}  // namespace stavelorn
