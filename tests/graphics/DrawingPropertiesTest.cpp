// What every picture of every example must keep, whatever it shows: in kN-m and converted to
// kip-in, before and after an analysis, with each diagram and the deformed shape or without.
// Read off the recorded strokes of the pictures the batch tool writes (1000 pixels wide): every
// text inside its picture and clear of every other; every joint-load arrow at its joint,
// pointing the way its load acts, crossing no member and ending no nearer than 25 pixels to
// another joint; every support symbol at its joint and, in the projections, one symbol for one
// kind of support wherever it stands. Then the label placer on its own: a label keeps its spot
// when it is free and otherwise takes the nearest free one (what a recording canvas has it keep
// clear of, and which it gives way to first, shows in the golden drawings' labels). Last, drawings
// of data nobody has checked: references outside the tables and coordinates that are not finite
// draw nothing (the local axes of checked data are in the golden drawings).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <optional>
#include <sstream>
#include <vector>

#include "analysis/AnalysisRun.h"
#include "graphics/Drawing.h"
#include "graphics/DrawingData.h"
#include "graphics/LabelPlacer.h"
#include "graphics/PlaneModels.h"
#include "graphics/StructurePicture.h"
#include "model/StructType.h"
#include "model/UnitConversion.h"
#include "support/CaseNames.h"
#include "support/SampleModels.h"
#include "support/ScriptedMessages.h"

