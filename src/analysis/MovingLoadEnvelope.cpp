#include "analysis/MovingLoadEnvelope.h"

#include "analysis/MemberAxes.h"

namespace stavelorn {

EnvelopeResult ComputeMovingLoadEnvelope(const ModelStore& model, const StructureResults& results,
                                         int member, DiagramQuantity quantity,
                                         const std::vector<int>& path, const LoadTrain& train) {
  EnvelopeResult result;
  result.Problem = LoadTrainProblem(train);
  if (!result.Problem.empty()) return result;
  result.Envelope.Member = member;
  result.Envelope.Quantity = quantity;
  InfluenceQuantity section{InfluenceKind::Internal, member, 0, 0, quantity};
  // The beginning's line also names a member or quantity the model does not have.
  const InfluenceResult first = ComputeInfluenceLine(model, results, section, path);
  if (!first.Problem.empty()) {
    result.Problem = first.Problem;
    return result;
  }
  const double length = MemberLocalAxes(model, member)->Length;
  result.Envelope.Stations.push_back({0, WorstPlacements(first.Line, train)});
  for (int k = 1; k <= 10; ++k) {
    section.X = k == 10 ? length : length * k / 10;
    const InfluenceResult line = ComputeInfluenceLine(model, results, section, path);
    result.Envelope.Stations.push_back({section.X, WorstPlacements(line.Line, train)});
  }
  return result;
}

}  // namespace stavelorn
