// Whole drawings of small models against dumps checked by eye: every recorded stroke with its
// kind, coordinates, colour and pick tags, every text where it stands, and each symbol group as it
// begins. The models cover every support symbol in each position that turns it, each joint-load
// and settlement figure of either sign, every member-load kind of every type, hinges, record
// labels and numbers, deformed shapes and mechanism modes, local axes, the diagrams of each
// quantity family and the member window, each model the project file golden/NAME.str named below.
// STAVELORN_UPDATE_GOLDEN=1 rewrites the dumps.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <sstream>

#include "analysis/AnalysisRun.h"
#include "graphics/DeflectedShape.h"
#include "graphics/DiagramDrawing.h"
#include "graphics/Drawing.h"
#include "graphics/DrawingData.h"
#include "graphics/InfluenceDrawing.h"
#include "graphics/Picking.h"
#include "graphics/PlaneModels.h"
#include "graphics/StructureLabels.h"
#include "graphics/StructurePicture.h"
#include "graphics/SvgPicture.h"
#include "support/Golden.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

using namespace testing;
using Q = DiagramQuantity;

// Four decimals: well below a drawing's smallest feature, well above rounding noise.
std::string Num(double v) {
  const double r = std::round(v * 1e4) / 1e4;
  char text[40];
  std::snprintf(text, sizeof text, "%.10g", r == 0 ? 0.0 : r);
  return text;
}

std::string Dump(const RecordingCanvas& canvas) {
  std::ostringstream out;
  const UserScale& s = canvas.ScaleRect();
  out << "scale " << Num(s.Left) << " " << Num(s.Top) << " " << Num(s.Right) << " " << Num(s.Bottom)
      << "\n";
  const char* shapes[] = {"line", "box", "circle", "arc", "text"};
  int serial = -1;
  for (const Stroke& k : canvas.Strokes()) {
    // A line of no length (a diagram's jump of rounding size) is there or not by round-off.
    if (k.Shape == Stroke::Kind::Line && Num(k.X1) == Num(k.X2) && Num(k.Y1) == Num(k.Y2)) continue;
    if (k.SymbolSerial != serial)
      out << "[" << (k.Symbol == SymbolClass::None ? "none" : SymbolClassName(k.Symbol)) << " j"
          << k.SymbolJoint << " m" << k.SymbolMember << "]\n";
    serial = k.SymbolSerial;
    out << shapes[static_cast<int>(k.Shape)] << " " << Num(k.X1) << "," << Num(k.Y1);
    if (k.Shape == Stroke::Kind::Line || k.Shape == Stroke::Kind::Box)
      out << " " << Num(k.X2) << "," << Num(k.Y2);
    if (k.Shape == Stroke::Kind::Circle || k.Shape == Stroke::Kind::Arc)
      out << " r" << Num(k.Radius);
    if (k.Shape == Stroke::Kind::Arc) out << " from " << Num(k.Start) << " to " << Num(k.End);
    if (k.Shape == Stroke::Kind::Text) out << " \"" << k.Text << "\"" << (k.Italic ? " i" : "");
    out << " c" << k.Colour << (k.Width != 1 ? " w" + std::to_string(k.Width) : "");
    if (k.Joint != 0 || k.Member != 0) out << " pick j" << k.Joint << " m" << k.Member;
    out << "\n";
  }
  return out.str();
}

void ExpectGolden(const std::string& name, const std::string& text) {
  testing::ExpectGoldenFile(text, "tests/graphics/golden/" + name);
}

// Every support symbol of the plane frame, each where its position turns it: fixed walls at the
// bottom and at the left side, a roller against the top, one against the right wall, a hinged
// support on the right; joint loads of both signs in both halves, some below one (a sign test
// must not take them for zero); releases, a settlement, a temperature change and a fabrication
// error, labelled in named units.
const char kPlaneFrame[] = "plane-frame";

// Every member-load kind of a plane frame, of either sign, on a level, a sloping (3-4-5) and a
// hanging member, a linear one falling to zero; loads beyond their member, loads of zero and kinds
// a plane frame does not carry draw nothing.
// Fixed walls on the right, at the top and in the middle, a support pattern with no symbol, and
// joint loads of the signs the first model lacks on either half.
const char kPlaneLoads[] = "plane-member-loads";

// Two joints at one spot, a member of no length between them and a load on it: the view is the
// square of 200 about the origin, and the load is not drawn.
const char kCoincident[] = "coincident-joints";

