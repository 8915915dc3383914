// What the results windows show: their tables, every stored result in the cell of its own joint,
// member end or support and coordinate, printed in the windows' number form; and the tooltip of a
// picked joint or member, its data and its results after an analysis.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/Analysis.h"
#include "analysis/MemberDiagrams.h"
#include "app/DiagramPages.h"
#include "app/MemberDiagramTable.h"
#include "app/PickInfo.h"
#include "app/ResultTables.h"
#include "support/Golden.h"
#include "support/ResultTableText.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

// Each type's three windows (with results filled by hand, each recognisable where it stands), and
// a plane frame's in named units, against files checked by eye: captions, widths and heights,
// every cell and where it sits (numbers to the right under the general alignment, a bar force's
// "(T)" or "(C)" to the left), a copy of a few cells, the member of each row of end forces, the
// captions of the diagram pages (each drawn; what they draw is the graphics tests' business), and
// the first and the last member's diagram tables.
TEST(ResultTables, EachTypesWindowsMatchTheirCheckedFiles) {
  for (const std::string name :
       {"beam", "ptruss", "pframe", "struss", "grid", "sframe", "pframe-kip-in"}) {
    const auto [m, results] = testing::HandResultsModel(name);
    std::string text;
    for (FormId form : {FormId::Disp, FormId::MbForce, FormId::Reac})
      text += testing::ResultTableText(BuildResultTable(m, results, form));
    text += "member of each force row:";
    for (int row = 1; row < BuildResultTable(m, results, FormId::MbForce).Rows(); ++row)
      text += " " + std::to_string(MemberOfForceRow(m, row));
    text += "\ndiagram pages:";
    for (const DiagramPage& page : DiagramPages(m, results))
      text += " [" + page.Caption + (page.Picture.Strokes().empty() ? ", blank]" : "]");
    const std::vector<MemberDiagram> diagrams = BuildMemberDiagrams(m, results);
    for (const MemberDiagram* d : {&diagrams.front(), &diagrams.back()})
      text += "\n" + testing::ResultTableText(BuildMemberDiagramTable(m, *d));
    testing::ExpectGoldenFile(text, "tests/app/golden/results-" + name + ".txt");
  }
}

using testing::ModelFromFile;
using Kind = PickedItem::Kind;

// A cantilever of length 2 fixed at joint 1 with a load of -10 in Y at its tip, so the reaction
// at joint 1 is 10 up and a moment of 20, and the tip moves down by P L^3 / 3EI = 10*8/3; the
// support at joint 1 is given a displacement of zero (tests/app/golden/pick-cantilever.str).

// Each item's tooltip before and after the analysis, against a file checked by eye: the
// cantilever's data as entered, then the closed-form results above (a joint with no support shows
// no reaction, a plane frame no roll angle); then every joint and member of a plane frame with a
// load of every kind, releases at either or both ends and a settlement, a beam, two trusses, and a
// space frame and a grid in named units, with results filled by hand (each value recognisable
// where it stands: every joint's own displacements and reactions, every member's own end forces).
TEST(PickInfo, NamesTheDataAndAfterAnAnalysisTheResults) {
  ModelStore cantilever = ModelFromFile("tests/app/golden/pick-cantilever.str");
  std::string text;
  for (const PickedItem item :
       {PickedItem{Kind::Joint, 1}, PickedItem{Kind::Joint, 2}, PickedItem{Kind::Member, 1}})
    text += PickedItemText(cantilever, StructureResults(), item) + "\n\n";
  std::vector<testing::AnalysedModel> models = {{cantilever, Analyze(cantilever)}};
  for (const char* name : {"beam", "pframe", "ptruss", "struss", "sframe-kip-in", "grid-kip-in"})
    models.push_back(testing::HandResultsModel(name));
  for (const auto& [model, results] : models)
    for (int j = 1; j <= model.JointCount + model.MemberCount; ++j)
      text +=
          PickedItemText(model, results,
                         j <= model.JointCount ? PickedItem{Kind::Joint, j}
                                               : PickedItem{Kind::Member, j - model.JointCount}) +
          "\n\n";
  testing::ExpectGoldenFile(text, "tests/app/golden/pick-items.txt");
  // A release record past the count (a deleted one, as the drawing leaves it) is not read.
  cantilever.ReleaseCount = 0;
  text = PickedItemText(cantilever, StructureResults(), {Kind::Member, 1});
  EXPECT_NE(text.find("Release: none"), std::string::npos) << text;
  // Results of an analysis that failed, their tables filled all the same, show nothing.
  StructureResults failed = Analyze(cantilever);
  failed.AnalysisStatus = kSolutionFailed;
  for (const PickedItem item : {PickedItem{Kind::Joint, 2}, PickedItem{Kind::Member, 1}})
    EXPECT_EQ(PickedItemText(cantilever, failed, item),
              PickedItemText(cantilever, StructureResults(), item));
}

// The drawing's description leads with the type and size and, after an analysis, the cantilever
// tip's closed-form deflection P L^3 / 3EI = 10 * 8 / 3 as the largest translation.
TEST(PickInfo, DescribesTheStructureWithItsLargestDisplacement) {
  const ModelStore cantilever = ModelFromFile("tests/app/golden/pick-cantilever.str");
  const std::string before = StructureDescription(cantilever, StructureResults());
  EXPECT_EQ(before.substr(0, before.find('\n')), "Plane Frame, 2 joints, 1 member");
  EXPECT_EQ(before.find("Largest"), std::string::npos);
  EXPECT_NE(before.find(PickedItemText(cantilever, StructureResults(), {Kind::Member, 1})),
            std::string::npos);
  const std::string after = StructureDescription(cantilever, Analyze(cantilever));
  const std::string label = "Largest displacement: Y Translation ";
  const std::size_t at = after.find(label);
  ASSERT_NE(at, std::string::npos) << after;
  EXPECT_NEAR(std::stof(after.substr(at + label.size())), -80.0f / 3.0f, 1e-3f);
  EXPECT_EQ(after.substr(after.find(" at joint ", at), 11), " at joint 2");
  // The item under the keyboard focus comes next, with its results, before the list of items.
  const StructureResults results = Analyze(cantilever);
  for (const PickedItem focused : {PickedItem{Kind::Joint, 2}, PickedItem{Kind::Member, 1}}) {
    const std::string text = StructureDescription(cantilever, results, focused);
    const std::string item = PickedItemText(cantilever, results, focused);
    EXPECT_EQ(text.find("\n\nKeyboard focus: " + item + "\n\nJoint 1\n"),
              text.find("\n\n", text.find("Largest")))
        << text;
  }
  const std::string nothing = StructureDescription(cantilever, results, {Kind::Joint, 3});
  EXPECT_EQ(nothing.find("Keyboard focus"), std::string::npos);
}

}  // namespace
}  // namespace stavelorn
