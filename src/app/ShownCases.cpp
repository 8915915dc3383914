#include "app/ShownCases.h"

#include "model/LoadCombination.h"

namespace stavelorn {

std::vector<ShownChoice> ShownChoicesOf(const ModelStore& model,
                                        const std::vector<CaseResults>& cases,
                                        const std::vector<CaseResults>& combinations) {
  std::vector<ShownChoice> choices;
  if (cases.empty()) return choices;
  for (std::size_t c = 0; c < cases.size(); ++c) {
    const int number = static_cast<int>(c) + 1;
    choices.push_back({ShownKind::Case, number, LoadCaseTitle(model, number)});
  }
  for (std::size_t k = 0; k < combinations.size(); ++k)
    choices.push_back(
        {ShownKind::Combination, static_cast<int>(k), "Combination " + combinations[k].Name});
  const std::size_t sources = combinations.empty() ? cases.size() : combinations.size();
  if (sources >= 2)
    choices.push_back(
        {ShownKind::Envelope, 0,
         combinations.empty() ? "Envelope of the load cases" : "Envelope of the combinations"});
  return choices;
}

std::string NoTrailReason(const ModelStore& model, const ShownChoice& choice, bool hasTrail) {
  switch (choice.Kind) {
    case ShownKind::Combination:
      return "A load combination has no step-by-step solution of its own: its results are the "
             "factored sum of its load cases' results. Show one of its load cases to follow the "
             "method.";
    case ShownKind::Envelope:
      return "An envelope has no step-by-step solution of its own: it is the greatest and least "
             "of each result over its sources. Show one load case to follow the method.";
    case ShownKind::Case: break;
  }
  if (hasTrail) return "";
  return "The analysis kept no step-by-step solution of " + LoadCaseTitle(model, choice.Index) +
         ". Analyse again to follow the method.";
}

}  // namespace stavelorn
