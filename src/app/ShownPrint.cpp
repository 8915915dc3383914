#include "app/ShownPrint.h"

#include "app/InfluencePrint.h"
#include "app/SecondOrderTables.h"

namespace stavelorn {

namespace {

// The train moving on the kept line, or nullptr.
const LoadTrain* KeptInfluenceTrain(const ProjectSession& session) {
  return KeptInfluenceLine(session) && session.Analysis()->InfluenceTrain
             ? &*session.Analysis()->InfluenceTrain
             : nullptr;
}

}  // namespace

const InfluenceLine* KeptInfluenceLine(const ProjectSession& session) {
  return session.ResultsShown() && session.Analysis()->Influence ? &*session.Analysis()->Influence
                                                                 : nullptr;
}

PrintOptions SessionPrintOptions(const ProjectSession& session) {
  return PrintOptions(session.Results(), KeptInfluenceLine(session) != nullptr);
}

std::optional<PrintedInfluence> InfluenceToPrint(const ProjectSession& session,
                                                 const PrintOptions& options,
                                                 const PrintablePage& printable) {
  const InfluenceLine* line = KeptInfluenceLine(session);
  if (!line || !options.Chosen(ReportSection::InfluenceLine)) return std::nullopt;
  const LoadTrain* train = KeptInfluenceTrain(session);
  const ModelStore& model = session.Data();
  return PrintedInfluence{printable(InfluencePage(model, *line, train)),
                          InfluenceReportLines(model, *line, train)};
}

PrintedSection SecondOrderSection(const ProjectSession& session) {
  const std::optional<ShownAnalysis>& shown = session.Analysis();
  if (!shown || !shown->SecondOrder) return nullptr;
  return [&session, run = shown->SecondOrder](ReportPrinter& to) {
    PrintAmplification(session.Data(), run->FirstOrder, run->SecondOrder,
                       SecondOrderRunText(*run, session.Stability()), to);
  };
}

}  // namespace stavelorn
