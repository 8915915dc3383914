#include "reports/ResultsJson.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

#include "reports/ResultValues.h"
#include "reports/TrailJson.h"

namespace stavelorn {

namespace {

std::string JsonString(const std::string& text) {
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

// Shortest round-trip text of a single; JSON has no infinity or NaN, so those become null.
std::string JsonNumber(float value) {
  if (!std::isfinite(value)) return "null";
  char buffer[32];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

// One record per line: {"<key>": number, "values": [v1, v2, ...]}.
std::string Entries(const char* key, const std::vector<std::pair<int, std::vector<float>>>& rows) {
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

}  // namespace

std::string ResultsJson(const ModelStore& model, bool doublePrecision, const MethodTrail* trail) {
  std::string out = "{\"status\": " + std::to_string(model.AnalysisStatus) +
                    ", \"structType\": " + JsonString(model.StructType);
  if (model.AnalysisStatus != kAnalysisComplete) return out + "}\n";

  const int n = model.CoordsPerJoint;
  std::vector<std::pair<int, std::vector<float>>> displacements, forces, reactions;
  for (int j = 1; j <= model.JointCount; ++j) {
    std::vector<float> values;
    for (int k = 1; k <= n; ++k) values.push_back(ShownDisplacement(model, j, k));
    displacements.emplace_back(j, values);
  }
  for (int m = 1; m <= model.MemberCount; ++m) {
    std::vector<float> values;
    for (int c = 1; c <= 2 * n; ++c) values.push_back(model.MemberEndForces(m, c));
    forces.emplace_back(m, values);
  }
  for (int s = 1; s <= model.SupportCount; ++s) {
    int joint = model.Supports(s, 1);
    std::vector<float> values;
    for (int k = 1; k <= n; ++k) values.push_back(ShownReaction(model, joint, k));
    reactions.emplace_back(joint, values);
  }
  out += ", \"dofCount\": " + std::to_string(model.DofCount) +
         ", \"precision\": " + (doublePrecision ? "\"double\"" : "\"single\"") +
         ",\n \"jointDisplacements\": " + Entries("joint", displacements) +
         ",\n \"memberEndForces\": " + Entries("member", forces) +
         ",\n \"supportReactions\": " + Entries("joint", reactions);
  if (trail) out += ",\n \"trail\": " + TrailJson(*trail);
  return out + "}\n";
}

}  // namespace stavelorn
