// The browser edition's engine: the batch tool's run, bound for JavaScript. The page puts the
// project in the module's memory file system (FS.writeFile), calls runTool with the arguments a
// user would give stavelorn-report, and reads what it wrote, a picture from that file system too.
// The page's own session (PageSession) answers in JSON what the page shows of an open project;
// the help pages, written into that file system by the page, are listed and searched here; its
// editing (PageEditing) builds and changes the open project through the desktop's list windows,
// and its drawing (PageDrawing) with the mouse through the desktop's drawing mode.
// Every number the page shows is thus written by the code the desktop and the batch tool run.
#include <emscripten/bind.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/BatchRun.h"
#include "web/PageDrawing.h"
#include "web/PageEditing.h"
#include "web/PageHelp.h"
#include "web/PageSession.h"

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
  emscripten::function("helpMenu", &HelpMenuJson);
  emscripten::function("helpContents", &HelpContentsJson);
  emscripten::function("helpSearch", &HelpSearchJson);
  emscripten::function("helpPageOfView", &HelpPageOfView);
  emscripten::function("about", &AboutJson);
  emscripten::class_<PageSession>("PageSession")
      .constructor<>()
      .class_function("captions", &PageSession::Captions)
      .function("open", &PageSession::Open)
      .function("analyze", &PageSession::Analyze)
      .function("chooseShown", &PageSession::ChooseShown)
      .function("enterMultiplier", &PageSession::EnterMultiplier)
      .function("diagramPicture", &PageSession::DiagramPicture)
      .function("pickText", &PageSession::PickText)
      .function("methodStep", &PageSession::MethodStep)
      .function("memberDiagrams", &PageSession::MemberDiagrams);
  emscripten::class_<PageEditing>("PageEditing")
      .constructor<PageSession&>()
      .class_function("titleForm", &PageEditing::TitleForm)
      .function("newProject", &PageEditing::NewProject)
      .function("state", &PageEditing::State)
      .function("openList", &PageEditing::OpenList)
      .function("closeList", &PageEditing::CloseList)
      .function("listCommand", &PageEditing::ListCommand)
      .function("typeField", &PageEditing::TypeField)
      .function("clickCheck", &PageEditing::ClickCheck)
      .function("clickSpring", &PageEditing::ClickSpring)
      .function("typeStiffness", &PageEditing::TypeStiffness)
      .function("choose", &PageEditing::Choose)
      .function("entryCommand", &PageEditing::EntryCommand)
      .function("undo", &PageEditing::Undo)
      .function("redo", &PageEditing::Redo)
      .function("unitsForm", &PageEditing::UnitsForm)
      .function("changeUnits", &PageEditing::ChangeUnits)
      .function("projectText", &PageEditing::ProjectText)
      .function("openCopy", &PageEditing::OpenCopy)
      .function("snapshot", &PageEditing::Snapshot)
      .function("restore", &PageEditing::Restore);
  emscripten::class_<PageDrawing>("PageDrawing")
      .constructor<PageSession&, PageEditing&>()
      .function("setActive", &PageDrawing::SetActive)
      .function("choose", &PageDrawing::Choose)
      .function("pointer", &PageDrawing::Pointer)
      .function("key", &PageDrawing::Key)
      .function("picture", &PageDrawing::Picture);
}

}  // namespace stavelorn
