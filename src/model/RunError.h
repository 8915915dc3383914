// A run-time failure as the user sees it: a classic error number and a description that names
// what failed (the file, the section and record, the field). Readers and writers return one
// instead of throwing, and every window and tool words it with RunErrorText.
#pragma once

#include <optional>
#include <string>

namespace stavelorn {

struct RunError {
  int Number = 0;
  std::string Description;
  // A file that cannot be opened, read or written (kErrFileAccess) is described in plain words
  // naming the user's file: "cannot open \"a.str\" (Permission denied)".
  // The fault lies in what a file holds (a value, a count, a record), which the user can mend;
  // it is worded as the description alone, never as an unexpected error.
  bool InFile = false;
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

// The one wording of a run-time failure, shared by every message box and by the command-line
// tool: "Unexpected error # 13 occurred: " + two line feeds + the description (after the classic
// name "Path/File access error: " for a file's access), or for a fault in a file's contents the
// description alone.
std::string RunErrorText(const RunError& error);

}  // namespace stavelorn
