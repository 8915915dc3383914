// The batch tool's run, Qt-free so that every front end without windows calls the same one:
// reads the project, converts its units, checks and analyses it as the Analyze command does and
// writes the report exactly as the Print command prints it, or the results as JSON, or the
// verdicts on a student's answers; with a picture asked for, also the main window's drawing.
// Failures of the analysis are written on `err` in the words the program shows in its message
// boxes: the box's title on the first line, its text after it. A file of the user's that cannot
// be read or written is named on one line after the program's name, as command lines do, and a
// picture never replaces a file that is not an earlier picture of this program's.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/BatchOptions.h"

namespace stavelorn {

// Runs a parsed request and returns its exit status (BatchExit). After an analysis that did not
// complete, the text report holds the input data only (the Print command prints no results then)
// and `err` gets the analysis message.
int RunBatchRequest(const BatchOptions& options, std::ostream& out, std::ostream& err);

// The whole tool on the command-line arguments that follow the program's name: a usage error on
// `err` with its reason, the help or the version on `out`, or the request run.
int RunBatchTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace stavelorn
