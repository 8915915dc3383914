#include "fuzz/PipelineRun.h"

#include <sstream>

#include "analysis/AnalysisRun.h"
#include "analysis/MemberDiagrams.h"
#include "app/MethodSteps.h"
#include "graphics/DiagramDrawing.h"
#include "graphics/Drawing.h"
#include "graphics/RecordingCanvas.h"
#include "graphics/StructurePicture.h"
#include "model/ModelStore.h"
#include "model/ProjectFile.h"
#include "reports/PrintCommand.h"
#include "reports/TextReportPrinter.h"
#include "reports/TrailJson.h"
#include "support/ScriptedMessages.h"

namespace stavelorn {

void RunPipelineOn(const std::string& fileText) {
  ModelStore model;
  model.Reset();
  // A file that fails part-way still leaves the sections before the fault: the program goes on
  // with them, and so does the fuzzer.
  ReadProjectText(model, fileText);
  if (model.StructType.empty()) return;

  // Every coordinate free is the most unknowns the model could have.
  AnalysisRun run;
  if (model.JointCount * model.CoordsPerJoint <= kLargestFuzzedDofs) run = CheckAndAnalyze(model);

  std::ostringstream pages;
  TextReportPrinter printer(pages);
  ScriptedMessages messages;
  const StructureResults& results = run.Results;
  PrintOptions options(results);
  options.Choose(ReportSection::MethodTrail, true);
  options.Choose(ReportSection::Diagrams, true);
  PrintReport(model, results, printer, messages, options, run.Trail.get());
  if (run.Trail) {
    const MethodSteps steps(model, results, *run.Trail);
    for (int m = 0; m < steps.MemberCount(); ++m) {
      steps.MemberTables(m);
      steps.MemberFacts(m);
      steps.FixedEndSources(m);
    }
    steps.Equilibrium();
    TrailJson(*run.Trail);
  }

  // The picture file draws the deformed shape at the automatic multiplier, as Analyze shows it.
  StructurePictureSvg(model, results, PictureContent{true, std::nullopt}, messages);
  RecordingCanvas canvas;
  PlotStructure(model, results, canvas, FormId::mcas, messages);
  const std::vector<MemberDiagram> diagrams = BuildMemberDiagrams(model, results);
  for (DiagramQuantity q : QuantitiesOfType(model.StructType))
    DrawStructureDiagrams(model, diagrams, q, canvas);
  if (!diagrams.empty()) DrawMemberDiagrams(model, diagrams.front(), canvas);
}

}  // namespace stavelorn
