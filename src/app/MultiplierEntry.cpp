#include "app/MultiplierEntry.h"

#include <cmath>

#include "editors/FieldRules.h"

namespace stavelorn {

namespace {

std::string MultiplierProblem(const std::string& text) {
  // Any positive whole number magnifies the shape; the curves are drawn with the same number of
  // points at every multiplier, so only the stored number's range bounds it.
  const std::string problem = FieldProblem("Deflection Multiplier", text, NumberRule(true));
  if (!problem.empty()) return problem;
  const double value = FieldNumber(text).value_or(0);
  if (!(value >= 1 && value <= MultiplierEntry::kLargest && value == std::floor(value)))
    return "The deflection multiplier must be a whole number from 1 to " +
           std::to_string(MultiplierEntry::kLargest) + ".";
  return "";
}

}  // namespace

std::vector<std::string> MultiplierEntry::Choices() const {
  // The automatic value and a few multiples of it, for a closer look at a small movement.
  std::vector<std::string> choices;
  for (std::int64_t factor : {1, 2, 5, 10}) {
    const std::int64_t value = factor * chosen_;
    if (value >= 1 && value <= kLargest) choices.push_back(std::to_string(value));
  }
  return choices;
}

void MultiplierEntry::Type(const std::string& text) {
  if (MultiplierProblem(text).empty()) Accept(text);
}

std::string MultiplierEntry::Enter(const std::string& text) {
  std::string problem = MultiplierProblem(text);
  if (problem.empty()) Accept(text);
  return problem;
}

void MultiplierEntry::Choose(std::int32_t value) {
  chosen_ = value;
  value_ = value;
  text_ = std::to_string(value);
}

void MultiplierEntry::Accept(const std::string& text) {
  value_ = static_cast<std::int32_t>(FieldNumber(text).value_or(0));
  text_ = text;
}

}  // namespace stavelorn
