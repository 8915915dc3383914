// What the main window draws of everything entered: hinge circles at the released member ends,
// joint and member numbers, every joint load and settlement with its value, and the labels of
// temperature changes and fabrication errors.
#include <gtest/gtest.h>

#include <cmath>

#include "editors/EditorPreviews.h"
#include "editors/GridModel.h"
#include "graphics/Drawing.h"
#include "graphics/DrawingData.h"
#include "graphics/PlaneModels.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

using namespace testing;
using Kind = Stroke::Kind;

std::vector<std::string> TextsOf(const RecordingCanvas& canvas, int colour) {
  std::vector<std::string> texts;
  for (const Stroke& s : canvas.Strokes())
    if (s.Shape == Kind::Text && s.Colour == colour) texts.push_back(s.Text);
  return texts;
}

// A model with members 1-2 and 2-3 along X (a plane frame, or a space frame whose joints are
// placed in X-Y) and one release record for member 1.
ModelStore TwoMembers(const char* type, int releaseCode) {
  ModelStore model = std::string(type) == "SFrame"
                         ? JointsOnly(type, {{0, 0, 0}, {10, 0, 0}, {20, 0, 0}})
                         : JointsOnly(type, {{0, 0}, {10, 0}, {20, 0}});
  AddMember(model, 1, 2);
  AddMember(model, 2, 3);
  model.ReleaseCount = 1;
  model.Releases = Table<std::int16_t>(1, 2);
  model.Releases(1, 1) = 1;
  model.Releases(1, 2) = static_cast<std::int16_t>(releaseCode);
  return model;
}

TEST(Hinges, ACircleJustInsideEachReleasedEndForEveryCodeInPlaneAndInSpace) {
  const struct Case {
    const char* type;
    int code;
    std::vector<double> along;  // positions of the circles along member 1 (length 10)
  } cases[] = {
      {"PFrame", 0, {}},      {"PFrame", 1, {0}}, {"PFrame", 2, {10}},
      {"PFrame", 3, {0, 10}}, {"SFrame", 1, {0}}, {"SFrame", 3, {0, 10}},
      {"Beam", 2, {10}},      {"PTruss", 3, {}},  // a truss takes no releases
  };
  for (const Case& c : cases) {
    const ModelStore model = TwoMembers(c.type, c.code);
    SCOPED_TRACE(std::string(c.type) + " code " + std::to_string(c.code));
    for (FormId form : {FormId::mcas, FormId::Disp, FormId::MemLoadA}) {
      const DrawnModel drawn(model, form);
      std::vector<Stroke> circles;
      for (const Stroke& s : drawn.canvas.Strokes())
        if (s.Shape == Kind::Circle && s.Member == 1) circles.push_back(s);
      ASSERT_EQ(circles.size(), c.along.size());
      const Point begin = *PicturePosition(model, 1), end = *PicturePosition(model, 2);
      const double mark = drawn.view.MarkUnit;
      for (std::size_t i = 0; i < circles.size(); ++i) {
        const Point joint = c.along[i] == 0 ? begin : end;
        const double gap = std::hypot(circles[i].X1 - joint.X, circles[i].Y1 - joint.Y);
        // Inside the member, clear of the joint's marker (half a mark), within a mark and a half.
        EXPECT_GT(gap - circles[i].Radius, 0.5 * mark - 1e-9);
        EXPECT_LT(gap, 1.5 * mark);
        EXPECT_NEAR(circles[i].Y1,
                    begin.Y + (circles[i].X1 - begin.X) * (end.Y - begin.Y) / (end.X - begin.X),
                    1e-9);
      }
    }
  }
}

// The members' list window draws the hinges its grid holds, before they are stored.
TEST(Hinges, ThePreviewShowsTheGridsHinges) {
  GridModel grid;
  grid.SetCols(6);
  grid.SetRows(3);
  for (int row = 1; row <= 2; ++row) {
    grid.SetText(row, 1, std::to_string(row));
    grid.SetText(row, 2, std::to_string(row + 1));
  }
  grid.SetText(1, 5, "Both Ends");
  RecordingCanvas canvas;
  ScriptedMessages messages;
  DrawMembersPreview(TwoMembers("PFrame", 0), grid, 2, canvas, messages);
  EXPECT_EQ(StrokesOf(canvas, Kind::Circle, kYellow).size(), 2u);
}

