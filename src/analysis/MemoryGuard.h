// Refuses an analysis whose stiffness matrices cannot fit in this computer's memory, before
// anything is allocated: a message is better than a crash or a machine brought to a crawl.
#pragma once

#include <cstdint>
#include <string>

#include "analysis/AnalysisPrecision.h"
#include "model/ModelStore.h"

namespace stavelorn {

// Memory this computer can give the program now, in bytes (0 when it cannot be told).
std::uint64_t AvailableMemoryBytes();

// Bytes the stiffness matrices of an analysis with `dofCount` unknowns and the half-bandwidth
// `halfBandwidth` take as they are allocated: the single-precision one in full (unless the
// analysis is in double precision alone), and the upper band of the double-precision one.
std::uint64_t StiffnessMatrixBytes(std::uint64_t dofCount, std::uint64_t halfBandwidth,
                                   AnalysisPrecision precision = AnalysisPrecision::Single);

// "" when the model's analysis fits in `available` bytes (0: unknown, taken as fitting), else
// the message that refuses it. The exact count of unknowns and the band are worked out only when
// every joint coordinate left free, all coupled to each other, would not fit. A model that fails
// the stability count needs the double-precision matrix its mechanism mode is sought in
// (MechanismMode.h).
std::string MemoryRefusal(const ModelStore& model, std::uint64_t available,
                          AnalysisPrecision precision = AnalysisPrecision::Single);

}  // namespace stavelorn
