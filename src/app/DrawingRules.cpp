#include "app/DrawingRules.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

#include "model/StructType.h"

namespace stavelorn {

bool DrawableType(StructKind type) {
  return type == StructKind::Beam || type == StructKind::PTruss || type == StructKind::PFrame ||
         type == StructKind::Grid;
}

std::string DrawingHint(StructKind type) {
  if (!DrawableType(type))
    return "A space structure is entered in the tables: its projection cannot be clicked into "
           "without ambiguity.";
  const std::string plane = type == StructKind::Grid ? "X-Z plane, seen from above" : "X-Y plane";
  return "Drawing in the " + plane +
         ": click to place joints, drag from joint to joint for a member, drag a joint to move "
         "it; the palette places supports, hinges and loads.";
}

Point UserPointAt(const UserScale& visible, double width, double height, double px, double py) {
  return {visible.Left + px * (visible.Right - visible.Left) / width,
          visible.Top + py * (visible.Bottom - visible.Top) / height};
}

Snapped SnapPointer(const ModelStore& model, const PointerPicture& picture, double px, double py,
                    double spacing, int ignored) {
  const PictureMapping map(picture.Visible, picture.Width, picture.Height);
  if (picture.Strokes != nullptr) {
    std::vector<Stroke> others;
    others.reserve(picture.Strokes->size());
    for (const Stroke& s : *picture.Strokes)
      if (s.Joint != 0 && s.Joint != ignored) others.push_back(s);
    const PickedItem picked = PickAt(others, map, px, py);
    if (picked.What == PickedItem::Kind::Joint)
      if (std::optional<Point> joint = PlanePosition(model, picked.Number))
        return {SnapKind::Joint, *joint, picked.Number};
  }
  const Point at = UserPointAt(picture.Visible, picture.Width, picture.Height, px, py);
  if (spacing > 0) {
    const Point grid{std::round(at.X / spacing) * spacing, std::round(at.Y / spacing) * spacing};
    if (std::hypot(map.X(grid.X) - px, map.Y(grid.Y) - py) <= kGridReach)
      return {SnapKind::GridPoint, grid, 0};
  }
  return {SnapKind::Free, at, 0};
}

const std::vector<DrawingToolInfo>& DrawingTools() {
  static const std::vector<DrawingToolInfo> tools = {
      {DrawTool::Select, "Select", "DrawSelect", "S",
       "Select: click a joint or member, drag a joint to move it"},
      {DrawTool::Joint, "Joint", "DrawJoint", "J", "Joint: click to place a joint"},
      {DrawTool::Member, "Member", "DrawMember", "M",
       "Member: drag from a joint or point to another"},
      {DrawTool::Support, "Support", "DrawSupport", "U",
       "Support: click a joint to give it the support chosen beside"},
      {DrawTool::Hinge, "Hinge", "DrawHinge", "H",
       "Hinge: click a member near one end to put a hinge there or take it away"},
      {DrawTool::JointLoad, "Joint Load", "DrawJointLoad", "L",
       "Joint load: click a joint and type its forces and moment"},
      {DrawTool::MemberLoad, "Member Load", "DrawMemberLoad", "D",
       "Member load: click a member where the load goes and type its values"},
  };
  return tools;
}

const DrawingControlInfo& DrawingControlOf(DrawingControl control) {
  static const DrawingControlInfo controls[] = {
      {DrawingControl::Mode, "&Draw Structure", "MnuViewDraw", "Draw Structure", "Ctrl+Shift+D",
       "Draw the structure with the mouse"},
      {DrawingControl::SupportKind, "", "DrawSupportKind", "Support kind", "", ""},
      {DrawingControl::LoadKind, "", "DrawLoadKind", "Member load kind", "", ""},
      {DrawingControl::Material, "Material", "DrawMaterial", "Material of new members", "", ""},
      {DrawingControl::Section, "Section", "DrawSection", "Cross-section of new members", "", ""},
      {DrawingControl::Grid, "Grid", "DrawGridSpacing", "Grid spacing", "",
       "The grid's spacing in the project's length unit; 0 for no grid"},
      {DrawingControl::Live, "&Live", "DrawLive", "Live analysis", "",
       "Analyse again at every change and every move of a dragged joint"},
      {DrawingControl::Delete, "Delete", "DrawDelete", "Delete the selection", "Delete", ""},
      {DrawingControl::CallOff, "Call Off", "DrawCallOff", "Call off the member being drawn",
       "Escape", ""},
      {DrawingControl::Status, "", "DrawStatus", "Pointer and live analysis", "", ""},
  };
  static_assert(sizeof controls / sizeof controls[0] ==
                static_cast<std::size_t>(DrawingControl::Status) + 1);
  return controls[static_cast<std::size_t>(control)];
}

bool ToolApplies(DrawTool tool, StructKind type) {
  if (!DrawableType(type)) return false;
  if (tool == DrawTool::Hinge) return !TypeOf(type).Truss;
  if (tool == DrawTool::MemberLoad) return !AcceptedLoadKinds(type).empty();
  return true;
}

PressAction PressActionOf(DrawTool tool, const PickedItem& under) {
  const bool joint = under.What == PickedItem::Kind::Joint;
  const bool member = under.What == PickedItem::Kind::Member;
  switch (tool) {
    case DrawTool::Select:
      return joint    ? PressAction::DragJoint
             : member ? PressAction::SelectMember
                      : PressAction::ClearSelection;
    case DrawTool::Joint:
      return joint    ? PressAction::DragJoint
             : member ? PressAction::SelectMember
                      : PressAction::AddJoint;
    case DrawTool::Member: return PressAction::StartMember;
    case DrawTool::Support: return joint ? PressAction::SetSupport : PressAction::Nothing;
    case DrawTool::Hinge: return member ? PressAction::ToggleHinge : PressAction::Nothing;
    case DrawTool::JointLoad: return joint ? PressAction::AddJointLoad : PressAction::Nothing;
    case DrawTool::MemberLoad: return member ? PressAction::AddMemberLoad : PressAction::Nothing;
  }
  return PressAction::Nothing;
}

const std::vector<SupportKind>& SupportKinds(StructKind type) {
  // Flags in the type's joint coordinate order: beam Y, Rot.; plane truss X, Y; plane frame
  // X, Y, Rot.; grid Y, XR, ZR.
  static const std::vector<SupportKind> beam = {
      {"Fixed", {1, 1}}, {"Pinned", {1, 0}}, {"Sliding (rotation held)", {0, 1}}, {"Free", {0, 0}}};
  static const std::vector<SupportKind> truss = {{"Pinned", {1, 1}},
                                                 {"Roller, moves in X", {0, 1}},
                                                 {"Roller, moves in Y", {1, 0}},
                                                 {"Free", {0, 0}}};
  static const std::vector<SupportKind> frame = {{"Fixed", {1, 1, 1}},
                                                 {"Pinned", {1, 1, 0}},
                                                 {"Roller, moves in X", {0, 1, 0}},
                                                 {"Roller, moves in Y", {1, 0, 0}},
                                                 {"Guided, moves in X", {0, 1, 1}},
                                                 {"Guided, moves in Y", {1, 0, 1}},
                                                 {"Free", {0, 0, 0}}};
  static const std::vector<SupportKind> grid = {{"Fixed", {1, 1, 1}},
                                                {"Pinned", {1, 0, 0}},
                                                {"Hinged about X", {1, 0, 1}},
                                                {"Hinged about Z", {1, 1, 0}},
                                                {"Free", {0, 0, 0}}};
  static const std::vector<SupportKind> none;
  switch (type) {
    case StructKind::Beam: return beam;
    case StructKind::PTruss: return truss;
    case StructKind::PFrame: return frame;
    case StructKind::Grid: return grid;
    default: return none;
  }
}

namespace {

Point JointAt(const ModelStore& model, int joint) {
  return PlanePosition(model, joint).value_or(Point{});
}

}  // namespace

double DistanceAlongMember(const ModelStore& model, int member, Point at, double spacing) {
  const Point a = JointAt(model, model.MemberProps(member, 1));
  const Point b = JointAt(model, model.MemberProps(member, 2));
  const double length = std::hypot(b.X - a.X, b.Y - a.Y);
  if (length == 0) return 0;
  double along = ((at.X - a.X) * (b.X - a.X) + (at.Y - a.Y) * (b.Y - a.Y)) / length;
  if (spacing > 0) along = std::round(along / spacing) * spacing;
  return std::clamp(along, 0.0, length);
}

bool NearerEnd(const ModelStore& model, int member, Point at) {
  const Point a = JointAt(model, model.MemberProps(member, 1));
  const Point b = JointAt(model, model.MemberProps(member, 2));
  return std::hypot(at.X - b.X, at.Y - b.Y) < std::hypot(at.X - a.X, at.Y - a.Y);
}

std::string CoordinateText(double value) {
  if (value == 0) return "0";
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", value);
  return text;
}

}  // namespace stavelorn
