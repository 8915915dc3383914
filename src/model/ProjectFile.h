// The project file (*.str): a quoted title, a quoted type code, then one labelled section per
// non-empty table ("Joints", "Supports", ...), each a header record (label, count) followed by
// one comma-separated record per item, lines ended by CR LF. A project with named units ends
// with a "Units" section of one record: the force, length and temperature-difference unit names
// ("kN","m","C"); the reader takes it wherever it stands, and a file without it is unnamed.
// A project of several load cases, a named case or load combinations also has the sections of
// ProjectSections.h's kLoadCasesLabel, kLoadCaseLabel and kLoadCombinationsLabel.
#pragma once

#include <string>
#include <vector>

#include "model/ModelStore.h"
#include "model/RunError.h"

namespace stavelorn {

// The whole model in project-file form.
// Fails (error 9) when a table holds fewer rows or columns than its count and type require, and
// (error 6) when a value is not finite; such a model cannot be written faithfully.
RunResult ProjectFileText(const ModelStore& model, std::string& text);

// Writes the model to model.ProjectFile. The text goes to a temporary file beside the target,
// is flushed to disk, and only then replaces the target, so a failed save leaves the previous
// file as it was.
RunResult WriteProjectFile(const ModelStore& model);

// Writes `text` to `path` as WriteProjectFile writes a project: through a temporary file beside
// it, flushed before it replaces the target, so a failure leaves no file or the previous one.
RunResult WriteFileAtomically(const std::string& path, const std::string& text);

// Reads project-file text into the model. Meant for an empty model: absent sections leave their
// counts as they were. A section enters the model only once all its records have been read, so
// on failure the model holds the title, the type and every section read before the faulty one,
// and the error names the section, the record and the line. A section whose label the program
// does not know is skipped with its count; `skipped`, when given, receives a warning naming it
// and its line. The load tables are left holding load case 1.
RunResult ReadProjectText(ModelStore& model, const std::string& text,
                          std::vector<std::string>* skipped = nullptr);

// Reads the file model.ProjectFile into the model, as ReadProjectText does.
RunResult ReadProjectFile(ModelStore& model, std::vector<std::string>* skipped = nullptr);

}  // namespace stavelorn
