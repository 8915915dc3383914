#include "reports/LoadCaseJson.h"

#include <array>
#include <cstddef>
#include <type_traits>

#include "analysis/MemberDiagrams.h"
#include "model/LoadCombination.h"
#include "reports/JsonText.h"
#include "reports/ResultEnvelope.h"
#include "reports/ResultsJson.h"
#include "reports/ShownResults.h"

namespace stavelorn {

namespace {

std::string EntryJson(const ModelStore& model, const CaseResults& entry, bool withDiagrams) {
  const ModelStore loaded = ModelWithLoads(model, entry.Loads);
  const ShownResults shown = ShownResultsOf(loaded, entry.Results);
  std::string out = "\n  {\"name\": " + JsonString(entry.Name);
  if (!entry.Factors.empty()) {
    out += ", \"factors\": [";
    for (std::size_t c = 0; c < entry.Factors.size(); ++c)
      out += (c ? ", " : "") + JsonNumber(entry.Factors[c]);
    out += "]";
  }
  out += ",\n \"jointDisplacements\": " + ResultRowsJson("joint", shown.Displacements) +
         ",\n \"memberEndForces\": " + ResultRowsJson("member", shown.EndForces) +
         ReactionsJson(shown);
  if (withDiagrams) out += ",\n \"diagrams\": " + DiagramsJson(loaded, entry.Results);
  return out + "}";
}

std::string EntriesJson(const ModelStore& model, const std::vector<CaseResults>& entries,
                        bool withDiagrams) {
  std::string out = "[";
  for (std::size_t i = 0; i < entries.size(); ++i)
    out += (i ? "," : "") + EntryJson(model, entries[i], withDiagrams);
  return out + (entries.empty() ? "]" : "\n ]");
}

// The names of the sources, in the shape of the table's rows.
std::string NamesJson(const char* key, const ResultRows& rows,
                      const std::vector<std::vector<int>>& by,
                      const std::vector<std::string>& sources) {
  std::string out = "[";
  for (std::size_t r = 0; r < rows.size(); ++r) {
    out += (r ? ",\n  " : "\n  ") + std::string("{\"") + key +
           "\": " + std::to_string(rows[r].first) + ", \"values\": [";
    for (std::size_t k = 0; k < by[r].size(); ++k)
      out += (k ? ", " : "") + JsonString(sources[static_cast<std::size_t>(by[r][k])]);
    out += "]}";
  }
  return out + (rows.empty() ? "]" : "\n ]");
}

std::string TableEnvelopeJson(const char* key, const TableEnvelope& envelope,
                              const std::vector<std::string>& sources) {
  return "{\"max\": " + ResultRowsJson(key, envelope.Max) +
         ",\n \"min\": " + ResultRowsJson(key, envelope.Min) +
         ",\n \"maxBy\": " + NamesJson(key, envelope.Max, envelope.MaxBy, sources) +
         ",\n \"minBy\": " + NamesJson(key, envelope.Min, envelope.MinBy, sources) + "}";
}

// {"N": value, ...} or {"N": "name", ...} over the member's quantities.
template <typename Value>
std::string QuantitiesJson(const ModelStore& model, const MemberEnvelope& member,
                           const std::array<Value, kDiagramQuantityCount>& values,
                           const std::vector<std::string>* sources) {
  std::string out = "{";
  for (std::size_t i = 0; i < member.Quantities.size(); ++i) {
    const DiagramQuantity q = member.Quantities[i];
    const Value value = values[static_cast<std::size_t>(Index(q))];
    out += (i ? ", " : "") + JsonString(QuantityName(model.StructType, q)) + ": ";
    if constexpr (std::is_same_v<Value, int>)
      out += JsonString((*sources)[static_cast<std::size_t>(value)]);
    else
      out += JsonNumber(static_cast<float>(value));
  }
  return out + "}";
}

std::string DiagramEnvelopeJson(const ModelStore& model, const ResultEnvelope& envelope) {
  std::string out = "[";
  for (std::size_t m = 0; m < envelope.Diagrams.size(); ++m) {
    const MemberEnvelope& member = envelope.Diagrams[m];
    out += (m ? ",\n  " : "\n  ") + std::string("{\"member\": ") + std::to_string(member.Member) +
           ", \"stations\": [";
    for (std::size_t i = 0; i < member.Stations.size(); ++i) {
      const StationEnvelope& s = member.Stations[i];
      out += (i ? ",\n    " : "\n    ") + std::string("{\"x\": ") +
             JsonNumber(static_cast<float>(s.X));
      if (s.Side != StationSide::At)
        out += s.Side == StationSide::Before ? ", \"side\": \"before\"" : ", \"side\": \"after\"";
      out += ", \"max\": " + QuantitiesJson<double>(model, member, s.Max, nullptr) +
             ", \"min\": " + QuantitiesJson<double>(model, member, s.Min, nullptr) +
             ", \"maxBy\": " + QuantitiesJson<int>(model, member, s.MaxBy, &envelope.Sources) +
             ", \"minBy\": " + QuantitiesJson<int>(model, member, s.MinBy, &envelope.Sources) + "}";
    }
    out += "]}";
  }
  return out + (envelope.Diagrams.empty() ? "]" : "\n ]");
}

}  // namespace

std::string LoadCasesJson(const ModelStore& model, const std::vector<CaseResults>& cases,
                          const std::vector<CaseResults>& combinations, bool withDiagrams) {
  if (cases.empty()) return "";
  for (const std::vector<CaseResults>* entries : {&cases, &combinations})
    for (const CaseResults& entry : *entries)
      if (!entry.Results.Complete()) return "";
  const ResultEnvelope envelope =
      EnvelopeOf(model, EnvelopeSources(cases, combinations), withDiagrams);
  std::string out = ",\n \"loadCases\": " + EntriesJson(model, cases, withDiagrams) +
                    ",\n \"combinations\": " + EntriesJson(model, combinations, withDiagrams) +
                    ",\n \"envelopes\": {\"jointDisplacements\": " +
                    TableEnvelopeJson("joint", envelope.Displacements, envelope.Sources) +
                    ",\n \"memberEndForces\": " +
                    TableEnvelopeJson("member", envelope.EndForces, envelope.Sources) +
                    ",\n \"supportReactions\": " +
                    TableEnvelopeJson("joint", envelope.Reactions, envelope.Sources);
  if (!envelope.ReactionsInSupportAxes.Max.empty())
    out += ",\n \"supportReactionsLocal\": " +
           TableEnvelopeJson("joint", envelope.ReactionsInSupportAxes, envelope.Sources);
  if (withDiagrams) out += ",\n \"diagrams\": " + DiagramEnvelopeJson(model, envelope);
  return out + "}";
}

}  // namespace stavelorn
