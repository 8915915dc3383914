#include "editors/FieldRules.h"

#include <cmath>

#include "model/NumberText.h"

namespace stavelorn {

namespace {

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string FieldName(const std::string& label) {
  const std::size_t end = label.find_last_not_of(" :");
  const std::size_t start = label.find_first_not_of(' ');
  if (end == std::string::npos) return label;
  return label.substr(start, end - start + 1);
}

}  // namespace

FieldRule TextRule() {
  return {FieldRule::Kind::Text, true, 0, 0};
}

FieldRule NumberRule(bool required) {
  return {FieldRule::Kind::Number, required, 0, 0};
}

FieldRule PositiveRule() {
  return {FieldRule::Kind::Positive, true, 0, 0};
}

FieldRule WholeRule(int low, int high) {
  return {FieldRule::Kind::Whole, true, low, high};
}

std::optional<double> FieldNumber(const std::string& text) {
  const std::string number = Trimmed(text);
  // The value is stored in single precision, so it must also be a finite single.
  const std::optional<float> single = ParseSingle(number);
  if (!single || !StoredRangeProblem(number).empty()) return std::nullopt;
  return LeadingNumber(number);
}

std::string FieldProblem(const std::string& label, const std::string& text, const FieldRule& rule) {
  if (rule.Is == FieldRule::Kind::Any) return "";
  const std::string name = FieldName(label);
  if (Trimmed(text).empty())
    return rule.Required ? name + ": this field may not be left empty. Please enter a value." : "";
  if (rule.Is == FieldRule::Kind::Text) return "";
  const std::string typed = "\"" + text + "\"";
  const std::optional<float> single = ParseSingle(Trimmed(text));
  if (!single) return name + ": " + typed + " is not a number.";
  const std::string limit = StoredRangeProblem(Trimmed(text));
  if (!limit.empty()) return name + ": " + limit + ".";
  const std::optional<double> value = FieldNumber(text);
  switch (rule.Is) {
    case FieldRule::Kind::Positive:
      if (!(*value > 0)) return name + ": " + typed + " must be greater than 0.";
      return "";
    case FieldRule::Kind::Whole:
      if (rule.High < rule.Low) return name + ": " + typed + " names nothing: there are none yet.";
      if (*value != std::floor(*value) || *value < rule.Low || *value > rule.High)
        return name + ": " + typed + " is out of range. Enter a whole number from " +
               std::to_string(rule.Low) + " to " + std::to_string(rule.High) + ".";
      return "";
    default: return "";
  }
}

}  // namespace stavelorn
