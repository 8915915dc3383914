// The rules of drawing a structure with the mouse, apart from any window: which types can be
// drawn, the grid and what the pointer snaps to, which action a press means for the tool in hand
// and the item under the pointer, the supports each type offers and where along a member a load
// is placed. The picture's pixels are those of the drawing the window shows, and what lies under
// the pointer is found by the same picking rule as the keyboard's focus (graphics/Picking.h).
#pragma once

#include <string>
#include <vector>

#include "graphics/DrawingData.h"
#include "graphics/Picking.h"
#include "graphics/RecordingCanvas.h"
#include "model/MemberLoadKind.h"
#include "model/ModelStore.h"

namespace stavelorn {

// Whether the type is drawn in its own plane and so can be drawn with the mouse: beams, plane
// trusses and plane frames in X-Y, grids from above in X-Z. Space types keep the tables.
bool DrawableType(StructKind type);
// What the drawing mode's hint says for the type.
std::string DrawingHint(StructKind type);

// The user point shown at pixel (px, py) of a picture of width x height pixels over `visible`.
Point UserPointAt(const UserScale& visible, double width, double height, double px, double py);

// What the pointer snapped to: an existing joint, a grid point within reach, or neither (the
// point under the pointer as it is).
enum class SnapKind { Joint, GridPoint, Free };
struct Snapped {
  SnapKind Kind = SnapKind::Free;
  Point At{};     // user coordinates
  int Joint = 0;  // Kind Joint: its number
};

// The picture the pointer is over: its strokes (for picking), the user rectangle in view and its
// size in pixels.
struct PointerPicture {
  const std::vector<Stroke>* Strokes = nullptr;
  UserScale Visible;
  double Width = 0, Height = 0;
};

// The widest grid spacing the palette takes.
constexpr double kMostGridSpacing = 1e6;

// How far (pixels) a grid point pulls the pointer.
constexpr double kGridReach = 10;

// Snaps the pointer at pixel (px, py): to the joint the picking rule finds there (but `ignored`,
// the joint being dragged), else to the nearest grid point of `spacing` within kGridReach
// pixels, else to the point itself. A spacing of 0 or less is no grid.
Snapped SnapPointer(const ModelStore& model, const PointerPicture& picture, double px, double py,
                    double spacing, int ignored = 0);

// The tools of the drawing palette.
enum class DrawTool { Select, Joint, Member, Support, Hinge, JointLoad, MemberLoad };

// One tool of the palette as both front ends show it: its caption, the name its control goes by
// (an object name on the desktop, an element id in the page), its key as portable text ("S") and
// its tip.
struct DrawingToolInfo {
  DrawTool Tool;
  const char* Caption;
  const char* Name;
  const char* Key;
  const char* Tip;
};
// The palette's tools in the order they are shown.
const std::vector<DrawingToolInfo>& DrawingTools();

// The palette's other controls and the mode's own switch, named once for both front ends.
enum class DrawingControl {
  Mode,
  SupportKind,
  LoadKind,
  Material,
  Section,
  Grid,
  Live,
  Delete,
  CallOff,
  Status,  // the pointer's coordinates and the live analysis, on the status line
};
struct DrawingControlInfo {
  DrawingControl Control;
  const char* Caption;  // with the desktop's & before its access key; "" for a control with none
  const char* Name;
  const char* Spoken;  // the name a screen reader says
  const char* Key;     // portable text ("Ctrl+Shift+D", "Escape"), "" for none
  const char* Tip;
};
const DrawingControlInfo& DrawingControlOf(DrawingControl control);

// Whether the tool has anything to do in a project of the type: every tool draws the drawable
// types, but trusses (pin-ended bars) take no hinges and no member loads.
bool ToolApplies(DrawTool tool, StructKind type);

// What pressing the mouse button means.
enum class PressAction {
  Nothing,
  ClearSelection,
  SelectMember,
  DragJoint,    // a press on a joint that selects it; moving on drags it
  AddJoint,     // at the snapped point
  StartMember,  // from the joint or the snapped point; the release ends the member
  SetSupport,
  ToggleHinge,  // at the member's end nearer the pointer
  AddJointLoad,
  AddMemberLoad,
};

// The action of a press with `tool` on `under` (the picked joint or member, or nothing).
PressAction PressActionOf(DrawTool tool, const PickedItem& under);

// One support kind a type offers: its palette name and the restraint flag of each joint
// coordinate of the type, in the type's order. "Free" (no restraint) takes a support away.
struct SupportKind {
  std::string Name;
  std::vector<int> Flags;
};
const std::vector<SupportKind>& SupportKinds(StructKind type);

// Where a load on member `member` goes for a pointer at user point `at`: the distance from the
// beginning joint along the member of the pointer's projection, to the nearest multiple of
// `spacing` (no rounding without a grid), within the member.
double DistanceAlongMember(const ModelStore& model, int member, Point at, double spacing);

// Whether the pointer at `at` is nearer the end joint of `member` than its beginning joint.
bool NearerEnd(const ModelStore& model, int member, Point at);

// A coordinate as the drawing types it into a field: to 6 significant digits, "0" for zero.
std::string CoordinateText(double value);

}  // namespace stavelorn
