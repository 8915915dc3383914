#include "web/PageSteps.h"

#include <algorithm>

#include "analysis/MemberDiagrams.h"
#include "app/MemberDiagramTable.h"
#include "app/MethodSteps.h"
#include "graphics/DiagramDrawing.h"
#include "graphics/RecordingCanvas.h"
#include "graphics/SvgPicture.h"
#include "reports/JsonText.h"
#include "web/PageJson.h"

namespace stavelorn {

namespace {

// The member window's picture at the desktop window's smallest size, the user scale stretched
// over it as the window stretches it.
constexpr int kMemberPictureWidth = 480;
constexpr int kMemberPictureHeight = 560;

// "1 Numbering", then "2 Member 1: joint 1 to joint 2" for each member, "3 Structure",
// "4 Checks": the desktop's tabs, its member tab once per member.
std::vector<std::string> StepHeadings(const MethodSteps& steps) {
  const auto page = [](int tab) {
    return std::to_string(tab + 1) + " " + kMethodStepPages[static_cast<std::size_t>(tab)];
  };
  std::vector<std::string> headings{page(0)};
  for (int m = 0; m < steps.MemberCount(); ++m)
    headings.push_back(std::to_string(2) + " " + steps.MemberCaption(m));
  headings.push_back(page(2));
  headings.push_back(page(3));
  return headings;
}

}  // namespace

std::string MethodStepJson(const ModelStore& model, const StructureResults& results,
                           const MethodTrail& trail, int step, int marked) {
  const MethodSteps steps(model, results, trail);
  const std::vector<std::string> headings = StepHeadings(steps);
  const int last = static_cast<int>(headings.size()) - 1;
  step = std::clamp(step, 0, last);
  marked = marked >= 0 && marked < steps.MemberCount() ? marked : -1;
  const int members = steps.MemberCount();
  std::vector<std::string> notes, lines;
  std::string notesTip;
  std::vector<StepTable> tables;
  if (step == 0) {
    notes.push_back(steps.NumberingNote());
    tables.push_back(steps.Numbering());
    tables.back().Title = kNumberingCaption;
  } else if (step <= members) {
    const int member = step - 1;
    notes = steps.MemberFacts(member);
    for (const std::string& source : steps.FixedEndSources(member)) notes.push_back(source);
    notesTip = steps.MemberFactsTooltip(member);
    tables = steps.MemberTables(member);
  } else if (step == members + 1) {
    notes.push_back(steps.StiffnessNote());
    const StepTable stiffness = steps.Stiffness(marked);
    if (stiffness.Rows() > 0) tables.push_back(stiffness);
    tables.push_back(steps.Loads(marked));
  } else {
    for (const EquilibriumLine& line : steps.Equilibrium()) lines.push_back(line.Text);
  }
  std::vector<std::string> captions;
  for (int m = 0; m < members; ++m) captions.push_back(steps.MemberCaption(m));
  const auto flag = [](bool on) { return std::string(on ? "true" : "false"); };
  return "{\"title\": " + JsonString(kMethodStepsTitle) +
         ", \"steps\": " + JsonArray(headings, JsonString) + ", \"step\": " + std::to_string(step) +
         ", \"back\": " + flag(step > 0) + ", \"next\": " + flag(step < last) +
         ", \"precisionNote\": " + JsonString(steps.PrecisionNote()) +
         ", \"heading\": " + JsonString(headings[static_cast<std::size_t>(step)]) +
         ", \"notes\": " + JsonArray(notes, JsonString) +
         ", \"notesTip\": " + JsonString(notesTip) +
         ", \"tables\": " + JsonArray(tables, StepTableJson) +
         ", \"lines\": " + JsonArray(lines, JsonString) +
         ", \"shade\": " + JsonString(step == 0 ? "restrained" : "member") +
         ", \"marking\": " + flag(step == members + 1) +
         ", \"members\": " + JsonArray(captions, JsonString) +
         ", \"marked\": " + std::to_string(marked) + "}";
}

std::string MemberDiagramsJson(const ModelStore& model, const StructureResults& results,
                               int member) {
  if (!results.Complete() || member < 1 || member > model.MemberCount) return "";
  const std::vector<MemberDiagram> diagrams = BuildMemberDiagrams(model, results);
  if (member > static_cast<int>(diagrams.size())) return "";
  const MemberDiagram& diagram = diagrams[static_cast<std::size_t>(member - 1)];
  RecordingCanvas picture;
  DrawMemberDiagrams(model, diagram, picture);
  const ResultTable table = BuildMemberDiagramTable(model, diagram);
  return "{\"member\": " + std::to_string(member) + ", \"caption\": " + JsonString(table.Caption) +
         ", \"table\": " + ResultTableJson(table) + ", \"svg\": " +
         JsonString(SvgPicture(picture, kMemberPictureWidth, kMemberPictureHeight)) + "}";
}

}  // namespace stavelorn
