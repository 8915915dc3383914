// The Influence Lines window's rules, decided in the core: what a click on the drawn line picks
// (found on the recorded strokes as the window finds it), the path picked member by member, the
// principle worded for the quantity, and the table of stations.
#include "app/InfluenceChoice.h"

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/Analysis.h"
#include "graphics/InfluenceDrawing.h"
#include "graphics/Picking.h"
#include "graphics/RecordingCanvas.h"
#include "model/NumberText.h"
#include "support/Golden.h"
#include "support/ResultTableText.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

// Two spans of 5 with an overhang of 2 (influence-beam.str): joints 1, 2 supported, joint 3 at
// x = 10 supported, joint 4 at the free end.
testing::AnalysedModel Beam() {
  ModelStore m = testing::ModelFromFile("tests/app/golden/influence-beam.str");
  StructureResults results = Analyze(m);
  return {std::move(m), std::move(results)};
}

// What a click at the point x (along the beam) of the drawing picks, through the recorded strokes.
void ClickAt(const ModelStore& m, const StructureResults& results, InfluenceChoice& choice,
             double x) {
  RecordingCanvas canvas;
  DrawInfluenceLine(m, ComputeInfluenceLine(m, results, choice.Quantity, choice.Path).Line, canvas);
  const PictureMapping map(canvas.ScaleRect(), 600, 600);
  const PickedItem picked = PickAt(canvas.Strokes(), map, map.X(x), map.Y(0));
  if (picked.What == PickedItem::Kind::Joint) PickJoint(m, results, choice, picked.Number);
  if (picked.What == PickedItem::Kind::Member) {
    const double fraction = FractionAlongMember(m, picked.Number, x, 0);
    PickMember(m, choice, picked.Number, PickedSection(fraction, 5));
  }
}

// Clicks near 2/5 of member 2 (its bending moment there), on a support (its reaction), on the
// free end (its deflection, the component kept), on a support while a displacement is studied
// (its free rotation), then on a member with an end force chosen (the end force follows it);
// then picking the path, where a second click takes a member off and the quantity stays. What
// each click leaves, against a file checked by eye.
TEST(InfluenceChoice, ClicksOnTheDrawingPickTheQuantityAndThePath) {
  const testing::AnalysedModel analysed = Beam();
  const ModelStore& m = analysed.Model;
  const StructureResults& results = analysed.Results;
  InfluenceChoice choice = FirstInfluenceChoice(m, results);
  std::string log = "first: " + InfluenceName(m, choice.Quantity) + "\n";
  auto click = [&](double x) {
    ClickAt(m, results, choice, x);
    log += "click at " + FormatShortest(static_cast<float>(x)) + ": " +
           InfluenceName(m, choice.Quantity) + "; path";
    for (int member : choice.Path) log += " " + std::to_string(member);
    log += "\n";
  };
  for (double x : {7.1, 10.0, 12.0, 5.0}) click(x);
  choice.Quantity = {InfluenceKind::EndForce, 1, 3};
  click(11);
  choice.PickingPath = true;
  for (double x : {11.0, 2.5, 11.0, 7.5}) click(x);
  testing::ExpectGoldenFile(log, "tests/app/golden/influence-clicks.txt");
}

// The controls each kind offers on the beam: the item's label and count, and the components; a
// click on a truss bar studies its axial force, as a truss has no bending moment.
TEST(InfluenceChoice, TheControlsFollowTheKindAndATrussBarOffersItsForce) {
  const auto [m, results] = Beam();
  std::string offered;
  for (const InfluenceKindInfo& kind : InfluenceKinds()) {
    offered += std::to_string(InfluenceKindIndex(kind.Kind)) + InfluenceItemLabel(kind.Kind) +
               std::to_string(InfluenceItemCount(m, kind.Kind));
    for (const std::string& name : InfluenceComponents(m, kind.Kind)) offered += "|" + name;
    offered += "\n";
  }
  EXPECT_EQ(offered,
            "0Joint:4|Y Force|Moment\n"
            "1Member:3|1 Shear (beginning)|2 Moment (beginning)|3 Shear (end)|4 Moment (end)\n"
            "2Member:3|V|M\n3Joint:4|Y Translation|Z Rotation\n");
  InfluenceChoice choice = FirstInfluenceChoice(m, results);
  ChooseInfluenceControls(m, choice, 3, 1, "");  // the reaction's moment at joint 3
  EXPECT_EQ(InfluenceName(m, choice.Quantity), "Reaction Moment at joint 3");
  ChooseInfluenceKind(m, choice, InfluenceKind::Internal);
  ChooseInfluenceControls(m, choice, 2, 0, "2.5");
  EXPECT_EQ(InfluenceName(m, choice.Quantity), "V (shear in local y) at x = 2.5 of member 2");
  PickMember(m, choice, 3, 1);  // the shear kept on another member
  EXPECT_EQ(InfluenceName(m, choice.Quantity), "V (shear in local y) at x = 1 of member 3");
  EXPECT_FALSE(PickMemberAt(m, choice, 2, std::nan("")) || PickMemberAt(m, choice, 4, 0.5));
  InfluenceChoice fresh;  // no member chosen yet: the first one's last quantity
  ChooseInfluenceKind(m, fresh, InfluenceKind::Internal);
  EXPECT_EQ(InfluenceName(m, fresh.Quantity),
            "M (bending moment about local z) at x = 0 of member 1");
  InfluenceChoice truss;
  PickMember(testing::ExampleModel("roof-truss"), truss, 2, 1.5);
  EXPECT_EQ(truss.Quantity.Quantity, QuantitiesOfType("PTruss").front());
}

// The principle worded for each kind of quantity and its table of stations (in path order, both
// sides of a section, then the largest and the smallest ordinate), against a file checked by eye.
TEST(InfluenceChoice, ThePrincipleAndTheTableFitTheQuantity) {
  const auto [m, results] = Beam();
  const InfluenceQuantity shear = {InfluenceKind::Internal, 2, 0, 2.5, DiagramQuantity::Vy};
  std::string text;
  for (const InfluenceQuantity& q : {InfluenceQuantity{InfluenceKind::Reaction, 2, 1},
                                     {InfluenceKind::EndForce, 3, 4},
                                     shear,
                                     {InfluenceKind::Internal, 1, 0, 5, DiagramQuantity::Mz},
                                     {InfluenceKind::Displacement, 4, 1},
                                     {InfluenceKind::Displacement, 2, 2}})
    text +=
        InfluencePrinciple(m, q) + "\n" +
        testing::ResultTableText(BuildInfluenceTable(m, ComputeInfluenceLine(m, results, q).Line));
  testing::ExpectGoldenFile(text, "tests/app/golden/influence-tables.txt");
}

}  // namespace
}  // namespace stavelorn
