// The results windows, the diagram view and the member window as they show the choice of "Show:"
// (ProjectSession::ChooseShown): a case or combination as one analysis, the envelope with its
// greatest and least values.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/MemberDiagrams.h"
#include "app/DiagramPages.h"
#include "app/ProjectSession.h"
#include "app/ResultTables.h"
#include "graphics/Canvas.h"

namespace stavelorn {

// The table of the results window `form` (Disp, MbForce or Reac) for the choice shown.
ResultTable ShownResultTable(const ProjectSession& session, FormId form);

// The turned supports' reactions in their own axes for the case or combination shown (the
// reactions window's second table); nothing when no support is turned, or for the envelope,
// whose window lists the global reactions' extremes.
std::optional<ResultTable> ShownSupportAxesTable(const ProjectSession& session);

// Draws the diagram of `q` along every member for the choice shown; both curves of an envelope.
void DrawShownDiagrams(const ProjectSession& session, DiagramQuantity q, Canvas& canvas);

// What the printed diagrams show of the choice shown: a case's or a combination's own, or for the
// envelope (which has no one set of loads) the analysed case's; under a title naming it, "" for a
// project of one case.
struct PrintedDiagramsSource {
  std::string Title;
  const ModelStore& Model;
  const StructureResults& Results;
};
PrintedDiagramsSource PrintedDiagramsOf(const ProjectSession& session);

// The diagrams' pages of that source, each caption after its title.
std::vector<DiagramPage> ShownDiagramPages(const ProjectSession& session);

// What the member window shows of member `member`: its diagram (an envelope's greatest curve),
// an envelope's least curve, and the table of their values.
struct ShownMemberView {
  MemberDiagram Diagram;
  std::optional<MemberDiagram> Least;
  ResultTable Table;
};

// The member window's contents for the choice shown; nothing unless results are shown and the
// model has member `member`.
std::optional<ShownMemberView> ShownMemberDiagrams(const ProjectSession& session, int member);

}  // namespace stavelorn
