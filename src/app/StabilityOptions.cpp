#include "app/StabilityOptions.h"

#include "editors/FieldRules.h"

namespace stavelorn {

const std::array<StabilityField, kStabilityFieldCount>& StabilityFields() {
  static const std::array<StabilityField, kStabilityFieldCount> fields = {{
      {"&Pieces per member:", "Pieces per member", 1, kMaxSegments, &StabilityOptions::Segments},
      {"&Buckling modes:", "Buckling modes", 1, kMaxBucklingModes, &StabilityOptions::Modes},
  }};
  return fields;
}

StabilityOptionsForm StabilityOptionsForm::Load(const StabilityOptions& options) {
  StabilityOptionsForm form;
  for (std::size_t i = 0; i < kStabilityFieldCount; ++i)
    form.Texts[i] = std::to_string(options.*StabilityFields()[i].Value);
  return form;
}

StabilityOptionsForm::Refusal StabilityOptionsForm::Check() const {
  for (std::size_t i = 0; i < kStabilityFieldCount; ++i) {
    const StabilityField& field = StabilityFields()[i];
    std::string problem = FieldProblem(field.Name, Texts[i], WholeRule(field.Low, field.High));
    if (!problem.empty()) return {std::move(problem), i};
  }
  return {};
}

StabilityOptions StabilityOptionsForm::Chosen() const {
  StabilityOptions options;
  for (std::size_t i = 0; i < kStabilityFieldCount; ++i)
    options.*StabilityFields()[i].Value = static_cast<int>(*FieldNumber(Texts[i]));
  return options;
}

std::string PiecesText(const StabilityOptions& options) {
  return "each member in " + std::to_string(options.Segments) +
         (options.Segments == 1 ? " piece" : " pieces");
}

std::string LoadFactorsText(const StabilityOptions& options) {
  return "Multiples of the project's loads, " + PiecesText(options) + ".";
}

}  // namespace stavelorn
