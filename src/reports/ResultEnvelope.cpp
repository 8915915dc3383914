#include "reports/ResultEnvelope.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <tuple>

#include "model/LoadCombination.h"
#include "reports/ResultValues.h"

namespace stavelorn {

namespace {

// Starts the envelope of a table with the first source's values.
void Start(TableEnvelope& envelope, const ResultRows& table) {
  envelope.Max = envelope.Min = table;
  for (const auto& row : table) {
    envelope.MaxBy.emplace_back(row.second.size(), 0);
    envelope.MinBy.emplace_back(row.second.size(), 0);
  }
}

// Takes one more source into the envelope: `value(r, k)` is its entry k of row r, numbered from
// 0 as the rows the first source started.
template <typename Value>
void Include(TableEnvelope& envelope, int source, Value value) {
  for (std::size_t r = 0; r < envelope.Max.size(); ++r) {
    std::vector<float>& max = envelope.Max[r].second;
    std::vector<float>& min = envelope.Min[r].second;
    for (std::size_t k = 0; k < max.size(); ++k) {
      const float v = value(r, k);
      if (v > max[k]) max[k] = v, envelope.MaxBy[r][k] = source;
      if (v < min[k]) min[k] = v, envelope.MinBy[r][k] = source;
    }
  }
}

// Every table's envelope over the sources, each source's values read straight from its results
// as ShownResultsOf shows them, on one copy of the structure that takes each source's loads in
// turn (the settlements are shown as the displacements of the joints they move).
void IncludeTables(ResultEnvelope& envelope, ModelStore& loaded,
                   const std::vector<CaseResults>& sources) {
  for (std::size_t s = 0; s < sources.size(); ++s) {
    static_cast<LoadSet&>(loaded) = sources[s].Loads;
    const StructureResults& results = sources[s].Results;
    envelope.Sources.push_back(sources[s].Name);
    if (s == 0) {
      const ShownResults shown = ShownResultsOf(loaded, results);
      Start(envelope.Displacements, shown.Displacements);
      Start(envelope.EndForces, shown.EndForces);
      Start(envelope.Reactions, shown.Reactions);
      Start(envelope.ReactionsInSupportAxes, shown.ReactionsInSupportAxes);
      continue;
    }
    const int source = static_cast<int>(s);
    if (results.MemberEndForces.Rows() != static_cast<int>(envelope.EndForces.Max.size()))
      throw std::out_of_range("\"" + sources[s].Name + "\" has other members than \"" +
                              sources[0].Name + "\"");
    const float* endForces = results.MemberEndForces.Data();
    const std::size_t row = static_cast<std::size_t>(results.MemberEndForces.Cols());
    auto at = [](std::size_t i) { return static_cast<int>(i) + 1; };
    Include(envelope.Displacements, source, [&](std::size_t r, std::size_t k) {
      return ShownDisplacement(loaded, results, envelope.Displacements.Max[r].first, at(k));
    });
    Include(envelope.EndForces, source,
            [&](std::size_t r, std::size_t k) { return endForces[r * row + k]; });
    Include(envelope.Reactions, source, [&](std::size_t r, std::size_t k) {
      return ShownReaction(loaded, results, envelope.Reactions.Max[r].first, at(k));
    });
    Include(envelope.ReactionsInSupportAxes, source, [&](std::size_t r, std::size_t k) {
      return ShownReactionInSupportAxes(loaded, results,
                                        envelope.ReactionsInSupportAxes.Max[r].first, at(k));
    });
  }
}

int SideOrder(StationSide side) {
  return side == StationSide::Before ? 0 : side == StationSide::At ? 1 : 2;
}

MemberEnvelope DiagramEnvelopeOf(const std::vector<const MemberDiagram*>& diagrams) {
  MemberEnvelope envelope;
  envelope.Member = diagrams.front()->Member;
  envelope.Quantities = diagrams.front()->Quantities;
  std::vector<std::pair<double, StationSide>> stations;
  for (const MemberDiagram* diagram : diagrams)
    for (const DiagramStation& s : diagram->Stations) stations.emplace_back(s.X, s.Side);
  auto order = [](const auto& a, const auto& b) {
    return std::make_tuple(a.first, SideOrder(a.second)) <
           std::make_tuple(b.first, SideOrder(b.second));
  };
  std::sort(stations.begin(), stations.end(), order);
  stations.erase(std::unique(stations.begin(), stations.end()), stations.end());
  for (const auto& [x, side] : stations) {
    StationEnvelope station;
    station.X = x;
    station.Side = side;
    for (DiagramQuantity q : envelope.Quantities) {
      const std::size_t i = static_cast<std::size_t>(Index(q));
      for (std::size_t s = 0; s < diagrams.size(); ++s) {
        const double value = diagrams[s]->ValueAt(q, x, side);
        if (s == 0 || value > station.Max[i])
          station.Max[i] = value, station.MaxBy[i] = static_cast<int>(s);
        if (s == 0 || value < station.Min[i])
          station.Min[i] = value, station.MinBy[i] = static_cast<int>(s);
      }
    }
    envelope.Stations.push_back(station);
  }
  return envelope;
}

}  // namespace

const std::vector<CaseResults>& EnvelopeSources(const std::vector<CaseResults>& cases,
                                                const std::vector<CaseResults>& combinations) {
  return combinations.empty() ? cases : combinations;
}

ResultEnvelope EnvelopeOf(const ModelStore& model, const std::vector<CaseResults>& sources,
                          bool withDiagrams) {
  ResultEnvelope envelope;
  ModelStore loaded = ModelWithLoads(model, LoadSet());
  IncludeTables(envelope, loaded, sources);
  std::vector<std::vector<MemberDiagram>> diagrams;
  if (withDiagrams)
    for (const CaseResults& source : sources) {
      static_cast<LoadSet&>(loaded) = source.Loads;
      diagrams.push_back(BuildMemberDiagrams(loaded, source.Results));
    }
  if (diagrams.empty()) return envelope;
  for (std::size_t m = 0; m < diagrams.front().size(); ++m) {
    std::vector<const MemberDiagram*> ofMember;
    for (const std::vector<MemberDiagram>& source : diagrams) ofMember.push_back(&source[m]);
    envelope.Diagrams.push_back(DiagramEnvelopeOf(ofMember));
  }
  return envelope;
}

}  // namespace stavelorn
