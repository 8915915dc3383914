// The batch tool's options and the forms it is called in, each described once. The usage, the
// help, the parser's checks and the wording of its usage errors are all read from these tables,
// so a new option is one more row (and its value's reading in BatchOptions.cpp).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace stavelorn {

inline constexpr char kBatchProgramName[] = "stavelorn-report";

enum class BatchOption {
  Json,
  Trail,
  Diagrams,
  Precision,
  Influence,
  Path,
  Train,
  Lane,
  Envelope,
  Units,
  Picture,
  Deformed,
  Diagram,
  Buckling,
  Modes,
  SecondOrder,
  Segments,
  Case,
  Check,
  ForStudent,
  Only,
  Grade,
  Feedback,
  Summary,
  Help,
  Version,
};

struct BatchOptionRow {
  BatchOption option;
  const char* name;                     // as typed: "--json"
  const char* valueName;                // the value the usage shows, "" for a switch
  std::optional<BatchOption> goesWith;  // an option it is only given beside
  std::vector<BatchOption> excludes;    // options it is never given beside
  const char* help;                     // the help's lines, without their indent
};

// One way of calling the tool.
struct BatchFormOption {
  BatchOption option;
  bool required;
};
struct BatchForm {
  // A form whose options this one takes too (the usage shows them as "[...]").
  std::optional<std::size_t> extends;
  std::vector<BatchFormOption> options;  // in the order the usage shows them
  std::vector<const char*> arguments;    // the positional arguments, by the usage's names
};

// The rows in the order the help lists them.
const std::vector<BatchOptionRow>& BatchOptionRows();
const BatchOptionRow& RowOf(BatchOption option);
// The row of an option as typed, or null.
const BatchOptionRow* FindBatchOption(const std::string& name);

const std::vector<BatchForm>& BatchForms();

// The option at the head of `option`'s chain of goesWith.
BatchOption GoesWithRoot(BatchOption option);
// What goes with what in the chain headed by `root`: "--deformed and --diagram go with
// --picture", "--influence goes with --json, --path with --influence".
std::string GoesWithText(BatchOption root);

// "usage: stavelorn-report ..." with one line per form.
std::string BatchUsageText();
// What --help prints after the usage: the options and the exit statuses.
std::string BatchHelpText();

}  // namespace stavelorn
