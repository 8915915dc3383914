#include "reports/ResultEnvelope.h"

#include <algorithm>
#include <cstddef>
#include <tuple>

#include "model/LoadCombination.h"

namespace stavelorn {

namespace {

// Takes one more source's table into the envelope (the first source starts it).
void Include(TableEnvelope& envelope, const ResultRows& table, int source) {
  if (source == 0) {
    envelope.Max = envelope.Min = table;
    for (const auto& row : table) {
      envelope.MaxBy.emplace_back(row.second.size(), 0);
      envelope.MinBy.emplace_back(row.second.size(), 0);
    }
    return;
  }
  for (std::size_t r = 0; r < table.size(); ++r)
    for (std::size_t k = 0; k < table[r].second.size(); ++k) {
      const float value = table[r].second[k];
      if (value > envelope.Max[r].second[k])
        envelope.Max[r].second[k] = value, envelope.MaxBy[r][k] = source;
      if (value < envelope.Min[r].second[k])
        envelope.Min[r].second[k] = value, envelope.MinBy[r][k] = source;
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
  std::vector<std::vector<MemberDiagram>> diagrams;
  for (std::size_t s = 0; s < sources.size(); ++s) {
    const ModelStore loaded = ModelWithLoads(model, sources[s].Loads);
    const ShownResults shown = ShownResultsOf(loaded, sources[s].Results);
    envelope.Sources.push_back(sources[s].Name);
    Include(envelope.Displacements, shown.Displacements, static_cast<int>(s));
    Include(envelope.EndForces, shown.EndForces, static_cast<int>(s));
    Include(envelope.Reactions, shown.Reactions, static_cast<int>(s));
    if (withDiagrams) diagrams.push_back(BuildMemberDiagrams(loaded, sources[s].Results));
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
