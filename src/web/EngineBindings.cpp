// The browser edition's engine: the batch tool's run, bound for JavaScript. The page puts the
// project in the module's memory file system (FS.writeFile), calls runTool with the arguments a
// user would give stavelorn-report, and reads what it wrote, a picture from that file system too.
// The page's own session (PageSession) answers in JSON what the page shows of an open project;
// the help pages, written into that file system by the page, are listed and searched here; its
// editing (PageEditing) builds and changes the open project through the desktop's list windows;
// Check My Work, the influence lines and the precision have their own classes beside it.
// Every number the page shows is thus written by the code the desktop and the batch tool run.
#include <emscripten/bind.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/BatchRun.h"
#include "web/PageCheckWork.h"
#include "web/PageEditing.h"
#include "web/PageHelp.h"
#include "web/PageInfluence.h"
#include "web/PagePrecision.h"
#include "web/PageMovingLoad.h"
#include "web/PageLoadCases.h"
#include "web/PagePrint.h"
#include "web/PageSession.h"
#include "web/PageStability.h"

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
      .function("showCase", &PageEditing::ShowCase)
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
  emscripten::class_<PageCheckWork>("PageCheckWork")
      .constructor<PageSession&>()
      .function("command", &PageCheckWork::Command)
      .function("open", &PageCheckWork::Open)
      .function("choose", &PageCheckWork::Choose)
      .function("type", &PageCheckWork::Type)
      .function("paste", &PageCheckWork::Paste)
      .function("check", &PageCheckWork::Check)
      .function("showAnswer", &PageCheckWork::ShowAnswer)
      .function("close", &PageCheckWork::Close);
  emscripten::class_<PageInfluence>("PageInfluence")
      .constructor<PageSession&>()
      .class_function("command", &PageInfluence::Command)
      .function("open", &PageInfluence::Open)
      .function("chooseKind", &PageInfluence::ChooseKind)
      .function("chooseControls", &PageInfluence::ChooseControls)
      .function("pickPath", &PageInfluence::PickPath)
      .function("defaultPath", &PageInfluence::DefaultPath)
      .function("clickJoint", &PageInfluence::ClickJoint)
      .function("clickMember", &PageInfluence::ClickMember);
  emscripten::class_<PagePrecision>("PagePrecision")
      .constructor<PageSession&>()
      .function("form", &PagePrecision::Form)
      .function("restore", &PagePrecision::Restore)
      .function("choose", &PagePrecision::Choose)
      .function("offer", &PagePrecision::Offer)
      .function("answerOffer", &PagePrecision::AnswerOffer);
  emscripten::class_<PageStability>("PageStability")
      .constructor<PageSession&>()
      .function("menu", &PageStability::Menu)
      .function("optionsForm", &PageStability::OptionsForm)
      .function("chooseOptions", &PageStability::ChooseOptions)
      .function("criticalLoad", &PageStability::CriticalLoad)
      .function("bucklingModePicture", &PageStability::BucklingModePicture)
      .function("secondOrder", &PageStability::SecondOrder)
      .function("secondOrderPictures", &PageStability::SecondOrderPictures);
  emscripten::class_<PageMovingLoad>("PageMovingLoad")
      .constructor<PageSession&>()
      .function("form", &PageMovingLoad::Form)
      .function("preset", &PageMovingLoad::Preset)
      .function("place", &PageMovingLoad::Place)
      .function("envelope", &PageMovingLoad::Envelope);
  emscripten::class_<PageLoadCases>("PageLoadCases")
      .constructor<PageSession&, PageEditing&>()
      .function("window", &PageLoadCases::Window)
      .function("command", &PageLoadCases::Command);
  emscripten::class_<PagePrint>("PagePrint")
      .constructor<const PageSession&>()
      .function("options", &PagePrint::Options)
      .function("choose", &PagePrint::Choose)
      .function("pages", &PagePrint::Pages);
}

}  // namespace stavelorn
