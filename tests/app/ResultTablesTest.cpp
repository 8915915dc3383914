// The results windows' tables: every stored result in the cell of its own joint, member end or
// support and coordinate, printed in the windows' number form.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/MemberDiagrams.h"
#include "app/DiagramPages.h"
#include "app/MemberDiagramTable.h"
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

}  // namespace
}  // namespace stavelorn
