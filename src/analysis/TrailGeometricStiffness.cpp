// The geometric stiffness in the method's trail: each member's [kg] beside its [k], and [Kg].

#include "analysis/GeometricStiffness.h"
#include "analysis/MethodTrail.h"
#include "model/StructType.h"

namespace stavelorn {

namespace {

TrailMatrix Square(int size) {
  TrailMatrix m;
  m.Rows = m.Cols = size;
  m.Values.assign(static_cast<std::size_t>(size) * static_cast<std::size_t>(size), 0.0);
  return m;
}

}  // namespace

void AddGeometricStiffness(const ModelStore& model, MethodTrail& trail) {
  const StructTypeInfo& type = model.TypeInfo();
  const int perJoint = type.CoordsPerJoint, n = 2 * perJoint;
  const int axial = EndCoordinate(type, 'x', false);
  const bool assemble = trail.DofCount > 0 && trail.DofCount <= kTrailStiffnessLimit;
  trail.StructureGeometricStiffness = Square(assemble ? trail.DofCount : 0);
  for (TrailMember& member : trail.Members) {
    const MemberContext<double> context =
        LoadMemberContext<double>(model, type.Kind, n, member.Member);
    const std::vector<double>& q = member.LocalEndForces;
    const double force = q.empty() ? 0.0
                                   : (q[static_cast<std::size_t>(perJoint + axial - 1)] -
                                      q[static_cast<std::size_t>(axial - 1)]) /
                                         2;
    const MemberMatrix<double> kg = ComputeLocalGeometricStiffness(context, member.Length, force);
    member.GeometricStiffness = Square(n);
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < n; ++j)
        member.GeometricStiffness.Values[static_cast<std::size_t>(i * n + j)] = kg[i + 1][j + 1];
    if (!assemble) continue;
    // [Tᵀ][kg][T] at the member's free code numbers.
    const TrailMatrix& t = member.Transformation;
    for (int i = 0; i < n; ++i) {
      const int row = member.CodeNumbers[static_cast<std::size_t>(i)];
      if (row > trail.DofCount) continue;
      for (int j = 0; j < n; ++j) {
        const int col = member.CodeNumbers[static_cast<std::size_t>(j)];
        if (col > trail.DofCount) continue;
        double sum = 0;
        for (int a = 0; a < n; ++a)
          for (int b = 0; b < n; ++b) sum += t(a, i) * kg[a + 1][b + 1] * t(b, j);
        trail.StructureGeometricStiffness
            .Values[static_cast<std::size_t>((row - 1) * trail.DofCount + col - 1)] += sum;
      }
    }
  }
}

}  // namespace stavelorn