TEST(Numbers, JointNumbersBesideTheJointsAndMemberNumbersAwayFromTheLoads) {
  // A beam loaded downward: the load's figure stands above it, the number goes below.
  ModelStore model = TwoMembers("PFrame", 0);
  AddMemberLoad(model, 1, 3, {10, 0, 0, 0});
  AddMemberLoad(model, 2, 3, {-10, 0, 0, 0});
  const DrawnModel drawn(model);
  EXPECT_EQ(TextsOf(drawn.canvas, kLightGray), (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(TextsOf(drawn.canvas, kBrown), (std::vector<std::string>{"1", "2"}));
  const double mark = drawn.view.MarkUnit;
  for (const Stroke& s : drawn.canvas.Strokes()) {
    if (s.Shape != Kind::Text) continue;
    if (s.Colour == kLightGray) {  // within a few marks of its joint
      const Point joint = *PicturePosition(model, std::stoi(s.Text));
      EXPECT_LT(std::hypot(s.X1 - joint.X, s.Y1 - joint.Y), 6 * mark) << s.Text;
    } else if (s.Colour == kBrown) {  // at mid-length of its member, below it
      EXPECT_NEAR(s.X1, s.Text == "1" ? 5 : 15, 2 * mark) << s.Text;
      EXPECT_LT(s.Y1, 0) << s.Text;
    } else if (s.Colour == kYellow) {
      EXPECT_GT(s.Y1, 0) << s.Text;  // the loads' values, above
    }
  }
}

TEST(JointRecords, JointLoadsAndSettlementsCarryTheirValuesInPlaneAndInSpace) {
  const struct Case {
    const char* type;
    std::vector<float> load, settlement;
    std::vector<std::string> loadTexts, settlementTexts;
  } cases[] = {
      {"PFrame",
       {10, -5, 3},
       {0, -0.01f, 0.002f},
       {"Fx = 10", "Fy = -5", "Mz = 3"},
       {"-0.01", "0.002"}},
      {"Beam", {-7, 0}, {0.5f, 0}, {"Fy = -7"}, {"0.5"}},
      {"PTruss", {0, 4}, {0, 0}, {"Fy = 4"}, {}},
      {"STruss", {1, 2, 3}, {0, 0, -1}, {"Fx = 1", "Fy = 2", "Fz = 3"}, {"-1"}},
      {"Grid", {-20, 0, 6}, {0.1f, 0, 0}, {"Fy = -20", "Mz = 6"}, {"0.1"}},
      {"SFrame", {20, 0, 0, 0, 0, -8}, {0, 0, 0, 0.03f, 0, 0}, {"Fx = 20", "Mz = -8"}, {"0.03"}},
  };
  for (const Case& c : cases) {
    const std::string type = c.type;
    ModelStore model = type == "Beam" ? JointsOnly(c.type, {{0}, {10}})
                       : type == "SFrame" || type == "STruss"
                           ? JointsOnly(c.type, {{0, 0, 0}, {10, 0, 0}})
                           : JointsOnly(c.type, {{0, 0}, {10, 0}});
    AddMember(model, 1, 2);
    AddJointLoad(model, 2, c.load);
    model.SettlementCount = 1;
    model.SettlementJoints = Array<std::int16_t>(1);
    model.SettlementJoints(1) = 1;
    model.SettlementValues = Table<float>(1, model.CoordsPerJoint);
    for (std::size_t k = 0; k < c.settlement.size(); ++k)
      model.SettlementValues(1, static_cast<int>(k) + 1) = c.settlement[k];
    const DrawnModel drawn(model);
    SCOPED_TRACE(type);
    EXPECT_EQ(TextsOf(drawn.canvas, kLightMagenta), c.loadTexts);
    EXPECT_EQ(TextsOf(drawn.canvas, kLightRed), c.settlementTexts);
    // Every arrow starts or ends at its joint, and every label stands within 10 units of it.
    const double u = drawn.view.SymbolUnit;
    for (int colour : {kLightMagenta, kLightRed}) {
      const Point joint = *PicturePosition(model, colour == kLightMagenta ? 2 : 1);
      for (const Stroke& s : drawn.canvas.Strokes())
        if (s.Colour == colour && (s.Shape == Kind::Text || s.Shape == Kind::Line)) {
          EXPECT_LT(std::hypot(s.X1 - joint.X, s.Y1 - joint.Y), 10 * u) << s.Text;
        }
      if (!(colour == kLightRed ? c.settlementTexts : c.loadTexts).empty()) {
        EXPECT_FALSE(StrokesOf(drawn.canvas, Kind::Line, colour).empty());
      }
    }
  }
}

TEST(MemberRecords, TemperatureChangesAndFabricationErrorsAreLabelledOnTheirMembers) {
  const ModelStore model = ModelFromText(R"("t","PFrame"
"Joints",3, 0,0, 10,0, 20,0
"Members",2, 1,2,1,1, 2,3,1,1
"Temperature Changes",1, 2,20
"Fabrication Errors",1, 1,0.01
)");
  const DrawnModel drawn(model);
  EXPECT_EQ(TextsOf(drawn.canvas, kYellow),
            (std::vector<std::string>{"\xCE\x94T = 20", "e = 0.01"}));
  for (const Stroke& s : drawn.canvas.Strokes())
    if (s.Shape == Kind::Text && s.Colour == kYellow) {  // over its own member
      EXPECT_EQ(s.X1 > 10, s.Text[0] != 'e') << s.Text;
    }
}

// Every value is labelled by its symbol in a few digits, with the unit of the project's named
// units (an angle has none), and every stroke drawn belongs to a symbol naming its owner.
TEST(DrawnLabels, EachValueBySymbolAndUnitAndEveryStrokeInANamedSymbol) {
  ModelStore model = TwoMembers("PFrame", 3);
  model.Units = NamedUnits(ForceUnit::kN, LengthUnit::m, TemperatureUnit::C);
  AddJointLoad(model, 2, {10, 0, -5});
  AddMemberLoad(model, 1, 1, {-8.992357f, 0, 4, 0});
  AddMemberLoad(model, 2, 4, {0, 6, 0, 0});
  model.SettlementCount = 1;
  model.SettlementJoints = Array<std::int16_t>(1);
  model.SettlementJoints(1) = 1;
  model.SettlementValues = Table<float>(1, 3);
  model.SettlementValues(1, 2) = -0.015f, model.SettlementValues(1, 3) = 0.002f;
  const DrawnModel drawn(model);
  EXPECT_EQ(TextsOf(drawn.canvas, kLightMagenta),
            (std::vector<std::string>{"Fx = 10 kN", "Mz = -5 kN\xC2\xB7m"}));
  EXPECT_EQ(TextsOf(drawn.canvas, kLightRed), (std::vector<std::string>{"-0.015 m", "0.002"}));
  EXPECT_EQ(TextsOf(drawn.canvas, kYellow),
            (std::vector<std::string>{"P = -8.992 kN", "w1 = 0 kN/m", "w2 = 6 kN/m"}));
  int hinges = 0;
  for (const Stroke& s : drawn.canvas.Strokes()) {
    EXPECT_NE(s.Symbol, SymbolClass::None) << s.Text;
    EXPECT_NE(s.SymbolJoint + s.SymbolMember, 0) << s.Text;
    if (s.Shape == Kind::Text && (s.Colour == kLightGray || s.Colour == kBrown)) {
      EXPECT_EQ(s.Colour == kLightGray ? s.SymbolJoint : s.SymbolMember, std::stoi(s.Text));
    }
    hinges += s.Symbol == SymbolClass::Hinge && s.SymbolMember == 1;
  }
  EXPECT_EQ(hinges, 2);
}

}  // namespace
}  // namespace stavelorn
