#include "analysis/MechanismMode.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "analysis/Analysis.h"
#include "model/StructType.h"

namespace stavelorn {

namespace {

// A way to move is a mechanism only when the stiffness it meets, x·S·x, is this small against
// Σ x(i)²·S(i,i), the stiffness the coordinates it moves have on their own: round-off of a zero.
// True mechanisms come out below 1e-16 (the tests' small ones, and towers of 1,080 and 1,500
// unknowns with one storey's columns hinged at both ends); a stable but ill-conditioned
// structure's softest way to move meets far more: 2.8e-13 for the sway of a portal whose columns
// are 1e12 times stiffer axially than in bending. 1e-14 (some 45 units of 2^-52) lies between.
constexpr double kRoundOffStiffness = 1e-14;
// Values this small against the largest one are round-off, shown as the zero they stand for.
constexpr double kNegligible = 1e-12;

// x·S·x over Σ x(i)²·S(i,i) for the full (not banded) S; 0 when x moves only coordinates that
// nothing holds at all.
double StiffnessQuotient(const EquationSystem<double>& s, const std::vector<double>& x) {
  const int n = s.Size();
  double energy = 0, own = 0;
  for (int i = 1; i <= n; ++i) {
    const double xi = x[static_cast<std::size_t>(i - 1)];
    if (xi == 0) continue;
    own += xi * xi * s.S(i, i);
    for (int j = 1; j <= n; ++j) energy += xi * s.S(i, j) * x[static_cast<std::size_t>(j - 1)];
  }
  return own > 0 ? energy / own : 0;
}

}  // namespace

std::vector<double> NullVector(EquationSystem<double>& s) {
  const int n = s.Size();
  if (n < 1) return {};
  // Each coordinate is measured in units of its own stiffness first (S(i,j) / sqrt(S(i,i)·S(j,j)),
  // a unit diagonal), so a pivot is judged against the coordinate's own diagonal entry and not
  // against the stiffest part of the structure: a soft part of a stiff structure is no mechanism.
  // A coordinate nothing holds has a zero row and column and keeps its scale.
  std::vector<double> scale(static_cast<std::size_t>(n) + 1, 1.0);
  for (int i = 1; i <= n; ++i)
    if (s.S(i, i) > 0) scale[static_cast<std::size_t>(i)] = 1 / std::sqrt(s.S(i, i));
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j)
      s.S(i, j) *= scale[static_cast<std::size_t>(i)] * scale[static_cast<std::size_t>(j)];

  // A stiffness matrix is symmetric and positive semi-definite, and so is what elimination leaves
  // of it; no entry of such a matrix exceeds its largest diagonal entry, so full pivoting takes
  // its pivot from the diagonal and exchanges rows and columns alike, through one map.
  std::vector<int> order(static_cast<std::size_t>(n));
  std::iota(order.begin(), order.end(), 1);
  auto at = [&](int i, int j) -> double& {
    return s.S(order[static_cast<std::size_t>(i)], order[static_cast<std::size_t>(j)]);
  };
  int rank = 0;
  for (; rank < n; ++rank) {
    int p = rank;
    for (int i = rank + 1; i < n; ++i)
      if (std::fabs(at(i, i)) > std::fabs(at(p, p))) p = i;
    // What is left of a coordinate's own stiffness, as the double-precision solution judges it.
    if (!(std::fabs(at(p, p)) > kDoublePivotRatio)) break;
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
  for (int j = 0; j < n; ++j) {
    const int coordinate = order[static_cast<std::size_t>(j)];
    x[static_cast<std::size_t>(coordinate - 1)] =
        y[static_cast<std::size_t>(j)] * scale[static_cast<std::size_t>(coordinate)];
  }
  const double peak = *std::max_element(
      x.begin(), x.end(), [](double a, double b) { return std::fabs(a) < std::fabs(b); });
  for (double& v : x) v /= peak;
  return x;
}

std::vector<double> FindMechanismMode(const ModelStore& model) {
  AnalysisResults<double> numbering;
  EquationSystem<double> s = AssembleFreeStiffness(model, numbering);
  std::vector<double> free = NullVector(s);
  if (free.empty()) return {};
  // The elimination reduced S; the candidate is weighed against S as assembled.
  s = EquationSystem<double>();
  s = AssembleFreeStiffness(model, numbering);
  if (!(StiffnessQuotient(s, free) <= kRoundOffStiffness)) return {};
  std::vector<double> mode(static_cast<std::size_t>(numbering.CoordNumbers.Size()), 0.0);
  for (int i = 1; i <= numbering.CoordNumbers.Size(); ++i) {
    const int number = numbering.CoordNumbers(i);
    const double v = number <= numbering.DofCount ? free[static_cast<std::size_t>(number - 1)] : 0;
    mode[static_cast<std::size_t>(i - 1)] = std::fabs(v) < kNegligible ? 0 : v;
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
