// The browser edition's engine: the batch tool's run, bound for JavaScript. The page puts the
// project in the module's memory file system (FS.writeFile), calls runTool with the arguments a
// user would give stavelorn-report, and reads what it wrote, a picture from that file system too.
// Every number the page shows is thus written by the code the batch tool runs.
#include <emscripten/bind.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/BatchRun.h"

namespace stavelorn {

namespace {

struct ToolReply {
  int status = 0;
  std::string out;
  std::string err;
};

ToolReply RunTool(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  ToolReply reply;
  reply.status = RunBatchTool(args, out, err);
  reply.out = out.str();
  reply.err = err.str();
  return reply;
}

}  // namespace

EMSCRIPTEN_BINDINGS(stavelorn_engine) {
  emscripten::register_vector<std::string>("StringList");
  emscripten::value_object<ToolReply>("ToolReply")
      .field("status", &ToolReply::status)
      .field("out", &ToolReply::out)
      .field("err", &ToolReply::err);
  emscripten::function("runTool", &RunTool);
}

}  // namespace stavelorn
