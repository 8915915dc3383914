// Drawing with the mouse, driven in pixels over a recorded picture as the window does: snapping
// at every zoom, the sheet, the tools of each type, a drag as one step with the live analysis
// following it, and deleting a joint with its members (the example's portal frame drawn by hand
// through the same mode is tests/web/PageDrawingTest.cpp's).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "app/DrawingMode.h"
#include "app/DrawingOverlay.h"
#include "graphics/DeflectedShape.h"
#include "graphics/Drawing.h"
#include "support/SampleModels.h"
#include "support/ScriptedMessages.h"

using namespace stavelorn;
using namespace stavelorn::testing;

namespace {

using stavelorn::testing::FileText;

// The example's project with its title, type, units, materials and sections, and nothing drawn.
ModelStore Unbuilt(const std::string& example) {
  ModelStore model = ExampleModel(example);
  model.JointCount = model.SupportCount = model.MemberCount = model.ReleaseCount = 0;
  model.JointLoadCount = model.MemberLoadCount = 0;
  return model;
}

// A main window's drawing in drawing mode: the picture drawn anew after every change, a view of
// `visible` on 600 x 450 pixels, the mode's changes recorded in a project history.
struct Board {
  explicit Board(ModelStore start, UserScale view = {-2, 7, 10, -2})
      : model(std::move(start)),
        session(model, true),
        mode(model, messages, [this](Change change) { session.RecordChange(change); }),
        visible(view) {}

  PointerPicture Picture() {
    canvas = RecordingCanvas();
    canvas.SetPictureWidth(600);
    PlotStructure(model, mode.LiveResults(), canvas, FormId::mcas, messages);
    return {&canvas.Strokes(), visible, 600, 450};
  }
  double Px(Point p) const { return PictureMapping(visible, 600, 450).X(p.X); }
  double Py(Point p) const { return PictureMapping(visible, 600, 450).Y(p.Y); }
  void Click(Point p) {
    mode.Press(Picture(), Px(p), Py(p));
    mode.Release(Picture(), Px(p), Py(p));
  }
  // Presses at `from`, moves through `through` and releases at the last point.
  void Drag(Point from, const std::vector<Point>& through) {
    mode.Press(Picture(), Px(from), Py(from));
    for (Point p : through) mode.Move(Picture(), Px(p), Py(p));
    mode.Release(Picture(), Px(through.back()), Py(through.back()));
  }

