// The exit statuses of the programs, at the ground floor so that the batch tool and the window's
// command line both may read them.
#pragma once

namespace stavelorn {

enum BatchExit : int {
  kExitComplete = 0,
  kExitRejected = 2,  // the file cannot be read, the model fails the checks or the answers file is
                      // malformed; nothing on standard output
  kExitNotStable = 3,
  kExitSolutionFailed = 4,
  kExitUsage = 64,
  kExitOutputFailed = 74,  // standard output refused the report, or the picture file cannot be
                           // written
};

}  // namespace stavelorn
