#include "model/Version.h"

namespace stavelorn {

const char* ProgramVersion() {
  // The build passes the project's version to this file only, so a new version recompiles one
  // file.
  return STAVELORN_VERSION;
}

}  // namespace stavelorn
