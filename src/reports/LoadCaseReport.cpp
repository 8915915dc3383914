#include "reports/LoadCaseReport.h"

#include <cstddef>
#include <string>

#include "model/LoadCombination.h"
#include "reports/ReportLine.h"
#include "reports/ResultEnvelope.h"
#include "reports/ResultsReport.h"

namespace stavelorn {

namespace {

// Columns of the envelope tables: the number, the coordinate, then maximum and minimum, each
// followed by the name that gives it.
constexpr int kMaxColumn = 16, kMaxByColumn = 29, kMinColumn = 46, kMinByColumn = 59;

void PrintEnvelopeTable(ReportPrinter& printer, const char* title, const char* numbered,
                        const TableEnvelope& table, const std::vector<std::string>& sources) {
  PageBreakRule(printer);
  PrintTitleBlock(printer, 30, title);
  Print(printer, ReportLine()
                     .Blanks(2)
                     .Text(numbered)
                     .Column(11)
                     .Text("Coord")
                     .Column(kMaxColumn + 2)
                     .Text("Maximum")
                     .Column(kMaxByColumn)
                     .Text("Given by")
                     .Column(kMinColumn + 2)
                     .Text("Minimum")
                     .Column(kMinByColumn)
                     .Text("Given by"));
  for (std::size_t r = 0; r < table.Max.size(); ++r)
    for (std::size_t k = 0; k < table.Max[r].second.size(); ++k) {
      const std::string& maxBy = sources[static_cast<std::size_t>(table.MaxBy[r][k])];
      const std::string& minBy = sources[static_cast<std::size_t>(table.MinBy[r][k])];
      ReportLine line;
      line.Blanks(3)
          .Number(static_cast<float>(table.Max[r].first), kMaskAt3)
          .Column(12)
          .Number(static_cast<float>(k + 1), kMaskAt2)
          .Column(kMaxColumn)
          .Number(table.Max[r].second[k], kMaskE4)
          .Column(kMaxByColumn)
          .Text(maxBy.substr(0, kMinColumn - kMaxByColumn - 1))
          .Column(kMinColumn)
          .Number(table.Min[r].second[k], kMaskE4)
          .Column(kMinByColumn)
          .Text(minBy.substr(0, kTextWidth - kMinByColumn));
      Print(printer, line);
    }
  PrintBlankLines(printer, 2);
}

// A case's, combination's or the envelopes' heading, after the blank lines every other heading
// of the report has before it: it follows "End of Input Data" or "End of Analysis".
void PrintCaseHeading(ReportPrinter& printer, const std::string& title) {
  PrintBlankLines(printer, 2);
  PageBreakRule(printer);
  PrintTitleBlock(printer, 10, title);
}

}  // namespace

void PrintEveryCaseResults(const ModelStore& model, const std::vector<CaseResults>& cases,
                           const std::vector<CaseResults>& combinations, ReportPrinter& printer) {
  bool complete = true;
  for (std::size_t c = 0; c < cases.size(); ++c) {
    PrintCaseHeading(printer, LoadCaseTitle(model, static_cast<int>(c) + 1));
    PrintOutput(ModelWithLoads(model, cases[c].Loads), cases[c].Results, printer);
    complete = complete && cases[c].Results.Complete();
  }
  if (!complete) return;
  for (std::size_t k = 0; k < combinations.size(); ++k) {
    PrintCaseHeading(printer, "Load Combination " + combinations[k].Name);
    PrintWrapped(printer, 10, CombinationText(model, model.Combinations.at(k)));
    PrintBlankLines(printer, 1);
    PrintOutput(ModelWithLoads(model, combinations[k].Loads), combinations[k].Results, printer);
  }
  const ResultEnvelope envelope = EnvelopeOf(model, EnvelopeSources(cases, combinations), false);
  PrintCaseHeading(printer, combinations.empty() ? "Envelopes over the Load Cases"
                                                 : "Envelopes over the Load Combinations");
  PrintEnvelopeTable(printer, "Joint Displacements", "Joint", envelope.Displacements,
                     envelope.Sources);
  PrintEnvelopeTable(printer, "Member End Forces", "Member", envelope.EndForces, envelope.Sources);
  PrintEnvelopeTable(printer, "Support Reactions", "Joint", envelope.Reactions, envelope.Sources);
  if (!envelope.ReactionsInSupportAxes.Max.empty())
    PrintEnvelopeTable(printer, "Support Reactions in the Supports' Axes", "Joint",
                       envelope.ReactionsInSupportAxes, envelope.Sources);
}

}  // namespace stavelorn
