// The envelope of a moving load along a member: at the member's ends and tenth points, the
// greatest and least internal force the train can cause there, each from the influence line of
// that section, with the train's worst positions.
#pragma once

#include <string>
#include <vector>

#include "analysis/MovingLoad.h"

namespace stavelorn {

struct EnvelopeStation {
  double X = 0;
  MovingLoadExtremes Worst;
};

struct MovingLoadEnvelope {
  int Member = 0;
  DiagramQuantity Quantity = DiagramQuantity::Mz;
  std::vector<EnvelopeStation> Stations;  // by x, 11 of them
};

struct EnvelopeResult {
  MovingLoadEnvelope Envelope;
  std::string Problem;  // "" when the envelope was computed
};

// The envelope of `quantity` along `member` under `train` travelling on `path` (the default
// path when empty), for a model whose analysis is complete.
EnvelopeResult ComputeMovingLoadEnvelope(const ModelStore& model, const StructureResults& results,
                                         int member, DiagramQuantity quantity,
                                         const std::vector<int>& path, const LoadTrain& train);

}  // namespace stavelorn
