// Drawing the internal-force diagrams: one quantity along every member of the structure (the
// main window's diagram view), and all the quantities of one member one above another with its
// loads (the member window). Ordinates stand across each member, positive on the side the legend
// states, scaled so the largest value of the picture has a fixed share of it, lightly filled by
// cross lines and labelled with each member's largest and smallest value.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "analysis/MemberDiagrams.h"
#include "graphics/Canvas.h"
#include "graphics/DrawingData.h"
#include "model/ModelStore.h"

namespace stavelorn {

// Where a joint is drawn: its plane position, or its oblique projection for the space types and
// grids; nothing when the joint or its coordinates are missing.
std::optional<Point> DrawnJoint(const ModelStore& model, int joint);

// The outline of one quantity along a member as (x, value) points: from the value at x = 0
// through every piece, sampled closely enough to look smooth, to the value at x = L, with both
// values at every jump.
std::vector<std::pair<double, double>> DiagramOutline(const MemberDiagram& d, DiagramQuantity q);

// The side on which positive values of a quantity are drawn, in the legend's words.
std::string PositiveSide(const std::string& typeCode, DiagramQuantity q);

// Prints `text` with its top-left corner at (x, y).
void PrintTextAt(Canvas& canvas, double x, double y, const std::string& text);

// Which of a member's extremes a diagram labels, and where.
struct ExtremeLabels {
  double Lift = 0;       // a positive value's label is raised this much, as a text hangs below
  double Smallest = 0;   // values of smaller magnitude stand too short to be read: no label
  bool AtJoints = true;  // whether extremes at x = 0 or L are labelled
};

// One quantity along one member: light cross lines from the axis to the curve (`lines` of them),
// the outline in white and the member's largest and smallest values at their tips. `place` turns
// a fraction of the length and a value into a drawn point.
void DrawDiagramCurve(Canvas& canvas, const MemberDiagram& d, DiagramQuantity q,
                      const std::function<Point(double, double)>& place, int lines,
                      const ExtremeLabels& labels);

// Draws the structure and the diagram of `q` along every member of an analysed model, in the
// plane or in the projection of the structure drawing: ordinates along the member's local y, or
// its local z for Vz and My, and across the drawn member for truss bars. Clears the canvas. An
// envelope gives its greatest curves as `diagrams` and its least as `least`, drawn to one scale.
void DrawStructureDiagrams(const ModelStore& model, const std::vector<MemberDiagram>& diagrams,
                           DiagramQuantity q, Canvas& canvas,
                           const std::vector<MemberDiagram>& least = {});

// Draws one member's diagrams one above another, its loads drawn on the member above them, each
// diagram with its name, its joints' values and its extremes. Clears the canvas. An envelope
// gives its greatest curves as `d` and its least as `least`, each quantity's two to one scale.
void DrawMemberDiagrams(const ModelStore& model, const MemberDiagram& d, Canvas& canvas,
                        const MemberDiagram* least = nullptr);

}  // namespace stavelorn
