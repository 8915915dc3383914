// A run-time failure as the user sees it: a classic error number and a description that names
// what failed (the file, the section and record, the field). Readers and writers return one
// instead of throwing, and every window and tool words it with UnexpectedErrorText.
#pragma once

#include <optional>
#include <string>

namespace stavelorn {

struct RunError {
  int Number = 0;
  std::string Description;
};

// The error numbers this program uses, after the classic run-time error table.
enum RunErrorNumber : int {
  kErrInvalidCall = 5,    // "Invalid procedure call or argument"
  kErrOverflow = 6,       // a number too large for its field
  kErrSubscript = 9,      // a count or index outside its table
  kErrTypeMismatch = 13,  // a field that is not what its place requires
  kErrFileNotFound = 53,
  kErrPastEndOfFile = 62,  // "Input past end of file"
  kErrFileAccess = 75,     // "Path/File access error"
};

// Success is an empty optional; a failure carries its RunError.
using RunResult = std::optional<RunError>;

// "Unexpected error # 13 occurred: " + two line feeds + the description: the one wording of a
// run-time failure, shared by every message box and by the command-line tool.
std::string UnexpectedErrorText(const RunError& error);

}  // namespace stavelorn
