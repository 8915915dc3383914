// The drawing mode of the main window: the palette's state (tool, support kind, load kind,
// material and section, grid spacing, the Live switch) and what a press, a move and a release of
// the mouse over the drawing do to the structure, through DrawingEdits. A finished action is one
// step of the project's history (a whole drag of a joint one step). With Live on, every change and
// every move of a dragged joint analyses the structure again in double precision, asking nothing;
// its results are kept here, apart from the results an Analyze shows.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "analysis/StructureResults.h"
#include "app/DrawingEdits.h"
#include "app/DrawingRules.h"
#include "app/ProjectSession.h"

namespace stavelorn {

struct DrawingPalette {
  DrawTool Tool = DrawTool::Joint;
  int Support = 0;  // index into SupportKinds of the type
  MemberLoadKind Load = MemberLoadKind::Uniform;
  int Material = 1, Section = 1;
  double Spacing = 1;  // grid spacing, in the project's length unit; 0 for no grid
  bool Live = false;
};

class DrawingMode {
 public:
  // `record` makes the model as it stands one step of the project's history.
  DrawingMode(ModelStore& model, Messages& messages, std::function<void(Change)> record);

  DrawingPalette Palette;
  // Types the values of a load the drawing placed; a window shows the entry form, a test types.
  EntryHand LoadValues = PressOk;
  // A front end whose entry forms are answered later (the browser page) opens a load's form
  // itself: when set, a press that places a load hands it the form to open instead of placing
  // the load with LoadValues, and the front end records the step when the form is done.
  std::function<void(const LoadEntry&)> OpenLoadForm;

  // The mouse over the picture, in its pixels.
  void Press(const PointerPicture& picture, double px, double py);
  void Move(const PointerPicture& picture, double px, double py);
  void Release(const PointerPicture& picture, double px, double py);
  // Delete: the selected member, or the selected joint with its members after asking.
  void DeleteSelection();
  // Escape: a member being drawn is called off, the selection cleared.
  void CallOff();

  // The chosen joint or member; none once it is gone from the model (Undo took it back).
  PickedItem Selection() const;
  // What the pointer snapped to at the last move.
  const Snapped& Pointer() const { return pointer_; }
  // The status line's words for the pointer: "X = 2.5 m, Y = 5 m, grid point".
  std::string PointerText() const;
  // The member being drawn, from its first point to the pointer.
  std::optional<std::pair<Point, Point>> MemberBeingDrawn() const;
  const std::vector<Point>& WaitingJoints() const { return edits_.WaitingJoints(); }
  bool Dragging() const { return dragged_ != 0 && moved_; }

  // The last live analysis (kNoResults with Live off or a model it could not take) and the
  // status line's word for it.
  const StructureResults& LiveResults() const { return live_; }
  std::string LiveStatus() const;
  // The status line: the pointer's words, then the live analysis's.
  std::string StatusText() const;
  // Analyses again when Live is on (the window calls it after an undo or a switch of Live).
  void Reanalyse();

 private:
  Snapped Snap(const PointerPicture& picture, double px, double py, int ignored = 0);
  // An action has changed the model: one step of the history, and a live analysis.
  void Changed(Change change);
  void FinishMember(const Snapped& end);
  void PlaceLoad(const LoadEntry& entry, Change change);

  ModelStore& model_;
  Messages& messages_;
  std::function<void(Change)> record_;
  DrawingEdits edits_;
  PickedItem selection_;
  Snapped pointer_;
  std::optional<Snapped> memberStart_;
  int dragged_ = 0;
  bool moved_ = false;
  StructureResults live_;
  std::string liveRejection_;
};

}  // namespace stavelorn
