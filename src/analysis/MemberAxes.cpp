#include "analysis/MemberAxes.h"

#include <cmath>
#include <exception>

#include "analysis/Engine.h"

namespace stavelorn {

std::optional<MemberAxes> MemberLocalAxes(const ModelStore& model, int member) {
  if (member < 1 || member > model.MemberCount || member > model.MemberProps.Rows())
    return std::nullopt;
  AnalysisResults<double> unused;
  try {
    Engine<double> engine(model, unused);
    engine.CurrentMember = member;
    engine.BeginJoint = model.MemberProps(member, 1);
    engine.EndJoint = model.MemberProps(member, 2);
    engine.ComputeMemberGeometry();
    if (!(engine.MemberLength != 0) || !std::isfinite(engine.MemberLength)) return std::nullopt;
    // Rows of [T] that turn global into local components are the local axes in global terms;
    // each type lays its coordinates out in its own order.
    const auto& t = engine.TransformMatrix;
    MemberAxes axes;
    switch (engine.Kind) {
      case StructKind::Beam:
        // A beam's [T] is the identity over its own coordinates; its axis is X.
        axes.X = {engine.DirCosX, engine.DirCosY, 0};
        axes.Y = {-engine.DirCosY, engine.DirCosX, 0};
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
