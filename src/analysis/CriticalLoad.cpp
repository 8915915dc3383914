// The critical load factors as the eigenvalues of the generalized symmetric problem
// -[Kg] φ = μ [K] φ, λ = 1/μ. [K] is positive definite for a structure that could be analysed,
// [Kg] is not (tension and compression), so the problem is posed with [K] on the right, where
// the solver's Cholesky factor needs a definite matrix: every μ is then real, and the largest
// positive μ are the smallest positive λ. The full matrices give every μ at once, with no
// shift to guess and no mode missed, which an iteration from the lowest λ could not promise.

#include "analysis/CriticalLoad.h"

#include <Eigen/Eigenvalues>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "analysis/DividedSolution.h"
#include "analysis/GeometricStiffness.h"

namespace stavelorn {

namespace {

// A factor smaller than this part of the largest |μ| is the rounding of an exact zero: a
// coordinate [Kg] does not reach.
constexpr double kZeroEigenvalue = 1e-10;

std::string Factor(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4g", value);
  return text;
}

// The mode φ at every joint coordinate (0 at the held ones), scaled so that its largest
// translation is 1 and positive.
std::vector<double> ScaledMode(const ModelStore& model, const DividedStructure& d,
                               const Eigen::VectorXd& phi) {
  std::vector<double> mode(d.CoordNumbers.size(), 0.0);
  for (std::size_t c = 0; c < mode.size(); ++c)
    if (d.CoordNumbers[c] <= d.FreeCount) mode[c] = phi(d.CoordNumbers[c] - 1);
  double largest = 0;
  for (std::size_t c = 0; c < mode.size(); ++c) {
    const int k = static_cast<int>(c % static_cast<std::size_t>(d.CoordsPerJoint)) + 1;
    if (!IsRotation(model.StructType, k) && std::abs(mode[c]) > std::abs(largest))
      largest = mode[c];
  }
  if (largest != 0)
    for (double& value : mode) value = value / largest + 0.0;  // + 0: no -0 at held coordinates
  return mode;
}

}  // namespace

CriticalLoads ComputeCriticalLoads(const ModelStore& model, const StructureResults& analysed,
                                   int modes, int segments) {
  CriticalLoads result;
  result.Message = SupportsNotDivided(model);
  if (!result.Message.empty()) {
    result.Solved = false;
    return result;
  }
  const DividedStructure d = DivideMembers(model, analysed, segments);
  if (d.FreeCount > kLargestBucklingProblem) {
    result.Message = "With " + std::to_string(segments) + " pieces per member the structure has " +
                     std::to_string(d.FreeCount) + " unknowns, more than the " +
                     std::to_string(kLargestBucklingProblem) +
                     " the critical load is found for; divide the members into fewer pieces.";
    result.Solved = false;
    return result;
  }
  const std::optional<DividedSolution> first = SolveDivided(d, {});
  if (!first) {
    result.Message = "The first-order analysis of the divided members failed.";
    result.Solved = false;
    return result;
  }
  const std::vector<double>& axial = first->AxialForces;
  double largestAxial = 0;
  for (double n : axial) largestAxial = std::max(largestAxial, std::abs(n));
  const bool compressed = std::any_of(
      axial.begin(), axial.end(), [&](double n) { return n < -kZeroEigenvalue * largestAxial; });
  if (!compressed || d.FreeCount == 0) {
    result.Message =
        "No member is in compression under the project's loads, so no multiple of them makes "
        "the structure buckle.";
    return result;
  }

  const Eigen::Index n = d.FreeCount;
  Eigen::MatrixXd stiffness = Eigen::MatrixXd::Zero(n, n), geometric = Eigen::MatrixXd::Zero(n, n);
  ForEachFreeEntry(
      d, [](const MemberSegment& piece, std::size_t) { return piece.LocalStiffness; },
      [&](int row, int col, double value) { stiffness(row - 1, col - 1) += value; });
  ForEachFreeEntry(
      d,
      [&](const MemberSegment& piece, std::size_t p) {
        return ComputeLocalGeometricStiffness(piece.Context, piece.Geometry.Length, -axial[p],
                                              piece.HoldsTwist);
      },
      [&](int row, int col, double value) { geometric(row - 1, col - 1) += value; });
  const Eigen::GeneralizedSelfAdjointEigenSolver<Eigen::MatrixXd> solver(geometric, stiffness);
  if (solver.info() != Eigen::Success) {
    result.Message = "The eigenvalues of the critical load could not be found.";
    result.Solved = false;
    return result;
  }
  const Eigen::VectorXd& mu = solver.eigenvalues();  // ascending
  const double scale = mu.cwiseAbs().maxCoeff();
  for (Eigen::Index i = n - 1; i >= 0 && static_cast<int>(result.Modes.size()) < modes; --i) {
    if (mu(i) <= kZeroEigenvalue * scale) break;
    const std::vector<double> mode = ScaledMode(model, d, solver.eigenvectors().col(i));
    const auto projectEnd = mode.begin() + model.JointCount * d.CoordsPerJoint;
    result.Modes.push_back({1 / mu(i), std::vector<double>(mode.begin(), projectEnd),
                            std::vector<double>(projectEnd, mode.end())});
  }
  if (static_cast<int>(result.Modes.size()) == modes) return result;
  const bool reversed = n > 0 && mu(0) < -kZeroEigenvalue * scale;
  if (result.Modes.empty())
    result.Message =
        reversed ? "The structure buckles only under the loads reversed (load factor " +
                       Factor(1 / mu(0)) + "): under the loads as given, no positive factor exists."
                 : "The compressed members are held by the rest of the structure: "
                   "no positive load factor makes it buckle.";
  else
    result.Message = "Only " + std::to_string(result.Modes.size()) +
                     " positive load factors exist; the other modes would need the loads "
                     "reversed or the members in tension to buckle.";
  return result;
}

}  // namespace stavelorn
