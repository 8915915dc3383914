// The batch tool's whole run, kept in the core so that it is tested like the rest:
//   stavelorn-report [--trail] [--diagrams] [--json [--influence WHAT [--path M1,M2,...]]]
//                    [--units F,L[,T]] [--picture OUT.svg [--deformed] [--diagram Q]] FILE.str
//   (and --help, --version)
//   stavelorn-report --check ANSWERS.json FILE.str   (a student's answers judged)
// reads the project, checks it as the Analyze command does, analyses it and writes the report
// exactly as the Print command prints it (or, with --json, the results as JSON) on `out`;
// --trail adds the method's trail after the results (a "trail" member in JSON), --diagrams the
// members' internal-force tables (or the "diagrams" array), --influence the influence line of a
// quantity (an "influence" object; WHAT and the path are read by InfluenceWhat.h). A WHAT or path
// that is not of its form is a usage error; one that names nothing of the model is rejected.
// --units FORCE,LENGTH[,TEMP] converts a project with named units to those units before the
// analysis (the file is not changed).
// --picture also writes the main window's drawing to OUT.svg (with --deformed the deformed
// shape, with --diagram Q the diagram of quantity Q), drawn by `drawPicture`, which a layer that
// knows the drawings provides; standard output stays as it is without it.
// --check judges the answers file's entries against the analysis and writes the verdicts as JSON
// (AnswerFile.h); after a failed analysis it judges what needs no solution and exits as the
// report does.
// Failures are written on `err` in the words the program shows in its message boxes: the box's
// title on the first line, its text after it.
#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "analysis/MemberDiagrams.h"
#include "model/ModelStore.h"
#include "ui/Messages.h"

namespace stavelorn {

// Exit statuses of the batch tool.
enum BatchExit : int {
  kExitComplete = 0,
  kExitRejected = 2,  // the file cannot be read, the model fails the checks or the answers file is
                      // malformed; nothing on `out`
  kExitNotStable = 3,
  kExitSolutionFailed = 4,
  kExitUsage = 64,
  kExitOutputFailed = 74,  // `out` refused the report, or the picture file cannot be written
};

// Runs the tool on the command-line arguments that follow the program name and returns its exit
// status. After an analysis that did not complete, the text report holds the input data only
// (the Print command prints no results then) and `err` gets the analysis message.
// The picture of an analysed model as the text of an SVG document: with the deformed shape or
// not, with a diagram or none; drawing failures go to the messages.
using PictureDrawer =
    std::function<std::string(const ModelStore& model, const StructureResults& results,
                              bool deformed, std::optional<DiagramQuantity> diagram, Messages&)>;

int RunBatchReport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const PictureDrawer& drawPicture = nullptr);

}  // namespace stavelorn