// A beam on a roller, a roller and a fixed end, hinged at the middle roller, analysed: the
// settled roller and the supports drawn again where they moved, the deformed shape and beam loads
// of both signs; its moment envelope, the first span's sagging 22.5 (wL^2/8, the hinge over the
// roller leaves it simply supported) drawn above its middle, on the side its legend names, and
// the settlement's own moments the least curve.
const char kBeam[] = "beam";

// A truss with loads in its upper and lower halves, a hinged support, a roller on the floor and
// one against a wall, analysed.
const char kTruss[] = "plane-truss";

// A grid of two members at a right angle, fixed at one end and on a roller at the other, with
// the joint loads and member loads a grid takes (a torque among them), analysed.
const char kGrid[] = "grid";

// A space frame with a rolled column: a fixed base, a pinned and a rolling support, joint forces
// and couples, a settlement, a hinge, a member shorter than a length unit and the member loads of
// both bending planes, analysed.
const char kSpaceFrame[] = "space-frame";

// A space truss tetrahedron on two pins and a roller at its apex (the highest joint: the roller
// stands above it), loaded there, analysed.
const char kSpaceTruss[] = "space-truss";

// A frame with a single pin, turning about it, and a grid on a single roller, which can also
// turn: both mechanisms.
const char kFrameMechanism[] = "frame-mechanism";
const char kGridMechanism[] = "grid-mechanism";

// A portal frame under a side load and beam loads of each form, partial ones among them, for its
// elastic curves, its diagrams and the member window.
const char kPortal[] = "portal";

using testing::AnalysedModel;

// A frame of two short columns and a long beam: its base fixed and settled by a turn, its far
// end a roller turned by 30 degrees on a rotational spring; analysed, for the supports drawn again
// where they moved and a moment diagram kept within a share of its typical (short) member.
const char kSpringsFrame[] = "springs-frame";
// A grid whose first joint is held about a rotation axis turned by 90 degrees (drawn as the axis's
// double arrow), its third joint on a spring; analysed.
const char kTurnedGrid[] = "turned-grid";

// The model tests/graphics/golden/NAME.str (none for ""), analysed when asked.
AnalysedModel Drawable(const std::string& name, bool analyse) {
  AnalysedModel drawn{
      name.empty() ? ModelStore() : ModelFromFile("tests/graphics/golden/" + name + ".str"), {}};
  if (analyse) drawn.Results = CheckAndAnalyze(drawn.Model, 0).Results;
  return drawn;
}

// The structure as the window draws it after the analysis, without a message; the view it was
// drawn in, at the multiplier the window would choose (the largest movement a tenth of the
// structure).
DrawingView Structure(const AnalysedModel& drawn, RecordingCanvas& canvas,
                      FormId form = FormId::mcas) {
  ScriptedMessages messages;
  // As an earlier drawing may have left the canvas: the drawing sets what it draws with.
  canvas.SetForeColor(kYellow), canvas.SetFontItalic(true), canvas.SetDrawWidth(3);
  DrawingView view;
  view.Multiplier = AutomaticDeflectionMultiplier(drawn.Model, drawn.Results, view.Multiplier);
  PlotStructure(drawn.Model, drawn.Results, canvas, form, messages, view);
  EXPECT_TRUE(messages.Log().empty());
  return view;
}

void WithAxes(const AnalysedModel& drawn, RecordingCanvas& canvas) {
  DrawLocalAxes(drawn.Model, canvas, Structure(drawn, canvas));
}

std::function<void(const AnalysedModel&, RecordingCanvas&)> Diagram(Q q) {
  return [q](const AnalysedModel& drawn, RecordingCanvas& canvas) {
    DrawStructureDiagrams(drawn.Model, BuildMemberDiagrams(drawn.Model, drawn.Results), q, canvas);
  };
}

// The beam's moment as an envelope: the greatest curve of its loads and settlement, the least of
// the settlement alone.
void MomentEnvelope(const AnalysedModel& drawn, RecordingCanvas& canvas) {
  ModelStore settled = drawn.Model;
  settled.JointLoadCount = settled.MemberLoadCount = 0;
  DrawStructureDiagrams(drawn.Model, BuildMemberDiagrams(drawn.Model, drawn.Results), Q::Mz, canvas,
                        BuildMemberDiagrams(settled, CheckAndAnalyze(settled, 0).Results));
}

std::function<void(const AnalysedModel&, RecordingCanvas&)> Influence(InfluenceQuantity q) {
  return [q](const AnalysedModel& drawn, RecordingCanvas& canvas) {
    DrawInfluenceLine(drawn.Model, ComputeInfluenceLine(drawn.Model, drawn.Results, q).Line,
                      canvas);
  };
}

