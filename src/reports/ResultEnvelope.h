// Envelopes of the results of several load cases or combinations (the sources): for every value
// of the result tables and every diagram station, the greatest and the least over the sources,
// each with the source that gives it (the first one where several give the same value).
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "analysis/LoadCaseResults.h"
#include "analysis/MemberDiagrams.h"
#include "model/ModelStore.h"
#include "reports/ShownResults.h"

namespace stavelorn {

// One table's envelope, rows as the tables' rows; the *By entries index the sources.
struct TableEnvelope {
  ResultRows Max, Min;
  std::vector<std::vector<int>> MaxBy, MinBy;
};

struct StationEnvelope {
  double X = 0;
  StationSide Side = StationSide::At;
  std::array<double, kDiagramQuantityCount> Max{}, Min{};
  std::array<int, kDiagramQuantityCount> MaxBy{}, MinBy{};
};

struct MemberEnvelope {
  int Member = 0;
  std::vector<DiagramQuantity> Quantities;
  // The union of every source's stations along the member, by x (before, at, after a jump).
  std::vector<StationEnvelope> Stations;
};

struct ResultEnvelope {
  std::vector<std::string> Sources;  // the names of the cases or combinations
  TableEnvelope Displacements, EndForces, Reactions;
  // The turned supports' reactions along their own axes; no rows when no support is turned.
  TableEnvelope ReactionsInSupportAxes;
  std::vector<MemberEnvelope> Diagrams;  // filled when asked for
};

// The sources of a project's envelope: its combinations, or its cases when it has none.
const std::vector<CaseResults>& EnvelopeSources(const std::vector<CaseResults>& cases,
                                                const std::vector<CaseResults>& combinations);

// The envelope over `sources` (each complete, of `model`'s structure), with the diagrams'
// envelope when `withDiagrams`.
ResultEnvelope EnvelopeOf(const ModelStore& model, const std::vector<CaseResults>& sources,
                          bool withDiagrams);

}  // namespace stavelorn
