#include "analysis/MemberAxes.h"

#include <cmath>
#include <exception>

#include "analysis/MemberValues.h"

namespace stavelorn {

std::optional<MemberAxes> MemberLocalAxes(const ModelStore& model, int member) {
  if (member < 1 || member > model.MemberCount || member > model.MemberProps.Rows())
    return std::nullopt;
  try {
    const StructKind kind = KindOfStructure(model.StructType);
    // The geometry needs only the member's joints (and roll), not its properties, so a member
    // whose material is still missing shows its axes too.
    MemberContext<double> context;
    context.Kind = kind;
    context.EndCoords = 2 * model.CoordsPerJoint;
    context.Member = member;
    context.BeginJoint = model.MemberProps(member, 1);
    context.EndJoint = model.MemberProps(member, 2);
    const MemberGeometry<double> geometry = ComputeMemberGeometry<double>(model, context);
    if (!(geometry.Length != 0) || !std::isfinite(geometry.Length)) return std::nullopt;
    // Rows of [T] that turn global into local components are the local axes in global terms;
    // each type lays its coordinates out in its own order.
    const auto& t = geometry.Transform;
    MemberAxes axes;
    axes.Length = geometry.Length;
    switch (kind) {
      case StructKind::Beam:
        // A beam's [T] is the identity over its own coordinates; its axis is X.
        axes.X = {geometry.DirCosX, geometry.DirCosY, 0};
        axes.Y = {-geometry.DirCosY, geometry.DirCosX, 0};
        axes.Z = {0, 0, 1};
        axes.HasZ = false;
        break;
      case StructKind::PTruss:
      case StructKind::PFrame:
        axes.X = {t[1][1], t[1][2], 0};
        axes.Y = {t[2][1], t[2][2], 0};
        axes.Z = {0, 0, 1};
        axes.HasZ = false;
        break;
      case StructKind::STruss:
        axes.X = {t[1][1], t[1][2], t[1][3]};
        axes.HasY = axes.HasZ = false;
        break;
      case StructKind::Grid:
        // Rows 2 and 3 turn the rotations about X and Z: the member axis and the bending axis,
        // in the X-Z plane; y is the grid's normal.
        axes.X = {t[2][2], 0, t[2][3]};
        axes.Y = {0, 1, 0};
        axes.Z = {t[3][2], 0, t[3][3]};
        break;
      case StructKind::SFrame:
        axes.X = {t[1][1], t[1][2], t[1][3]};
        axes.Y = {t[2][1], t[2][2], t[2][3]};
        axes.Z = {t[3][1], t[3][2], t[3][3]};
        break;
      case StructKind::None: return std::nullopt;
    }
    return axes;
  } catch (const std::exception&) {
    // Joints or a roll angle outside their tables: a member the drawing cannot place.
    return std::nullopt;
  }
}

}  // namespace stavelorn
