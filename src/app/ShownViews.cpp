#include "app/ShownViews.h"

#include "app/EnvelopeViews.h"
#include "app/MemberDiagramTable.h"
#include "graphics/DiagramDrawing.h"
#include "model/LoadCombination.h"

namespace stavelorn {

namespace {

// The member window's table of an envelope: the greatest curve's rows, then the least's, each
// marked in a first column.
ResultTable EnvelopeMemberTable(const ModelStore& model, const MemberDiagram& greatest,
                                const MemberDiagram& least) {
  ResultTable table = BuildMemberDiagramTable(model, greatest);
  const ResultTable lower = BuildMemberDiagramTable(model, least);
  table.Cells.front().insert(table.Cells.front().begin(), "Envelope");
  for (std::size_t r = 1; r < table.Cells.size(); ++r)
    table.Cells[r].insert(table.Cells[r].begin(), r == 1 ? "greatest" : "");
  for (std::size_t r = 1; r < lower.Cells.size(); ++r) {
    table.Cells.push_back(lower.Cells[r]);
    table.Cells.back().insert(table.Cells.back().begin(), r == 1 ? "least" : "");
  }
  table.ColWidths.insert(table.ColWidths.begin(), 900);
  table.Label2 += ": Envelope";
  return table;
}

}  // namespace

ResultTable ShownResultTable(const ProjectSession& session, FormId form) {
  if (const ResultEnvelope* envelope = session.ShownEnvelope())
    return EnvelopeTable(session.Data(), *envelope, session.Results(), form);
  return BuildResultTable(session.ShownModel(), session.ShownResults(), form);
}

std::optional<ResultTable> ShownSupportAxesTable(const ProjectSession& session) {
  if (session.ShownEnvelope()) return std::nullopt;
  return SupportAxesReactionTable(session.ShownModel(), session.ShownResults());
}

void DrawShownDiagrams(const ProjectSession& session, DiagramQuantity q, Canvas& canvas) {
  if (const ResultEnvelope* envelope = session.ShownEnvelope()) {
    const auto curves = EnvelopeCurves(*envelope);
    DrawStructureDiagrams(session.ShownModel(), curves.first, q, canvas, curves.second);
    return;
  }
  DrawStructureDiagrams(session.ShownModel(),
                        BuildMemberDiagrams(session.ShownModel(), session.ShownResults()), q,
                        canvas);
}

PrintedDiagramsSource PrintedDiagramsOf(const ProjectSession& session) {
  const std::optional<ShownAnalysis>& shown = session.Analysis();
  if (!shown || shown->Choices.empty()) return {"", session.Data(), session.Results()};
  if (session.ShownEnvelope())
    return {LoadCaseTitle(session.Data(), shown->AnalysedCase), session.Data(), session.Results()};
  return {shown->Choices[shown->Shown].Caption, session.ShownModel(), session.ShownResults()};
}

std::vector<DiagramPage> ShownDiagramPages(const ProjectSession& session) {
  const PrintedDiagramsSource source = PrintedDiagramsOf(session);
  std::vector<DiagramPage> pages = DiagramPages(source.Model, source.Results);
  if (!source.Title.empty())
    for (DiagramPage& page : pages) page.Caption = source.Title + ":   " + page.Caption;
  return pages;
}

std::optional<ShownMemberView> ShownMemberDiagrams(const ProjectSession& session, int member) {
  if (!session.ResultsShown() || member < 1 || member > session.Data().MemberCount)
    return std::nullopt;
  const std::size_t m = static_cast<std::size_t>(member - 1);
  if (const ResultEnvelope* envelope = session.ShownEnvelope()) {
    auto curves = EnvelopeCurves(*envelope);
    ShownMemberView view{curves.first.at(m), curves.second.at(m), {}};
    view.Table = EnvelopeMemberTable(session.ShownModel(), view.Diagram, *view.Least);
    return view;
  }
  std::vector<MemberDiagram> diagrams =
      BuildMemberDiagrams(session.ShownModel(), session.ShownResults());
  ShownMemberView view{diagrams.at(m), std::nullopt, {}};
  view.Table = BuildMemberDiagramTable(session.ShownModel(), view.Diagram);
  return view;
}

}  // namespace stavelorn
