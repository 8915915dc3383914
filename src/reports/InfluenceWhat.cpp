#include "reports/InfluenceWhat.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace stavelorn {

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts{""};
  for (char c : text) {
    if (c == separator)
      parts.emplace_back();
    else
      parts.back() += c;
  }
  return parts;
}

// A whole number of 1 to 5 digits (joint, member and coordinate numbers fit in 16 bits).
std::optional<int> Whole(const std::string& text) {
  if (text.empty() || text.size() > 5) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace

std::optional<double> ReadFiniteNumber(const std::string& text) {
  if (text.empty() || std::isspace(static_cast<unsigned char>(text.front()))) return std::nullopt;
  char* end = nullptr;
  errno = 0;
  const double value = std::strtod(text.c_str(), &end);
  if (*end != '\0' || errno == ERANGE || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<InfluenceQuantity> ParseInfluenceWhat(const std::string& text) {
  const std::vector<std::string> parts = Split(text, ':');
  InfluenceQuantity q;
  const std::string& kind = parts.front();
  if (kind == "reaction" || kind == "displacement" || kind == "end-force") {
    if (parts.size() != 3) return std::nullopt;
    q.Kind = kind == "reaction"       ? InfluenceKind::Reaction
             : kind == "displacement" ? InfluenceKind::Displacement
                                      : InfluenceKind::EndForce;
  } else if (kind == "internal") {
    if (parts.size() != 4) return std::nullopt;
    q.Kind = InfluenceKind::Internal;
    const std::optional<double> x = ReadFiniteNumber(parts[2]);
    const std::optional<DiagramQuantity> quantity = QuantityNamed(parts[3]);
    if (!x || !quantity) return std::nullopt;
    q.X = *x;
    q.Quantity = *quantity;
  } else {
    return std::nullopt;
  }
  const std::optional<int> item = Whole(parts[1]);
  if (!item) return std::nullopt;
  q.Item = *item;
  if (q.Kind != InfluenceKind::Internal) {
    const std::optional<int> component = Whole(parts[2]);
    if (!component) return std::nullopt;
    q.Component = *component;
  }
  return q;
}

std::optional<std::vector<int>> ParseInfluencePath(const std::string& text) {
  std::vector<int> path;
  for (const std::string& part : Split(text, ',')) {
    const std::optional<int> member = Whole(part);
    if (!member) return std::nullopt;
    path.push_back(*member);
  }
  return path;
}

}  // namespace stavelorn
