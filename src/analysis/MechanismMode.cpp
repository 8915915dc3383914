#include "analysis/MechanismMode.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "analysis/Analysis.h"
#include "model/StructType.h"

namespace stavelorn {

namespace {

// A remaining pivot this small against the largest diagonal entry of S is taken for round-off of
// an exact zero: elimination leaves some n times 1e-16 of it, and a structure whose stiffnesses
// really differ by eleven orders of magnitude is better called nearly singular than a mechanism.
constexpr double kNullPivot = 1e-11;
// Values this small against the largest one are round-off, shown as the zero they stand for.
constexpr double kNegligible = 1e-12;

}  // namespace

std::vector<double> NullVector(EquationSystem<double>& s) {
  const int n = s.Size();
  if (n < 1) return {};
  // A stiffness matrix is symmetric and positive semi-definite, and so is what elimination leaves
  // of it; no entry of such a matrix exceeds its largest diagonal entry, so full pivoting takes
  // its pivot from the diagonal and exchanges rows and columns alike, through one map.
  std::vector<int> order(static_cast<std::size_t>(n));
  std::iota(order.begin(), order.end(), 1);
  auto at = [&](int i, int j) -> double& {
    return s.S(order[static_cast<std::size_t>(i)], order[static_cast<std::size_t>(j)]);
  };
  double largest = 0;
  for (int i = 0; i < n; ++i) largest = std::max(largest, std::fabs(at(i, i)));

  int rank = 0;
  for (; rank < n; ++rank) {
    int p = rank;
    for (int i = rank + 1; i < n; ++i)
      if (std::fabs(at(i, i)) > std::fabs(at(p, p))) p = i;
    if (!(std::fabs(at(p, p)) > kNullPivot * largest)) break;
    std::swap(order[static_cast<std::size_t>(rank)], order[static_cast<std::size_t>(p)]);
    const double pivot = at(rank, rank);
    for (int i = rank + 1; i < n; ++i) {
      // Rows the pivot's column does not reach (most of a banded matrix) are left alone.
      const double f = at(i, rank) / pivot;
      if (f == 0) continue;
      for (int j = rank + 1; j < n; ++j) at(i, j) -= f * at(rank, j);
      at(i, rank) = 0;
    }
  }
  // Full rank in double precision: no way to move without resistance, only a nearly singular S.
  if (rank == n) return {};

  // The first coordinate left without a pivot carries 1, the others left 0, and the pivot
  // coordinates follow from the upper triangle.
  std::vector<double> y(static_cast<std::size_t>(n), 0.0);
  y[static_cast<std::size_t>(rank)] = 1;
  for (int i = rank - 1; i >= 0; --i) {
    double sum = 0;
    for (int j = i + 1; j <= rank; ++j) sum += at(i, j) * y[static_cast<std::size_t>(j)];
    y[static_cast<std::size_t>(i)] = -sum / at(i, i);
  }
  std::vector<double> x(static_cast<std::size_t>(n), 0.0);
  for (int j = 0; j < n; ++j)
    x[static_cast<std::size_t>(order[static_cast<std::size_t>(j)] - 1)] =
        y[static_cast<std::size_t>(j)];

  const double peak = *std::max_element(
      x.begin(), x.end(), [](double a, double b) { return std::fabs(a) < std::fabs(b); });
  for (double& v : x) {
    v /= peak;
    if (std::fabs(v) < kNegligible) v = 0;
  }
  return x;
}

std::vector<double> FindMechanismMode(const ModelStore& model) {
  AnalysisResults<double> numbering;
  EquationSystem<double> s = AssembleFreeStiffness(model, numbering);
  const std::vector<double> free = NullVector(s);
  if (free.empty()) return {};
  std::vector<double> mode(static_cast<std::size_t>(numbering.CoordNumbers.Size()), 0.0);
  for (int i = 1; i <= numbering.CoordNumbers.Size(); ++i) {
    const int number = numbering.CoordNumbers(i);
    if (number <= numbering.DofCount)
      mode[static_cast<std::size_t>(i - 1)] = free[static_cast<std::size_t>(number - 1)];
  }
  return mode;
}

std::uint64_t MechanismMatrixBytes(std::uint64_t dofCount) {
  return dofCount * dofCount * sizeof(double);
}

std::vector<MovingCoordinate> MostMovingCoordinates(const ModelStore& model,
                                                    const std::vector<double>& mode,
                                                    std::size_t most) {
  const int perJoint = model.CoordsPerJoint;
  std::vector<MovingCoordinate> moving;
  if (perJoint < 1) return moving;
  for (std::size_t i = 0; i < mode.size(); ++i)
    if (std::fabs(mode[i]) >= 0.5)
      moving.push_back(
          {static_cast<int>(i) / perJoint + 1, static_cast<int>(i) % perJoint + 1, mode[i]});
  std::stable_sort(moving.begin(), moving.end(), [](const auto& a, const auto& b) {
    return std::fabs(a.Value) > std::fabs(b.Value);
  });
  if (moving.size() > most) moving.resize(most);
  return moving;
}

std::string MovingCoordinateName(const ModelStore& model, const MovingCoordinate& moving) {
  const StructTypeInfo* type = model.Type();
  const int k = moving.Coordinate;
  return "Joint " + std::to_string(moving.Joint) +
         (type && k >= 1 && k <= type->CoordsPerJoint ? " " + CoordinateName(CoordinateOf(*type, k))
                                                      : "");
}

std::string MechanismText(const ModelStore& model, const std::vector<double>& mode) {
  const std::vector<MovingCoordinate> moving = MostMovingCoordinates(model, mode);
  if (moving.empty()) return "";
  const StructTypeInfo* type = model.Type();
  std::string text = "It can move as a mechanism:";
  for (const MovingCoordinate& m : moving) {
    if (!type || m.Coordinate < 1 || m.Coordinate > type->CoordsPerJoint) continue;
    const JointCoordNames& c = CoordinateOf(*type, m.Coordinate);
    text += "\nJoint " + std::to_string(m.Joint) +
            (c.Rotation ? " can rotate about " : " can move in ") + c.Axis + " without resistance";
  }
  return text;
}

}  // namespace stavelorn