namespace stavelorn {
namespace {

using stavelorn::testing::ExampleModel;
using stavelorn::testing::ExpectTextsApart;
using stavelorn::testing::NamedCases;

// The strokes of a picture by the symbol they belong to, in drawing order.
std::map<int, std::vector<const Stroke*>> Symbols(const RecordingCanvas& canvas, SymbolClass kind) {
  std::map<int, std::vector<const Stroke*>> groups;
  for (const Stroke& s : canvas.Strokes())
    if (s.Symbol == kind) groups[s.SymbolSerial].push_back(&s);
  return groups;
}

std::vector<std::pair<Point, Point>> MembersOnPicture(const ModelStore& model) {
  std::vector<std::pair<Point, Point>> members;
  for (int m = 1; m <= model.MemberCount; ++m) {
    std::optional<Point> b = PicturePosition(model, model.MemberProps(m, 1));
    std::optional<Point> e = PicturePosition(model, model.MemberProps(m, 2));
    if (b && e) members.emplace_back(*b, *e);
  }
  return members;
}

// The picture directions of the joint's loads that an arrow shows: each force, and for the
// projections each moment's vector, the way it acts.
std::vector<Point> LoadDirections(const ModelStore& model, int joint) {
  const StructTypeInfo& type = *model.Type();
  const bool plane = IsPlane(model.StructType);
  std::vector<Point> directions;
  for (int r = 1; r <= model.JointLoadCount; ++r) {
    if (model.JointLoadJoints(r) != joint) continue;
    for (int k = 1; k <= type.CoordsPerJoint; ++k) {
      const double v = model.JointLoadValues(r, k);
      const JointCoordNames& c = CoordinateOf(type, k);
      if (v == 0 || (c.Rotation && plane)) continue;
      const Point3 unit{c.Axis == 'X' ? 1.0 : 0, c.Axis == 'Y' ? 1.0 : 0, c.Axis == 'Z' ? 1.0 : 0};
      Point d = plane ? Point{unit.X, unit.Y} : ProjectOblique(model.StructType, unit);
      const double n = std::hypot(d.X, d.Y) * (v > 0 ? 1 : -1);
      directions.push_back({d.X / n, d.Y / n});
    }
  }
  return directions;
}

void ExpectArrowsClear(const ModelStore& model, const RecordingCanvas& canvas,
                       const std::string& what) {
  const double pixel = std::fabs(canvas.ScaleRect().Right - canvas.ScaleRect().Left) / 1000;
  const auto members = MembersOnPicture(model);
  for (const auto& [serial, strokes] : Symbols(canvas, SymbolClass::Load)) {
    const int joint = strokes.front()->SymbolJoint;
    if (joint == 0 || strokes.front()->Colour != kLightMagenta ||
        std::any_of(strokes.begin(), strokes.end(),
                    [](const Stroke* s) { return s->Shape != Stroke::Kind::Line; }))
      continue;  // member loads, settlements and turning arrows
    const Stroke& shaft = **std::max_element(strokes.begin(), strokes.end(), [](auto a, auto b) {
      return std::hypot(a->X2 - a->X1, a->Y2 - a->Y1) < std::hypot(b->X2 - b->X1, b->Y2 - b->Y1);
    });
    const Point p = *PicturePosition(model, joint), a{shaft.X1, shaft.Y1}, b{shaft.X2, shaft.Y2};
    const std::string arrow = what + ", arrow at joint " + std::to_string(joint);
    ASSERT_TRUE(Distance(a, p) < pixel || Distance(b, p) < pixel) << arrow << " is off its joint";
    const Point outer = Distance(a, p) < pixel ? b : a;
    // The head's strokes start at its tip.
    const bool headOut = std::any_of(strokes.begin(), strokes.end(), [&](const Stroke* s) {
      return s != &shaft && Distance({s->X1, s->Y1}, outer) < pixel;
    });
    const Point tail = headOut ? p : outer, tip = headOut ? outer : p;
    const double length = Distance(tail, tip);
    const Point drawn{(tip.X - tail.X) / length, (tip.Y - tail.Y) / length};
    const std::vector<Point> loads = LoadDirections(model, joint);
    EXPECT_TRUE(std::any_of(loads.begin(), loads.end(),
                            [&](Point d) { return d.X * drawn.X + d.Y * drawn.Y > 0.999; }))
        << arrow << " points the wrong way";
    // Beyond its first quarter an arrow stands clear of every member: it neither crosses one nor
    // runs along one of its joint's own (within 7 degrees of it).
    for (double along = 0.25 * length; along <= length; along += 0.5 * pixel) {
      const Point q{p.X + (outer.X - p.X) * along / length, p.Y + (outer.Y - p.Y) * along / length};
      for (const auto& [mb, me] : members)
        ASSERT_GE(DistanceToSegment(q, mb, me), 2 * pixel) << arrow << " runs into a member";
    }
    for (int j = 1; j <= model.JointCount; ++j) {
      if (j == joint) continue;
      EXPECT_GE(Distance(*PicturePosition(model, j), outer), 25 * pixel)
          << arrow << " ends at joint " << j;
    }
  }
}

// A support symbol's strokes relative to its joint, rounded to a hundredth of a pixel (circles by
// their centre and radius).
std::string Shape(const std::vector<const Stroke*>& strokes, Point p, double pixel) {
  std::ostringstream out;
  auto at = [&](double v, double origin) { return std::lround((v - origin) / pixel * 100); };
  for (const Stroke* s : strokes) {
    out << static_cast<int>(s->Shape) << ' ' << at(s->X1, p.X) << ' ' << at(s->Y1, p.Y) << ' ';
    if (s->Shape == Stroke::Kind::Circle)
      out << std::lround(s->Radius / pixel) << ';';
    else
      out << at(s->X2, p.X) << ' ' << at(s->Y2, p.Y) << ';';
  }
  return out.str();
}

void ExpectSupportsAtJoints(const ModelStore& model, const RecordingCanvas& canvas,
                            const std::string& what) {
  const double pixel = std::fabs(canvas.ScaleRect().Right - canvas.ScaleRect().Left) / 1000;
  const int dofs = model.Type()->CoordsPerJoint;
  std::map<std::vector<int>, std::string> shapeOfKind;
  for (const auto& [serial, strokes] : Symbols(canvas, SymbolClass::Support)) {
    const int joint = strokes.front()->SymbolJoint;
    const Point p = *PicturePosition(model, joint);
    const std::string support = what + ", support at joint " + std::to_string(joint);
    EXPECT_TRUE(std::any_of(strokes.begin(), strokes.end(),
                            [&](const Stroke* s) {
                              if (s->Shape == Stroke::Kind::Circle)
                                return std::fabs(Distance({s->X1, s->Y1}, p) - s->Radius) < pixel;
                              return DistanceToSegment(p, {s->X1, s->Y1}, {s->X2, s->Y2}) < pixel;
                            }))
        << support << " stands off it";
    if (IsPlane(model.StructType)) continue;
    std::vector<int> kind;
    for (int r = 1; r <= model.SupportCount; ++r)
      if (model.Supports(r, 1) == joint)
        for (int k = 1; k <= dofs; ++k) kind.push_back(model.Supports(r, k + 1));
    const std::string shape = Shape(strokes, p, pixel);
    const auto [first, added] = shapeOfKind.emplace(kind, shape);
    EXPECT_EQ(first->second, shape) << support << " is drawn unlike another of its kind";
  }
}

struct Projects {
  const char* name;
  bool kipInch;
};

class ExamplePictures : public ::testing::TestWithParam<Projects> {};

TEST_P(ExamplePictures, KeepTextsApartAndArrowsAndSupportsAtTheirJoints) {
  const Projects& c = GetParam();
  for (const std::string example : testing::kExampleNames) {
    ModelStore model = ExampleModel(example);
    // The examples are in kN and m, as their titles say.
    model.Units = NamedUnits(ForceUnit::kN, LengthUnit::m, TemperatureUnit::C);
    if (c.kipInch) {
      ASSERT_FALSE(
          ConvertUnits(model, NamedUnits(ForceUnit::kip, LengthUnit::in, TemperatureUnit::F)));
    }
    const AnalysisRun run = CheckAndAnalyze(model, AvailableMemoryBytes(), false);
    ASSERT_EQ(run.Results.AnalysisStatus, kAnalysisComplete) << example;
    std::vector<std::optional<DiagramQuantity>> diagrams{std::nullopt};
    for (DiagramQuantity q : QuantitiesOfType(model.StructType)) diagrams.push_back(q);
    for (bool deformed : {false, true})
      for (const std::optional<DiagramQuantity>& diagram : diagrams) {
        ScriptedMessages messages;
        const std::vector<RecordingCanvas> drawings = StructurePictureDrawings(
            model, run.Results, PictureContent{deformed, diagram}, messages);
        const std::string what =
            example + (deformed ? " deformed" : "") +
            (diagram ? " with diagram " + std::to_string(Index(*diagram)) : "");
        for (const RecordingCanvas& drawing : drawings) ExpectTextsApart(drawing, what);
        ExpectArrowsClear(model, drawings.front(), what);
        ExpectSupportsAtJoints(model, drawings.front(), what);
        EXPECT_TRUE(messages.Log().empty()) << what;
      }
  }
}

INSTANTIATE_TEST_SUITE_P(EveryExample, ExamplePictures,
                         ::testing::Values(Projects{"kN_m", false}, Projects{"kip_in", true}),
                         NamedCases());

TEST(LabelPlacer, KeepsAFreeSpotAndMovesOffATakenOne) {
  // Labels 4 wide and 1 high, preferred at (0, 0) (their top-left corner; the box runs down).
  const struct Case {
    const char* name;
    std::vector<LabelBox> taken;
    LabelPlacer::Corner expected;
  } cases[] = {
      {"nothing in the way", {}, {0, 0}},
      {"touching is not covering", {{4, -1, 6, 0}}, {0, 0}},
      {"a label on the spot: one line up", {{0, -1, 4, 0}}, {0, 1}},
      {"the spot and the line above taken: one line down", {{0, -1, 4, 1}}, {0, -1}},
      {"a column taken: one width right", {{0, -3, 4, 3}}, {4, 0}},
      {"all covered alike: the preferred spot", {{-50, -50, 50, 50}}, {0, 0}},
      {"the near spots all taken: the nearest farther out", {{-9, -3, 13, 2}}, {0, 3}},
  };
  // A cell size that is no size is taken as the label's height.
  for (const Case& c : cases)
    for (double cell : {1.0, 0.0, double(NAN)}) {
      LabelPlacer placer;
      placer.Clear(cell);
      for (const LabelBox& box : c.taken) placer.Avoid(box);
      const LabelPlacer::Corner got = placer.Place(0, 0, 4, 1);
      EXPECT_DOUBLE_EQ(got.X, c.expected.X) << c.name << " cell " << cell;
      EXPECT_DOUBLE_EQ(got.Y, c.expected.Y) << c.name << " cell " << cell;
    }
}

using Kind = Stroke::Kind;

// Centres of the joint markers: filled squares, or circles in colour 11 for space trusses.
std::vector<std::pair<double, double>> Markers(const RecordingCanvas& canvas) {
  std::vector<std::pair<double, double>> centres;
  for (const Stroke& s : canvas.Strokes()) {
    if (s.Shape == Kind::Box) centres.emplace_back((s.X1 + s.X2) / 2, (s.Y1 + s.Y2) / 2);
    if (s.Shape == Kind::Circle && s.Colour == kLightCyan) centres.emplace_back(s.X1, s.Y1);
  }
  return centres;
}

TEST(UncheckedData, ReferencesOutsideTheTablesAndNonFiniteCoordinatesDrawNothing) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  // Joint 3 cannot be placed: members to it, to a joint that does not exist and from one below 1;
  // supports on a joint that does not exist and on joint 3; loads on a joint and a member that do
  // not exist, and on the member to joint 3 (unchecked-*.str).
  for (const char* name : {"unchecked-plane-frame", "unchecked-space-frame"}) {
    ModelStore model =
        testing::ModelFromFile(std::string("tests/graphics/golden/") + name + ".str");
    const std::string type = model.StructType;
    model.JointCoords(3, type == "PFrame" ? 1 : 2) = nan;
    for (int k = 1; k <= model.CoordsPerJoint; ++k) model.JointLoadValues(2, k) = nan;
    // Counts that run past what the tables hold.
    model.JointCount = 40, model.MemberCount = 9, model.SupportCount = 5;
    model.JointLoadCount = 3, model.MemberLoadCount = 5;
    StructureResults hollow;  // complete, with no results behind it
    hollow.AnalysisStatus = kAnalysisComplete;
    testing::DrawnModel drawn(model, FormId::mcas, hollow);
    DrawLocalAxes(model, drawn.canvas, drawn.view);  // along the one member it can place
    EXPECT_TRUE(drawn.messages.Log().empty()) << type;
    EXPECT_EQ(Markers(drawn.canvas).size(), 2u) << type;
    EXPECT_EQ(testing::StrokesOf(drawn.canvas, Kind::Line, kLightCyan).size(), 1u) << type;
    EXPECT_TRUE(testing::StrokesOf(drawn.canvas, Kind::Line, kLightMagenta).empty()) << type;
    EXPECT_TRUE(testing::StrokesOf(drawn.canvas, Kind::Line, kYellow).empty()) << type;
    for (const Stroke& s : drawn.canvas.Strokes())
      EXPECT_TRUE(std::isfinite(s.X1) && std::isfinite(s.Y1)) << type;
  }
}

}  // namespace
}  // namespace stavelorn
