// The text of JSON values as every JSON the program writes spells them.
#pragma once

#include <cmath>
#include <cstdio>
#include <string>

#include "model/NumberText.h"

namespace stavelorn {

inline std::string JsonString(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
      out += escape;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

// Shortest round-trip text of a single or a double; JSON has no infinity or NaN, so those become
// null.
template <typename Real>
std::string JsonNumber(Real value) {
  if (!std::isfinite(value)) return "null";
  return RoundTripText(value);
}

}  // namespace stavelorn
