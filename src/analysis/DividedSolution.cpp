// One linear solution of the divided structure and its pieces' end forces.

#include "analysis/DividedSolution.h"

#include "analysis/BandedLdlt.h"
#include "analysis/GeometricStiffness.h"
#include "model/StructType.h"

namespace stavelorn {

MemberMatrix<double> PieceStiffness(const MemberSegment& piece, double axialForce) {
  MemberMatrix<double> k = piece.LocalStiffness;
  if (axialForce == 0) return k;
  const MemberMatrix<double> kg = ComputeLocalGeometricStiffness(
      piece.Context, piece.Geometry.Length, axialForce, piece.HoldsTwist);
  const int n = piece.Context.EndCoords;
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) k[i][j] += kg[i][j];
  return k;
}

MemberVector<double> PieceEndValues(const DividedStructure& structure, const MemberSegment& piece,
                                    const std::vector<double>& values) {
  const int perJoint = structure.CoordsPerJoint;
  MemberVector<double> v{};
  for (int i = 1; i <= perJoint; ++i) {
    v[i] = values[static_cast<std::size_t>((piece.Context.BeginJoint - 1) * perJoint + i - 1)];
    v[perJoint + i] =
        values[static_cast<std::size_t>((piece.Context.EndJoint - 1) * perJoint + i - 1)];
  }
  return v;
}

std::optional<DividedSolution> SolveDivided(const DividedStructure& structure,
                                            const std::vector<double>& axialForces) {
  const int free = structure.FreeCount, perJoint = structure.CoordsPerJoint, n = 2 * perJoint;
  EquationSystem<double> system;
  system.RedimBanded(free, structure.HalfBandwidth);
  const auto axialOf = [&axialForces](std::size_t p) {
    return axialForces.empty() ? 0.0 : axialForces[p];
  };
  ForEachFreeEntry(
      structure,
      [&](const MemberSegment& piece, std::size_t p) { return PieceStiffness(piece, axialOf(p)); },
      [&system](int row, int col, double value) {
        if (row <= col) system.S(row, col) += value;
      });
  for (int i = 1; i <= free; ++i)
    system.P(i) = structure.JointLoads[static_cast<std::size_t>(i - 1)];

  // Each piece's {Qf} and the settlements at its joints act on the free coordinates.
  for (std::size_t p = 0; p < structure.Segments.size(); ++p) {
    const MemberSegment& piece = structure.Segments[p];
    const MemberVector<double> v = PieceEndValues(structure, piece, structure.Settlements);
    const MemberMatrix<double> global =
        ComputeGlobalStiffness(piece.Context, piece.Geometry, PieceStiffness(piece, axialOf(p)));
    MemberVector<double> f =
        TransformFefToGlobal(piece.Context, piece.Geometry, piece.FixedEndForces);
    for (int i = 1; i <= n; ++i)
      for (int j = 1; j <= n; ++j) f[i] += global[i][j] * v[j];
    for (int i = 1; i <= n; ++i)
      if (piece.CodeNumbers[i] <= free) system.P(piece.CodeNumbers[i]) -= f[i];
  }
  if (free > 0 && !SolveBandedLdlt(system)) return std::nullopt;

  DividedSolution solution;
  solution.Displacements = structure.Settlements;
  for (std::size_t c = 0; c < solution.Displacements.size(); ++c)
    if (structure.CoordNumbers[c] <= free)
      solution.Displacements[c] = system.P(structure.CoordNumbers[c]);
  solution.Reactions.assign(solution.Displacements.size(), 0.0);
  for (std::size_t p = 0; p < structure.Segments.size(); ++p) {
    const MemberSegment& piece = structure.Segments[p];
    const MemberVector<double> u = TransformDispToLocal(
        piece.Context, piece.Geometry, PieceEndValues(structure, piece, solution.Displacements));
    MemberVector<double> q =
        ComputeLocalEndForces(piece.Context, PieceStiffness(piece, axialOf(p)), u);
    for (int i = 1; i <= n; ++i) q[i] += piece.FixedEndForces[i];
    solution.EndForces.push_back(q);
    const int axialCoord = EndCoordinate(TypeOf(piece.Context.Kind), 'x', false);
    solution.AxialForces.push_back((q[perJoint + axialCoord] - q[axialCoord]) / 2);
    const MemberVector<double> g = TransformForcesToGlobal(piece.Context, piece.Geometry, q);
    for (int i = 1; i <= n; ++i) {
      const int joint = i <= perJoint ? piece.Context.BeginJoint : piece.Context.EndJoint;
      const int k = i <= perJoint ? i : i - perJoint;
      const std::size_t c = static_cast<std::size_t>((joint - 1) * perJoint + k - 1);
      if (structure.CoordNumbers[c] > free) solution.Reactions[c] += g[i];
    }
  }
  return solution;
}

}  // namespace stavelorn