TEST(DrawingGolden, EveryStrokeOfEachModelsDrawings) {
  const struct Case {
    const char* name;
    const char* text;
    bool analyse;
    std::function<void(const AnalysedModel&, RecordingCanvas&)> draw;
  } cases[] = {
      {"plane-frame.txt", kPlaneFrame, false, [](auto& m, auto& c) { Structure(m, c); }},
      {"start-hint.txt", "", false,
       [](auto&, auto& c) { DrawStartHint(c, "/usr/share/examples"); }},
      {"coincident-joints.txt", kCoincident, false, [](auto& m, auto& c) { Structure(m, c); }},
      {"plane-frame-member-load-preview.txt", kPlaneFrame, false,
       [](auto& m, auto& c) { Structure(m, c, FormId::MemLoadA); }},
      {"plane-frame-joint-load-preview.txt", kPlaneFrame, false,
       [](auto& m, auto& c) { Structure(m, c, FormId::JLoadA); }},
      {"plane-frame-joints-preview.txt", kPlaneFrame, false,
       [](auto& m, auto& c) { Structure(m, c, FormId::JointA); }},
      {"plane-member-loads.txt", kPlaneLoads, false, [](auto& m, auto& c) { Structure(m, c); }},
      {"beam.txt", kBeam, true, [](auto& m, auto& c) { Structure(m, c); }},
      {"plane-truss.txt", kTruss, true, [](auto& m, auto& c) { Structure(m, c); }},
      {"grid.txt", kGrid, true, WithAxes},
      {"space-frame.txt", kSpaceFrame, true, WithAxes},
      {"space-truss.txt", kSpaceTruss, true, [](auto& m, auto& c) { Structure(m, c); }},
      {"frame-mechanism.txt", kFrameMechanism, true, [](auto& m, auto& c) { Structure(m, c); }},
      {"grid-mechanism.txt", kGridMechanism, true, [](auto& m, auto& c) { Structure(m, c); }},
      {"portal.txt", kPortal, true, [](auto& m, auto& c) { Structure(m, c); }},
      {"springs-frame.txt", kSpringsFrame, true, [](auto& m, auto& c) { Structure(m, c); }},
      {"springs-frame-moment.txt", kSpringsFrame, true, Diagram(Q::Mz)},
      {"turned-grid.txt", kTurnedGrid, true, [](auto& m, auto& c) { Structure(m, c); }},
      {"portal-axes.txt", kPortal, false, WithAxes},
      {"beam-moment-envelope.txt", kBeam, true, MomentEnvelope},
      {"portal-moment.txt", kPortal, true, Diagram(Q::Mz)},
      {"portal-shear.txt", kPortal, true, Diagram(Q::Vy)},
      {"truss-axial.txt", kTruss, true, Diagram(Q::N)},
      {"grid-torsion.txt", kGrid, true, Diagram(Q::T)},
      {"space-frame-my.txt", kSpaceFrame, true, Diagram(Q::My)},
      {"beam-influence.txt", kBeam, true, Influence({InfluenceKind::Internal, 1, 0, 3, Q::Mz})},
      {"grid-influence.txt", kGrid, true, Influence({InfluenceKind::Reaction, 3, 1})},
      {"portal-beam-window.txt", kPortal, true,
       [](const AnalysedModel& m, RecordingCanvas& c) {
         c.SetDrawWidth(3), c.SetForeColor(kYellow);  // left by an earlier drawing
         DrawMemberDiagrams(m.Model, BuildMemberDiagrams(m.Model, m.Results).at(1), c);
       }},
  };
  for (const Case& c : cases) {
    const AnalysedModel drawn = Drawable(c.text, c.analyse);
    RecordingCanvas canvas;
    c.draw(drawn, canvas);
    ExpectGolden(c.name, Dump(canvas));
  }
}

// The saved picture of one drawing: every stroke in its colour on paper, each symbol's group;
// and the batch tool's picture of the deformed portal over its moment diagram.
TEST(DrawingGolden, SvgOfAPlaneFrame) {
  RecordingCanvas canvas;
  Structure(Drawable(kPlaneFrame, false), canvas);
  ExpectGolden("plane-frame.svg", SvgPicture(canvas, 600, 600));
  ScriptedMessages messages;
  const AnalysedModel portal = Drawable(kPortal, true);
  ExpectGolden("portal-picture.svg",
               StructurePictureSvg(portal.Model, portal.Results, {true, Q::Mz}, messages));
}

