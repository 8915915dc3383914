// The sign-convention pictures of every type, judged by their geometry rather than their pixels:
// each is drawn without a message, no label covers another, each is cropped to what it draws,
// the reactions picture names exactly the reactions of the type and the diagram picture a moment.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <tuple>

#include "analysis/MemberDiagrams.h"
#include "app/SignConventionModels.h"
#include "app/SignConventions.h"
#include "graphics/PlaneModels.h"
#include "model/MemberLoadKind.h"
#include "support/ScriptedMessages.h"

namespace stavelorn {
namespace {

// The box of everything drawn: the lines' ends, the circles' and arcs' squares, each text's line.
UserScale DrawnBox(const RecordingCanvas& canvas) {
  UserScale box{1e300, -1e300, -1e300, 1e300};
  auto take = [&box](double x, double y) {
    box.Left = std::min(box.Left, x), box.Right = std::max(box.Right, x);
    box.Bottom = std::min(box.Bottom, y), box.Top = std::max(box.Top, y);
  };
  for (const Stroke& s : canvas.Strokes())
    if (s.Shape == Stroke::Kind::Text) {
      take(s.X1, s.Y1 - canvas.TextHeight());
      take(s.X1 + canvas.TextWidth(s.Text), s.Y1);
    } else if (s.Shape == Stroke::Kind::Circle || s.Shape == Stroke::Kind::Arc) {
      take(s.X1 - s.Radius, s.Y1 - s.Radius);
      take(s.X1 + s.Radius, s.Y1 + s.Radius);
    } else {
      take(s.X1, s.Y1), take(s.X2, s.Y2);
    }
  return box;
}

std::string Trimmed(std::string text) {
  text.erase(0, text.find_first_not_of(' '));
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

TEST(SignConventions, EveryPictureIsDrawnWithLabelsApartAndCroppedToWhatItDraws) {
  for (const StructTypeInfo& type : AllStructTypes()) {
    ScriptedMessages messages;
    const std::vector<SignDrawing> drawings = SignConventionDrawings(type, messages);
    EXPECT_TRUE(messages.Log().empty()) << type.Code << ": " << messages.Log().front().Text;
    ASSERT_GE(drawings.size(), 6u) << type.Code;
    for (const SignDrawing& drawing : drawings) {
      SCOPED_TRACE(drawing.Name);
      ASSERT_FALSE(drawing.Drawings.empty());
      for (const RecordingCanvas& canvas : drawing.Drawings) {
        const UserScale& scale = canvas.ScaleRect();
        EXPECT_GT(testing::ExpectTextsApart(canvas, drawing.Name, 1e-3), 0)
            << "a picture without a word";
        // Cropped to what is drawn, all of it on the picture, with a line of text around it as
        // high as it was before the crop (no picture narrows to less than half).
        const UserScale box = DrawnBox(canvas);
        const double line = canvas.TextHeight(), slack = 1e-3 * line;
        for (const auto& [edge, drawn, outward] : {std::tuple{scale.Left, box.Left, -1},
                                                   {scale.Right, box.Right, 1},
                                                   {scale.Bottom, box.Bottom, -1},
                                                   {scale.Top, box.Top, 1}}) {
          EXPECT_GE(outward * (edge - drawn), -slack) << "cut off at " << drawn;
          EXPECT_LE(outward * (edge - drawn), 2 * line) << "an empty band at " << edge;
        }
      }
    }
  }
}

// A picture's model carries every member load asked of it, one kind a member, in their order;
// asked for, a joint load positive in every component, and a settlement positive in each
// coordinate its support restrains and nothing in the others.
TEST(SignConventions, TheModelsCarryEveryLoadAskedOfThem) {
  for (const StructTypeInfo& type : AllStructTypes()) {
    SCOPED_TRACE(type.Code);
    SignModelLoads loads;
    loads.MemberLoads = AcceptedLoadKinds(type.Kind);
    loads.JointLoad = loads.Settlement = true;
    const ModelStore model = SignModel(type, "loads", loads);
    ASSERT_EQ(model.MemberLoadCount, static_cast<int>(loads.MemberLoads.size()));
    for (int i = 1; i <= model.MemberLoadCount; ++i)
      EXPECT_EQ(model.MemberLoadInfo(i, 2), static_cast<int>(loads.MemberLoads[i - 1]->Kind));
    ASSERT_EQ(model.JointLoadCount, 1);
    ASSERT_EQ(model.SettlementCount, 1);
    ASSERT_EQ(model.SettlementJoints(1), model.Supports(1, 1));
    for (int k = 1; k <= type.CoordsPerJoint; ++k) {
      EXPECT_GT(model.JointLoadValues(1, k), 0) << k;
      EXPECT_EQ(model.SettlementValues(1, k) > 0, model.Supports(1, k + 1) == 1) << k;
      EXPECT_GE(model.SettlementValues(1, k), 0) << k;
    }
  }
}

// The diagram picture names one diagram of the type: a moment, or a truss's axial force.
TEST(SignConventions, TheReactionsAndTheDiagramPicturesNameWhatTheTypeHas) {
  for (const StructTypeInfo& type : AllStructTypes()) {
    ScriptedMessages messages;
    std::set<std::string> expected, named;
    for (int k = 0; k < type.CoordsPerJoint; ++k)
      expected.insert(Trimmed(type.Coords[static_cast<std::size_t>(k)].Reaction));
    int diagrams = 0, moments = 0;
    for (const SignDrawing& drawing : SignConventionDrawings(type, messages)) {
      for (DiagramQuantity q : QuantitiesOfType(type.Code))
        if (drawing.Caption.find(" and " + QuantityName(type.Code, q) + " diagram") !=
            std::string::npos)
          ++diagrams, moments += UnitQuantity(q) == Quantity::Moment;
      if (drawing.Name.find("-reactions.svg") == std::string::npos) continue;
      for (const Stroke& s : drawing.Drawings.front().Strokes())
        if (s.Shape == Stroke::Kind::Text && s.Colour == kLightGreen) named.insert(s.Text);
    }
    EXPECT_EQ(named, expected) << type.Code;
    EXPECT_EQ(diagrams, 1) << type.Code;
    EXPECT_EQ(moments, type.Truss ? 0 : 1) << type.Code;
    // The help section says each sentence once: the axes, the end forces, every load kind, the
    // diagram and the settlements.
    std::istringstream section(SignConventionSection(type));
    std::set<std::string> said;
    int sentences = 0;
    for (std::string line; std::getline(section, line);)
      if (line.rfind("- ", 0) == 0) ++sentences, said.insert(line);
    EXPECT_EQ(sentences, static_cast<int>(said.size())) << type.Code;
    EXPECT_EQ(sentences, 4 + static_cast<int>(AcceptedLoadKinds(type.Kind).size())) << type.Code;
  }
}

}  // namespace
}  // namespace stavelorn
