// An envelope as the results windows and the diagrams show it: each result table with a greatest
// and a least row under every joint, member end or support, each value followed by the case or
// combination that gives it; and each diagram as two curves, the greatest and the least value at
// every station.
#pragma once

#include <utility>
#include <vector>

#include "analysis/MemberDiagrams.h"
#include "app/ResultTables.h"
#include "reports/ResultEnvelope.h"

namespace stavelorn {

// The envelope's table of the results window `form` (Disp, MbForce or Reac); `layout` is any
// complete analysis of the model (the headings and widths follow it).
ResultTable EnvelopeTable(const ModelStore& model, const ResultEnvelope& envelope,
                          const StructureResults& layout, FormId form);

// The greatest (first) and least (second) curves of an envelope built with its diagrams, one
// diagram per member, straight between the envelope's stations and jumping where they do.
std::pair<std::vector<MemberDiagram>, std::vector<MemberDiagram>> EnvelopeCurves(
    const ResultEnvelope& envelope);

}  // namespace stavelorn
