#include "model/NumberMask.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace stavelorn {

namespace {

// The shape of a scientific mask's positive section, e.g. " 00.00E+0": digits before and after
// the point and the least number of exponent digits.
struct ScientificShape {
  int integerDigits = 0;
  int fractionDigits = 0;
  int exponentDigits = 0;
};

[[noreturn]] void UnknownMask(std::string_view mask) {
  throw std::invalid_argument("unknown number mask \"" + std::string(mask) + "\"");
}

// Reads " 0.0000E+00;-0.0000E+00" and its kin. Only the positive section is measured: the
// negative one of every mask the report uses is the same digits after a "-".
ScientificShape ParseScientific(std::string_view mask) {
  std::size_t semicolon = mask.find(';');
  std::string_view positive = mask.substr(0, semicolon);
  if (semicolon == std::string_view::npos ||
      mask.substr(semicolon + 1) != "-" + std::string(positive.substr(1)) || positive.size() < 2 ||
      positive[0] != ' ')
    UnknownMask(mask);
  ScientificShape shape;
  std::size_t i = 1;
  while (i < positive.size() && positive[i] == '0') ++i, ++shape.integerDigits;
  if (i < positive.size() && positive[i] == '.') ++i;
  while (i < positive.size() && positive[i] == '0') ++i, ++shape.fractionDigits;
  if (positive.substr(i, 2) != "E+") UnknownMask(mask);
  for (i += 2; i < positive.size() && positive[i] == '0'; ++i) ++shape.exponentDigits;
  if (i != positive.size() || shape.integerDigits == 0 || shape.exponentDigits == 0)
    UnknownMask(mask);
  return shape;
}

std::string FormatScientific(float value, const ScientificShape& shape) {
  std::string sign = std::signbit(value) && value != 0 ? "-" : " ";
  if (!std::isfinite(value)) return sign + (std::isnan(value) ? "nan" : "inf");

  const int wanted = shape.integerDigits + shape.fractionDigits;
  std::string digits(static_cast<std::size_t>(wanted), '0');
  int exponent = 0;  // of the first digit
  if (value != 0) {
    // Seven significant digits first, as the value is shown everywhere else.
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6e", std::fabs(static_cast<double>(value)));
    std::string seven = std::string(1, buffer[0]) + std::string(buffer + 2, 6);
    exponent = std::atoi(buffer + 9);
    if (wanted >= 7) {
      digits = seven + std::string(static_cast<std::size_t>(wanted - 7), '0');
    } else {
      digits = seven.substr(0, static_cast<std::size_t>(wanted));
      if (seven[static_cast<std::size_t>(wanted)] >= '5') {
        int i = wanted - 1;
        for (; i >= 0 && digits[static_cast<std::size_t>(i)] == '9'; --i)
          digits[static_cast<std::size_t>(i)] = '0';
        if (i >= 0) {
          ++digits[static_cast<std::size_t>(i)];
        } else {  // 9.99996 -> 10.0000: the carry moves into the exponent
          digits[0] = '1';
          ++exponent;
        }
      }
    }
    exponent -= shape.integerDigits - 1;
  }

  std::string exponentText = std::to_string(std::abs(exponent));
  if (static_cast<int>(exponentText.size()) < shape.exponentDigits)
    exponentText.insert(0, static_cast<std::size_t>(shape.exponentDigits) - exponentText.size(),
                        '0');
  std::string text = sign + digits.substr(0, static_cast<std::size_t>(shape.integerDigits));
  if (shape.fractionDigits > 0)
    text += "." + digits.substr(static_cast<std::size_t>(shape.integerDigits));
  return text + "E" + (exponent < 0 ? "-" : "+") + exponentText;
}

}  // namespace

std::string FormatMasked(float value, std::string_view mask) {
  if (!mask.empty() && mask.find_first_not_of('@') == std::string_view::npos) {
    std::string text = std::to_string(std::lround(value));
    if (text.size() < mask.size()) text.insert(0, mask.size() - text.size(), ' ');
    return text;
  }
  return FormatScientific(value, ParseScientific(mask));
}

std::string FormatPlainInteger(long value) {
  return (value < 0 ? "-" : " ") + std::to_string(std::labs(value)) + " ";
}

}  // namespace stavelorn
