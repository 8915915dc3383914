#include "reports/ShownResults.h"

#include "model/SupportAxes.h"
#include "reports/JsonText.h"
#include "reports/ResultValues.h"

namespace stavelorn {

ShownResults ShownResultsOf(const ModelStore& model, const StructureResults& results) {
  const int n = model.CoordsPerJoint;
  ShownResults shown;
  for (int j = 1; j <= model.JointCount; ++j) {
    std::vector<float> values;
    for (int k = 1; k <= n; ++k) values.push_back(ShownDisplacement(model, results, j, k));
    shown.Displacements.emplace_back(j, values);
  }
  for (int m = 1; m <= model.MemberCount; ++m) {
    std::vector<float> values;
    for (int c = 1; c <= 2 * n; ++c) values.push_back(results.MemberEndForces(m, c));
    shown.EndForces.emplace_back(m, values);
  }
  for (int s = 1; s <= model.SupportCount; ++s) {
    int joint = model.Supports(s, 1);
    std::vector<float> values;
    for (int k = 1; k <= n; ++k) values.push_back(ShownReaction(model, results, joint, k));
    shown.Reactions.emplace_back(joint, values);
    if (!JointTurnOf(model, joint).Turned()) continue;
    values.clear();
    for (int k = 1; k <= n; ++k)
      values.push_back(ShownReactionInSupportAxes(model, results, joint, k));
    shown.ReactionsInSupportAxes.emplace_back(joint, values);
  }
  return shown;
}

std::string ResultRowsJson(const char* key, const ResultRows& rows) {
  std::string out = "[";
  for (std::size_t i = 0; i < rows.size(); ++i) {
    out += i == 0 ? "\n  " : ",\n  ";
    out += "{\"" + std::string(key) + "\": " + std::to_string(rows[i].first) + ", \"values\": [";
    for (std::size_t k = 0; k < rows[i].second.size(); ++k)
      out += (k ? ", " : "") + JsonNumber(rows[i].second[k]);
    out += "]}";
  }
  return out + (rows.empty() ? "]" : "\n ]");
}

std::string ReactionsJson(const ShownResults& shown) {
  std::string out = ",\n \"supportReactions\": " + ResultRowsJson("joint", shown.Reactions);
  if (!shown.ReactionsInSupportAxes.empty())
    out +=
        ",\n \"supportReactionsLocal\": " + ResultRowsJson("joint", shown.ReactionsInSupportAxes);
  return out;
}

}  // namespace stavelorn