  ModelStore model;
  ScriptedMessages messages;
  ProjectSession session;
  DrawingMode mode;
  UserScale visible;
  RecordingCanvas canvas;
};

// A joint, a grid point within reach, or the point itself, at views from far out to close in:
// the reach is in pixels, so a grid point pulls only from near it whatever the zoom.
TEST(DrawingMode, SnapsToJointsThenGridPointsWithinPixels) {
  const ModelStore portal = ExampleModel("portal-frame");
  for (double zoom : {0.25, 1.0, 4.0, 30.0}) {
    SCOPED_TRACE(zoom);
    const double half = 6 / zoom;
    Board b(portal, {4 - half, 2.5 + half, 4 + half, 2.5 - half * 0.75});
    const PointerPicture picture = b.Picture();
    const PictureMapping map(b.visible, 600, 450);
    const auto snap = [&](Point at, double dx, double dy) {
      return SnapPointer(b.model, picture, map.X(at.X) + dx, map.Y(at.Y) + dy, 1);
    };
    // Every joint, the first and the last among them, pulls the pointer; the dragged joint is
    // passed over, the pointer snapping to what lies under it.
    for (int j = 1; j <= portal.JointCount; ++j) {
      const Point at = *PlanePosition(portal, j);
      const Snapped joint = snap(at, 3, -2);
      EXPECT_EQ(joint.Kind, SnapKind::Joint) << j;
      EXPECT_EQ(joint.Joint, j);
      EXPECT_EQ(joint.At.X, at.X);
      EXPECT_EQ(joint.At.Y, at.Y);
      EXPECT_NE(SnapPointer(b.model, picture, map.X(at.X) + 3, map.Y(at.Y) - 2, 1, j).Kind,
                SnapKind::Joint);
    }
    const Snapped grid = snap({3, 2}, 4, 5);
    EXPECT_EQ(grid.Kind, SnapKind::GridPoint);
    EXPECT_EQ(grid.At.X, 3);
    EXPECT_EQ(grid.At.Y, 2);
    // Half way between grid points: free when the grid is wide enough on the screen to leave
    // room between the reaches, else the nearest grid point.
    const Snapped between = snap({3.5, 2.5}, 0, 0);
    const double cell = map.Length(1);
    EXPECT_EQ(between.Kind,
              cell * std::sqrt(0.5) > kGridReach ? SnapKind::Free : SnapKind::GridPoint);
    if (between.Kind == SnapKind::Free) {
      EXPECT_NEAR(between.At.X, 3.5, 1e-9);
    }
    EXPECT_EQ(SnapPointer(b.model, picture, map.X(3.5), map.Y(2.5), 0).Kind, SnapKind::Free);
  }
}

// The sheet holds every joint, stored or waiting, and ten by six cells from the origin, with two
// cells to spare, square about their middle; a grid too fine for the screen is thinned by halves.
TEST(DrawingMode, TheSheetHoldsEveryJointAndItsGridIsThinned) {
  const struct {
    double spacing;
    std::vector<Point> clicked;  // the first waits for the second
    UserScale sheet;
  } cases[] = {
      {1, {}, {-2, 10, 12, -4}},
      {2, {}, {-4, 20, 24, -8}},
      {0, {{-5, 20}}, {-9.5, 22, 14.5, -2}},
      {1, {{-5, 20}, {3, -1}}, {-10, 22, 15, -3}},
      {1, {{30, 2}}, {-2, 20, 32, -14}},
      {1, {{-30, 2}}, {-32, 25, 12, -19}},
  };
  for (const auto& c : cases) {
    Board b(Unbuilt("portal-frame"));
    b.mode.Palette.Spacing = c.spacing;
    for (Point p : c.clicked) b.Click(p);
    SCOPED_TRACE(::testing::Message() << c.spacing << ", " << c.clicked.size() << " clicked");
    const UserScale s = DrawingSheet(b.model, b.mode);
    EXPECT_EQ((std::vector<double>{s.Left, s.Top, s.Right, s.Bottom}),
              (std::vector<double>{c.sheet.Left, c.sheet.Top, c.sheet.Right, c.sheet.Bottom}));
  }
  // A grid point is two grey bars, one across and one up: 15 x 15 points of 1 on 14 across, none
  // without a grid, and of 1/8 only every fourth (29 x 29) so as to stay within 2500.
  for (const auto& [spacing, points] : {std::pair{1.0, 225}, {0.0, 0}, {0.125, 841}}) {
    Board b(Unbuilt("portal-frame"));
    b.mode.Palette.Spacing = spacing;
    RecordingCanvas canvas;
    DrawDrawingMarks(canvas, {-2, 10, 12, -4}, b.model, b.mode);
    int across = 0, up = 0;
    for (const Stroke& s : canvas.Strokes())
      if (s.Colour == kDarkGray)
        across += s.Y1 == s.Y2 && s.X2 > s.X1, up += s.X1 == s.X2 && s.Y2 > s.Y1;
    EXPECT_EQ(std::pair(across, up), std::pair(points, points)) << spacing;
  }
}

// Over the drawn structure, the chosen member is marked by a white line from its first joint to
// its second and the chosen joint by a circle on it; no mark is picked as the item drawn last.
TEST(DrawingMode, TheChoiceIsMarkedAndNoMarkIsPicked) {
  Board b(ExampleModel("portal-frame"));
  for (const auto& [at, mark] : {std::pair{Point{8, 2}, std::vector<double>{1, 8, 0, 8, 5}},
                                 {Point{0, 5}, std::vector<double>{2, 0, 5, 0, 0}}}) {
    b.Click(at);
    b.Picture();
    b.canvas.SetPickTag(1, 0);  // as a drawing might leave it
    const std::size_t structure = b.canvas.Strokes().size();
    DrawDrawingMarks(b.canvas, {-2, 10, 12, -4}, b.model, b.mode);
    const std::vector<Stroke>& all = b.canvas.Strokes();
    for (std::size_t i = structure; i < all.size(); ++i) EXPECT_EQ(all[i].Joint + all[i].Member, 0);
    const Stroke& last = all.back();
    EXPECT_EQ(last.Colour, kBrightWhite);
    EXPECT_EQ(mark, (std::vector<double>{last.Shape == Stroke::Kind::Line ? 1.0 : 2.0, last.X1,
                                         last.Y1, last.X2, last.Y2}));
  }
}

// A truss's bars take no hinge and no member load; a space type is not drawn at all.
TEST(DrawingMode, ToolsOfferedPerType) {
  const DrawTool all[] = {DrawTool::Select,    DrawTool::Joint, DrawTool::Member,
                          DrawTool::Support,   DrawTool::Hinge, DrawTool::JointLoad,
                          DrawTool::MemberLoad};
  const struct {
    StructKind Type;
    int Offered;  // how many of `all`
  } types[] = {{StructKind::Beam, 7}, {StructKind::PTruss, 5}, {StructKind::PFrame, 7},
               {StructKind::Grid, 7}, {StructKind::STruss, 0}, {StructKind::SFrame, 0}};
  for (const auto& type : types) {
    int offered = 0;
    for (DrawTool tool : all) offered += ToolApplies(tool, type.Type) ? 1 : 0;
    EXPECT_EQ(offered, type.Offered) << static_cast<int>(type.Type);
  }
}

// Joints clicked one by one: the first waits for the second (a list of one joint stores none),
// then both are stored in one step; a click on a joint selects it and adds nothing.
TEST(DrawingMode, JointsClickedAndAHingeToggledAtTheNearerEnd) {
  Board b(Unbuilt("portal-frame"));
  b.Click({0, 0});
  EXPECT_EQ(b.model.JointCount, 0);
  ASSERT_EQ(b.mode.WaitingJoints().size(), 1u);
  EXPECT_FALSE(b.session.CanUndo());  // a waiting joint is no data yet
  RecordingCanvas marks;              // and it is drawn as a square centred on it
  DrawDrawingMarks(marks, {-2, 10, 12, -4}, b.model, b.mode);
  std::vector<double> centre;
  for (const Stroke& s : marks.Strokes())
    if (s.Shape == Stroke::Kind::Box) centre = {s.X1 + s.X2, s.Y1 + s.Y2};
  EXPECT_EQ(centre, (std::vector<double>{0, 0}));
  b.mode.Palette.Spacing = 0;  // no grid: the waiting joint pulls the pointer as a joint does
  b.mode.Move(b.Picture(), b.Px({0, 0}) + 3, b.Py({0, 0}) - 2);
  EXPECT_EQ(b.mode.PointerText(), "X = 0, Y = 0");
  b.mode.Palette.Spacing = 1;
  b.Click({0, 5});
  b.Click({0, 5});
  EXPECT_EQ(b.model.JointCount, 2);
  EXPECT_TRUE(b.session.CanUndo());
  EXPECT_EQ(b.mode.Selection(), (PickedItem{PickedItem::Kind::Joint, 2}));
  b.mode.Palette.Tool = DrawTool::Member;
  b.Drag({0, 5}, {{6, 5}});
  EXPECT_EQ(b.model.JointCount, 3);  // the joint once waiting is not added again
  b.mode.Palette.Tool = DrawTool::Hinge;
  b.Click({5, 5});
  ASSERT_EQ(b.model.ReleaseCount, 1);
  EXPECT_EQ(b.model.Releases(1, 1), 1);
  EXPECT_EQ(b.model.Releases(1, 2), 2);  // the end at joint 3
  b.Click({1, 5});
  EXPECT_EQ(b.model.Releases(1, 2), 3);  // both ends
  // A member drawn from or to a waiting joint takes that joint for its end: two joints, not three;
  // and it takes the palette's material and section.
  for (const auto& [from, to] : {std::pair{Point{0, 0}, Point{8, 0}}, {Point{8, 0}, Point{0, 0}}}) {
    Board w(
        ModelFromText("\"t\"\n\"PFrame\"\n\"Materials\",2\n2E+08,1.2E-05\n7E+07,2.3E-05\n"
                      "\"Cross-Sections\",2\n0.0078,0.000115\n0.0098,0.00023\n"));
    w.Click({0, 0});
    w.mode.Palette.Tool = DrawTool::Member;
    w.mode.Palette.Material = w.mode.Palette.Section = 2;
    w.Drag(from, {to});
    EXPECT_EQ(w.model.JointCount, 2) << from.X;
    ASSERT_EQ(w.model.MemberCount, 1) << from.X;
    for (const auto& [end, at] : {std::pair{1, from}, {2, to}})  // each end at its own point
      EXPECT_EQ(w.model.JointCoords(w.model.MemberProps(1, end), 1), at.X) << from.X;
    EXPECT_EQ(w.model.MemberProps(1, 3), 2);
    EXPECT_EQ(w.model.MemberProps(1, 4), 2);
  }
}

// A joint dragged through several points with Live on: the analysis follows every move, in
// double precision, and the whole drag is one step that Undo takes back.
TEST(DrawingMode, DragIsOneStepAndTheLiveAnalysisFollowsIt) {
  Board b(ExampleModel("portal-frame"));
  b.mode.Reanalyse();  // nothing is analysed while Live is off
  EXPECT_NE(b.mode.LiveResults().AnalysisStatus, kAnalysisComplete);
  b.mode.Palette.Live = true;
  b.mode.Palette.Tool = DrawTool::Select;
  b.mode.Reanalyse();
  ASSERT_EQ(b.mode.LiveResults().AnalysisStatus, kAnalysisComplete);
  EXPECT_EQ(b.mode.LiveStatus(), "live, double precision");
  const std::string before = FileText(b.model);
  const Array<float> sway = b.mode.LiveResults().JointDisplacements;
  b.mode.Press(b.Picture(), b.Px({8, 5}), b.Py({8, 5}));
  for (Point p : {Point{8.5, 5}, Point{9, 6}}) {
    b.mode.Move(b.Picture(), b.Px(p), b.Py(p));
    EXPECT_EQ(b.model.JointCoords(3, 1), p.X);
    EXPECT_EQ(b.model.JointCoords(3, 2), p.Y);
    EXPECT_EQ(b.mode.LiveResults().AnalysisStatus, kAnalysisComplete);
  }
  EXPECT_NE(b.mode.LiveResults().JointDisplacements, sway);
  EXPECT_FALSE(b.session.CanUndo());  // nothing recorded while the button is held
  b.mode.Release(b.Picture(), b.Px({9, 6}), b.Py({9, 6}));
  EXPECT_EQ(b.session.UndoCaption(), "Undo Joints");
  b.session.Undo();
  EXPECT_FALSE(b.session.CanUndo());
  EXPECT_EQ(FileText(b.model), before);
  DrawingView view;  // the picture drawn after Undo analyses the frame as it is again
  DrawStructureBeingDrawn(b.canvas, b.model, b.mode, {}, view, b.messages);
  EXPECT_EQ(b.mode.LiveResults().JointDisplacements, sway);
  // and magnifies it as the results' pictures do: the top corner's shift (the sway, the largest
  // of the joints') at most a tenth of the frame's 8 m width, and (the members' curves moving at
  // most twice as far) over a fiftieth.
  const Point3 top = *JointTranslation(b.model, b.mode.LiveResults(), 2);
  EXPECT_LE(view.Multiplier * std::hypot(top.X, top.Y), 0.8);
  EXPECT_GT(view.Multiplier * std::hypot(top.X, top.Y), 0.16);
  // A pressed joint stays put while the pointer wanders under three pixels off the grid; three
  // start a drag.
  b.mode.Palette.Spacing = 0;
  for (const double dx : {2.9, 3.0}) {
    b.mode.Press(b.Picture(), b.Px({8, 5}), b.Py({8, 5}));
    b.mode.Move(b.Picture(), b.Px({8, 5}) + dx, b.Py({8, 5}));
    b.mode.Release(b.Picture(), b.Px({8, 5}) + dx, b.Py({8, 5}));
    EXPECT_EQ(b.session.CanUndo(), dx == 3.0) << dx;
  }
}

// Hinges at both ends of the beam over a pinned base and a roller make the frame sway freely:
// the live analysis finds the mechanism at once.
TEST(DrawingMode, LiveAnalysisShowsAMechanismAtOnce) {
  Board b(ExampleModel("portal-frame"));
  b.mode.Palette.Live = true;
  b.mode.Palette.Tool = DrawTool::Support;
  b.mode.Palette.Support = 2;  // roller, moves in X
  b.Click({8, 0});
  EXPECT_EQ(b.mode.LiveResults().AnalysisStatus, kAnalysisComplete);
  b.mode.Palette.Tool = DrawTool::Hinge;
  b.Click({1, 5});
  b.Click({7, 5});
  EXPECT_NE(b.mode.LiveResults().AnalysisStatus, kAnalysisComplete);
  EXPECT_FALSE(b.mode.LiveResults().MechanismMode.empty());
  EXPECT_EQ(b.mode.LiveStatus(), "live, double precision: unstable, its mechanism shown");
}

// The window's way with loads: the mode types the values into the list window's form itself. A
// joint load placed twice on a joint edits its one load; a member load goes where it is clicked;
// Delete takes the chosen member alone. Each is one step.
TEST(DrawingMode, LoadsTypedIntoTheFormAndAMemberDeleted) {
  ModelStore portal = ExampleModel("portal-frame");
  portal.JointLoadCount = portal.MemberLoadCount = 0;
  Board b(portal);
  std::string value;
  b.mode.LoadValues = [&value](ListEditor& ed) { ed.TypeField(2, value), ed.Ok(); };
  b.mode.Palette.Load = MemberLoadKind::Concentrated;
  for (const auto& [tool, at, typed] : {std::tuple{DrawTool::JointLoad, Point{0, 5}, "5"},
                                        {DrawTool::JointLoad, {8, 5}, "7"},
                                        {DrawTool::JointLoad, {8, 5}, "12"},
                                        {DrawTool::MemberLoad, {2.2, 5}, "40"},
                                        {DrawTool::JointLoad, {0, 0}, "x"},  // refused, shown
                                        {DrawTool::Select, {8, 2}, ""}}) {
    b.mode.Palette.Tool = tool;
    value = typed;
    b.Click(at);
  }
  ASSERT_EQ(b.messages.Log().size(), 1u);
  EXPECT_EQ(b.messages.Log()[0].Text, "X-Force (Fx): \"x\" is not a number.");
  b.mode.DeleteSelection();
  portal.MemberCount = 2;
  ModelStore expected =
      ModelFromText(FileText(portal) +
                    "\"Joint Loads\",2\n2,5,0,0\n3,12,0,0\n\"Member Loads\",1\n2,1,40,0,2,0\n");
  EXPECT_EQ(FileText(b.model), FileText(expected));
  for (const char* step : {"Undo Members", "Undo Member Loads", "Undo Joint Loads",
                           "Undo Joint Loads", "Undo Joint Loads"}) {
    EXPECT_EQ(b.session.UndoCaption(), step);
    b.session.Undo();
  }
  // A choice that Undo took away is none: Delete asks nothing and records nothing.
  for (Point chosen : {Point{9, 5}, Point{8.5, 5}}) {  // the new joint, then the new member
    b.mode.Palette.Tool = DrawTool::Member;
    b.Drag({8, 5}, {{9, 5}});
    b.mode.Palette.Tool = DrawTool::Select;
    b.Click(chosen);
    b.session.Undo();
    EXPECT_EQ(b.mode.Selection(), PickedItem{}) << chosen.X;
    b.mode.DeleteSelection();
  }
  EXPECT_EQ(b.messages.Log().size(), 1u);
  EXPECT_FALSE(b.session.CanUndo());
}

// A frame in two load cases with a record of every kind: what joint N's deletion leaves.
std::string Frame(const std::string& structure, const std::string& loadsA,
                  const std::string& loadsB) {
  return "\"t\"\n\"PFrame\"\n" + structure + "\"Load Cases\",2\n\"A\"\n\"B\"\n\"Load Case\",1\n" +
         loadsA + "\"Load Case\",2\n" + loadsB;
}
const char* const kElements =
    "\"Materials\",1\n2E+08,1.2E-05\n\"Cross-Sections\",1\n0.0078,0.000115\n";

// Delete on a joint asks first; its members go with it, and every later joint and member, with
// the supports, springs, angles, hinges and every load case's loads naming them, is numbered one
// less; what named the joint or a member gone goes too. The last joint left waits for another.
TEST(DrawingMode, DeletingAJointTakesItsMembersAndRenumbersTheRest) {
  const std::string start = Frame(
      "\"Joints\",4\n0,0\n0,5\n8,5\n8,0\n\"Supports\",2\n1,1,1,1\n4,1,1,0\n\"Support Springs\",1\n"
      "4,2,500\n\"Support Angles\",1\n4,30\n" +
          std::string(kElements) +
          "\"Members\",3\n1,2,1,1\n2,3,1,1\n4,3,1,1\n\"Member Releases\",1\n3,2\n",
      "\"Joint Loads\",2\n1,5,0,0\n3,12,0,0\n\"Member Loads\",1\n3,3,10,0,0,0\n",
      "\"Support Displacements\",1\n4,0.01,0,0\n\"Temperature Changes\",1\n3,20\n"
      "\"Fabrication Errors\",1\n2,-0.05\n");
  const struct {
    Point joint;
    std::string left;
    const char* asked;  // the question's start
  } cases[] = {
      {{0, 5},
       Frame(
           "\"Joints\",3\n0,0\n8,5\n8,0\n\"Supports\",2\n1,1,1,1\n3,1,1,0\n\"Support Springs\",1\n"
           "3,2,500\n\"Support Angles\",1\n3,30\n" +
               std::string(kElements) + "\"Members\",1\n3,2,1,1\n\"Member Releases\",1\n1,2\n",
           "\"Joint Loads\",2\n1,5,0,0\n2,12,0,0\n\"Member Loads\",1\n1,3,10,0,0,0\n",
           "\"Support Displacements\",1\n3,0.01,0,0\n\"Temperature Changes\",1\n1,20\n"),
       "Delete Joint 2 and its 2 members ?\n\nNote: The following"},
      {{8, 0},
       Frame("\"Joints\",3\n0,0\n0,5\n8,5\n\"Supports\",1\n1,1,1,1\n" + std::string(kElements) +
                 "\"Members\",2\n1,2,1,1\n2,3,1,1\n",
             "\"Joint Loads\",2\n1,5,0,0\n3,12,0,0\n", "\"Fabrication Errors\",1\n2,-0.05\n"),
       "Delete Joint 4 and its 1 member ?"},
      {{0, 0},
       Frame("\"Joints\",3\n0,5\n8,5\n8,0\n\"Supports\",1\n3,1,1,0\n\"Support Springs\",1\n"
             "3,2,500\n\"Support Angles\",1\n3,30\n" +
                 std::string(kElements) +
                 "\"Members\",2\n1,2,1,1\n3,2,1,1\n\"Member Releases\",1\n2,2\n",
             "\"Joint Loads\",1\n2,12,0,0\n\"Member Loads\",1\n2,3,10,0,0,0\n",
             "\"Support Displacements\",1\n3,0.01,0,0\n\"Temperature Changes\",1\n2,20\n"
             "\"Fabrication Errors\",1\n1,-0.05\n"),
       "Delete Joint 1 and its 1 member ?"},
  };
  for (const auto& c : cases) {
    Board b(ModelFromText(start));
    b.mode.Palette.Tool = DrawTool::Select;
    b.Click(c.joint);
    b.messages.Answer(kAnswerCancel);
    b.mode.DeleteSelection();
    EXPECT_EQ(b.model.JointCount, 4);
    EXPECT_EQ(b.messages.Log().back().Text.rfind(c.asked, 0), 0u) << b.messages.Log().back().Text;
    b.messages.Answer(kAnswerOk);
    b.mode.DeleteSelection();
    EXPECT_EQ(FileText(b.model), FileText(ModelFromText(c.left))) << c.joint.X << ", " << c.joint.Y;
  }
  Board b(ModelFromText(cases[2].left));  // joints at (0, 5), (8, 5) and (8, 0)
  b.mode.Palette.Tool = DrawTool::Select;
  for (Point joint : {Point{8, 5}, Point{8, 0}}) {
    b.Click(joint);
    b.messages.Answer(kAnswerOk);
    b.mode.DeleteSelection();
  }
  EXPECT_EQ(b.model.JointCount, 0);
  ASSERT_EQ(b.mode.WaitingJoints().size(), 1u);
  EXPECT_EQ(b.mode.WaitingJoints().front().Y, 5);
}

}  // namespace
