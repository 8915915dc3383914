#include "reports/ResultsJson.h"

#include <vector>

#include "analysis/CriticalLoad.h"
#include "analysis/InfluenceLine.h"
#include "analysis/MechanismMode.h"
#include "analysis/MemberDiagrams.h"
#include "analysis/SecondOrder.h"
#include "reports/JsonText.h"
#include "reports/ShownResults.h"
#include "reports/TrailJson.h"

namespace stavelorn {

namespace {

// ,\n "mechanism": {"mode": [{"joint": j, "values": [...]}, ...], "moving": ["Joint 4 X
// Translation", ...]} for a model whose mechanism mode was found, "" otherwise.
std::string MechanismJson(const ModelStore& model, const StructureResults& results) {
  const int n = model.CoordsPerJoint;
  const std::vector<double>& mode = results.MechanismMode;
  if (mode.empty() || n < 1 || mode.size() != static_cast<std::size_t>(model.JointCount) * n)
    return "";
  std::string rows = "[";
  for (int j = 1; j <= model.JointCount; ++j) {
    rows += j == 1 ? "\n  " : ",\n  ";
    rows += "{\"joint\": " + std::to_string(j) + ", \"values\": [";
    for (int k = 1; k <= n; ++k)
      rows += (k > 1 ? ", " : "") + JsonNumber(mode[static_cast<std::size_t>((j - 1) * n + k - 1)]);
    rows += "]}";
  }
  std::string moving = "[";
  for (const MovingCoordinate& m : MostMovingCoordinates(model, mode)) {
    if (moving.size() > 1) moving += ", ";
    moving += JsonString(MovingCoordinateName(model, m));
  }
  return ",\n \"mechanism\": {\"mode\": " + rows + "\n ],\n  \"moving\": " + moving + "]}";
}

// , "units": {"force": "kN", "length": "m", "temperature": "C"} with the names the project
// file writes; "" for a project that does not name its units.
std::string UnitsJson(const UnitSystem& units) {
  if (!units.Named) return "";
  return ", \"units\": {\"force\": " + JsonString(InfoOf(units.Force).Name) +
         ", \"length\": " + JsonString(InfoOf(units.Length).Name) +
         ", \"temperature\": " + JsonString(InfoOf(units.Temperature).Name) + "}";
}

// {"x": x, "value": v} with "side" where the line jumps, and "member" first when given.
std::string InfluencePointJson(const InfluenceStation& s, int member = 0) {
  std::string out = "{";
  if (member) out += "\"member\": " + std::to_string(member) + ", ";
  out += "\"x\": " + JsonNumber(s.X);
  if (s.Side != StationSide::At)
    out += s.Side == StationSide::Before ? ", \"side\": \"before\"" : ", \"side\": \"after\"";
  return out + ", \"value\": " + JsonNumber(s.Value) + "}";
}

// ",\n \"plausibilityNotes\": [...]", or nothing without notes: a plausible model's JSON stays as
// it was.
std::string PlausibilityNotesJson(const std::vector<std::string>& notes) {
  if (notes.empty()) return "";
  std::string out = ",\n \"plausibilityNotes\": [";
  for (std::size_t i = 0; i < notes.size(); ++i) out += (i ? ", " : "") + JsonString(notes[i]);
  return out + "]";
}

}  // namespace

std::string InfluenceJson(const InfluenceLine& line, const std::string& what,
                          const std::string& moreKeys) {
  std::string out = "{\"what\": " + JsonString(what) + ",\n  \"path\": [";
  for (std::size_t m = 0; m < line.Path.size(); ++m) {
    const InfluenceSpan& span = line.Path[m];
    out += (m ? ",\n   " : "\n   ") + std::string("{\"member\": ") + std::to_string(span.Member) +
           ", \"stations\": [";
    for (std::size_t i = 0; i < span.Stations.size(); ++i)
      out += (i ? ",\n    " : "\n    ") + InfluencePointJson(span.Stations[i]);
    out += "]}";
  }
  return out + "],\n  \"max\": " + InfluencePointJson(line.Max.Station, line.Max.Member) +
         ",\n  \"min\": " + InfluencePointJson(line.Min.Station, line.Min.Member) + moreKeys + "}";
}

std::string DiagramsJson(const ModelStore& model, const StructureResults& results) {
  std::string out = "[";
  const std::vector<MemberDiagram> diagrams = BuildMemberDiagrams(model, results);
  auto number = [](double value) { return JsonNumber(static_cast<float>(value)); };
  for (std::size_t m = 0; m < diagrams.size(); ++m) {
    const MemberDiagram& d = diagrams[m];
    out += (m ? ",\n  " : "\n  ") + std::string("{\"member\": ") + std::to_string(d.Member) +
           ", \"length\": " + number(d.Length) + ",\n   \"stations\": [";
    for (std::size_t i = 0; i < d.Stations.size(); ++i) {
      const DiagramStation& s = d.Stations[i];
      out += (i ? ",\n    " : "\n    ") + std::string("{\"x\": ") + number(s.X);
      // The two sections at a concentrated load share their x.
      if (s.Side != StationSide::At)
        out += s.Side == StationSide::Before ? ", \"side\": \"before\"" : ", \"side\": \"after\"";
      for (DiagramQuantity q : d.Quantities)
        out += ", " + JsonString(QuantityName(model.StructType, q)) + ": " +
               number(s.Values[static_cast<std::size_t>(Index(q))]);
      out += "}";
    }
    out += "],\n   \"extremes\": [";
    for (std::size_t i = 0; i < d.Extremes.size(); ++i) {
      const DiagramExtreme& e = d.Extremes[i];
      out += (i ? ",\n    " : "\n    ") + std::string("{\"quantity\": ") +
             JsonString(QuantityName(model.StructType, e.Quantity)) + ", \"kind\": \"" +
             (e.Maximum ? "max" : "min") + "\", \"x\": " + number(e.X) +
             ", \"value\": " + number(e.Value) + "}";
    }
    out += "]}";
  }
  return out + (diagrams.empty() ? "]" : "\n ]");
}

std::string ResultKeysJson(const ModelStore& model, const StructureResults& results) {
  const ShownResults shown = ShownResultsOf(model, results);
  return "\"jointDisplacements\": " + ResultRowsJson("joint", shown.Displacements) +
         ",\n \"memberEndForces\": " + ResultRowsJson("member", shown.EndForces) +
         ReactionsJson(shown);
}

std::string ResultsJson(const ModelStore& model, const StructureResults& results,
                        bool doublePrecision, const std::string& accuracyNote,
                        const MethodTrail* trail, bool withDiagrams, const std::string& influence,
                        const std::string& loadCases) {
  std::string out = "{\"status\": " + std::to_string(results.AnalysisStatus) +
                    ", \"structType\": " + JsonString(model.StructType) + UnitsJson(model.Units);
  if (results.AnalysisStatus != kAnalysisComplete)
    return out + MechanismJson(model, results) + "}\n";

  out += ", \"dofCount\": " + std::to_string(results.DofCount) +
         ", \"precision\": " + (doublePrecision ? "\"double\"" : "\"single\"") +
         (accuracyNote.empty() ? "" : ",\n \"accuracyNote\": " + JsonString(accuracyNote)) +
         PlausibilityNotesJson(results.PlausibilityNotes) + ",\n " + ResultKeysJson(model, results);
  if (trail) out += ",\n \"trail\": " + TrailJson(*trail);
  if (withDiagrams) out += ",\n \"diagrams\": " + DiagramsJson(model, results);
  if (!influence.empty()) out += ",\n \"influence\": " + influence;
  return out + loadCases + "}\n";
}

std::string BucklingJson(const ModelStore& model, const CriticalLoads& loads) {
  std::string factors = "[", modes = "[";
  const int n = model.CoordsPerJoint;
  for (std::size_t i = 0; i < loads.Modes.size(); ++i) {
    const BucklingMode& mode = loads.Modes[i];
    factors += (i ? ", " : "") + JsonNumber(mode.LoadFactor);
    modes += (i ? ",\n  " : "\n  ") + std::string("{\"loadFactor\": ") +
             JsonNumber(mode.LoadFactor) + ", \"jointDisplacements\": [";
    for (int j = 1; j <= model.JointCount; ++j) {
      modes += (j > 1 ? ",\n   " : "\n   ") + std::string("{\"joint\": ") + std::to_string(j) +
               ", \"values\": [";
      for (int k = 1; k <= n; ++k)
        modes += (k > 1 ? ", " : "") +
                 JsonNumber(mode.JointDisplacements[static_cast<std::size_t>((j - 1) * n + k - 1)]);
      modes += "]}";
    }
    modes += "]}";
  }
  return "{\"loadFactors\": " + factors + "],\n \"modes\": " + modes +
         (loads.Modes.empty() ? "]" : "\n ]") +
         (loads.Message.empty() ? "" : ",\n \"message\": " + JsonString(loads.Message)) + "}";
}

std::string SecondOrderJson(const ModelStore& model, const SecondOrderRun& run) {
  return "{\"iterations\": " + std::to_string(run.Iterations) + ",\n \"firstOrder\": {" +
         ResultKeysJson(model, run.FirstOrder) + "}}";
}

std::string WithJsonMember(const std::string& object, const std::string& key,
                           const std::string& value) {
  const std::size_t close = object.rfind('}');
  if (close == std::string::npos) return object;
  return object.substr(0, close) + ",\n " + JsonString(key) + ": " + value + object.substr(close);
}

}  // namespace stavelorn