// A stroke at a place that is no number cannot be painted: it is left out of the saved picture.
TEST(DrawingGolden, TheSavedPictureLeavesOutWhatCannotBePainted) {
  RecordingCanvas unpaintable;
  unpaintable.Scale(0, 10, 10, 0);
  for (double x : {5.0, std::nan(""), double(INFINITY)}) unpaintable.Line(0, 0, x, 5, kLightCyan);
  EXPECT_EQ(testing::Occurrences(SvgPicture(unpaintable, 100, 100), "<line"), 1);
}

// Picking on each structure drawing, 600 pixels square: inside a joint's marker, or just beyond
// it along one of its members (a joint wins a near tie), picks the joint; 4 pixels beside a member
// away from its ends picks the member, 10 pixels beside it not the member (a support symbol may
// stand there). The keyboard steps through every joint, then every member, by number, and moves
// on from the drawing past either end; each item it reaches is shown on the item itself: a joint
// within its marker's reach of the joint, a member on the line between its joints.
TEST(DrawingPicking, EveryJointAndMemberIsPickedWhereItIsDrawnAndReachedByTheKeyboard) {
  using K = PickedItem::Kind;
  for (const char* text : {kPlaneFrame, kTruss, kGrid, kSpaceFrame, kSpaceTruss}) {
    const AnalysedModel drawn = Drawable(text, false);
    const ModelStore& model = drawn.Model;
    SCOPED_TRACE(model.StructType);
    RecordingCanvas canvas;
    Structure(drawn, canvas);
    const PictureMapping map(canvas.ScaleRect(), 600, 600);
    auto pixel = [&](int joint) {
      const Point p = *PicturePosition(model, joint);
      return Point{map.X(p.X), map.Y(p.Y)};
    };
    auto pick = [&](Point p, Point d, double k) {
      return PickAt(canvas.Strokes(), map, p.X + k * d.X, p.Y + k * d.Y);
    };
    for (int j = 1; j <= model.JointCount; ++j)
      EXPECT_TRUE(pick(pixel(j), {1, -2}, 1) == (PickedItem{K::Joint, j})) << "joint " << j;
    for (int m = 1; m <= model.MemberCount; ++m) {
      const Point b = pixel(model.MemberProps(m, 1)), e = pixel(model.MemberProps(m, 2));
      const double length = std::hypot(e.X - b.X, e.Y - b.Y);
      const Point along{(e.X - b.X) / length, (e.Y - b.Y) / length}, across{-along.Y, along.X};
      const Point inside{b.X + 0.4 * (e.X - b.X), b.Y + 0.4 * (e.Y - b.Y)};
      SCOPED_TRACE("member " + std::to_string(m));
      EXPECT_TRUE(pick(inside, across, 4) == (PickedItem{K::Member, m}));
      EXPECT_FALSE(pick(inside, across, -10) == (PickedItem{K::Member, m}));
      // Unless a hinge circle, which is the member's, covers the spot.
      const PickedItem begin{K::Joint, model.MemberProps(m, 1)};
      EXPECT_TRUE((ReleaseCodeOf(model, m) & 1) != 0 || pick(b, along, 3.3) == begin);
    }
    std::vector<PickedItem> order;
    for (int j = 1; j <= model.JointCount; ++j) order.push_back({K::Joint, j});
    for (int m = 1; m <= model.MemberCount; ++m) order.push_back({K::Member, m});
    const std::vector<PickedItem> items = DrawnItems(canvas.Strokes(), map);
    ASSERT_EQ(items, order);
    for (const bool backward : {false, true}) {
      std::vector<PickedItem> visited{StepThrough(items, {K::Joint, 999}, backward)};
      while (visited.size() <= items.size() && visited.back().What != K::None)
        visited.push_back(StepThrough(items, visited.back(), backward));
      std::vector<PickedItem> expected = order;
      if (backward) std::reverse(expected.begin(), expected.end());
      expected.push_back({});
      EXPECT_EQ(visited, expected) << (backward ? "backward" : "forward");
    }
    for (const PickedItem& item : items) {
      const std::optional<Point> at = ItemAnchor(canvas.Strokes(), map, item);
      ASSERT_TRUE(at) << item.Number;
      if (item.What == K::Joint) {
        const Point joint = pixel(item.Number);
        EXPECT_LE(std::hypot(at->X - joint.X, at->Y - joint.Y), 6) << "joint " << item.Number;
      } else {
        EXPECT_LE(DistanceToSegment(*at, pixel(model.MemberProps(item.Number, 1)),
                                    pixel(model.MemberProps(item.Number, 2))),
                  1)
            << "member " << item.Number;
      }
    }
  }
  EXPECT_EQ(StepThrough({}, {}, false), PickedItem{});
}

}  // namespace
}  // namespace stavelorn
