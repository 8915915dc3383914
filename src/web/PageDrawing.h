// Drawing the structure with the mouse in the browser page: the desktop's drawing mode
// (DrawingMode) over the page's open project. The page sends the palette's choices, the pointer's
// press, moves and release in the units of the picture it shows with the screen pixels it shows
// each unit in (its zoom), so that snapping and picking reach as far on the screen as on the
// desktop, and the mode's keys. It gets back, as JSON, the picture on the mode's sheet, what
// follows the pointer and the status line. A drawn change is one step of the project's history,
// as a list's is; a placed load opens its entry form in the page's editing, whose OK records it.
#pragma once

#include <string>
#include <vector>

#include "app/DrawingMode.h"
#include "web/PageEditing.h"
#include "web/PageMessages.h"
#include "web/PageSession.h"

namespace stavelorn {

// The picture of the drawing mode is a square of this many units a side.
inline constexpr int kDrawingPictureUnits = 1000;

class PageDrawing {
 public:
  // Draws in the project open in `page`, opening load forms in `editing`; both must outlive this.
  PageDrawing(PageSession& page, PageEditing& editing);

  // The palette as the page shows it, every caption, name, key and tip from the desktop's table:
  // {"mode", "status", "delete", "callOff": {"caption", "name", "spoken", "key", "tip"},
  //  "tools": [{"tool", "caption", "name", "key", "tip", "enabled", "chosen"}],
  //  "supports", "loads": {control..., "enabled", "options": [captions], "selected"},
  //  "material", "section": {control..., "value", "most"}, "grid": {control..., "value", "unit"},
  //  "live": {control..., "on"}, "drawable", "hint"}.
  std::string Palette() const;

  // Drawing on or off; answers as Picture does, with "palette".
  std::string SetActive(bool active);
  bool Active() const { return active_; }

  // One choice of the palette: "tool" (as "tools" numbers it), "support" and "load" (the
  // index among their options), "material", "section", "grid" (the spacing) or "live" (0 or 1).
  // A tool the type cannot use, an option or number out of range is brought within reach.
  // Answers as Picture does, with "palette".
  std::string Choose(const std::string& control, double value);

  // The pointer "press", "move" or "release" at (x, y) of the picture, `zoom` screen pixels to
  // its unit. Answers as Picture does; a move that changes nothing drawn leaves out "svg".
  std::string Pointer(const std::string& phase, double x, double y, double zoom);

  // A key of the mode: "delete" (a joint with members asks first: unless `confirmed` the
  // answer carries the question) or "callOff".
  std::string Key(const std::string& key, bool confirmed);

  // {"svg": the structure on the mode's sheet with its grid and marks, "overlay": {"snap":
  // {"x", "y", "kind": "joint", "grid" or "free"} or null, "band": {"x1", "y1", "x2", "y2"} the
  // member being drawn or null, "hover": {"kind", "number", "x1", "y1", "x2", "y2"} the joint
  // or member under the pointer or null}, all in the picture's units, "status": the status
  // line, "changed": whether the project changed or a load's form opened, "question",
  // "messages"}; "" when drawing is off or no project is open.
  std::string Picture();

 private:
  // A tool or support kind the project's type does not offer gives way to one it does.
  void FitPalette();
  std::string Answer(bool withSvg, bool withPalette);
  PointerPicture PictureAt(double zoom) const;
  std::string OverlayJson() const;

  PageSession& page_;
  PageEditing& editing_;
  PageMessages messages_;
  DrawingMode mode_;
  bool active_ = false;
  bool changed_ = false;
  // The picture the page shows: its strokes, for picking, and the user square it shows.
  std::vector<Stroke> strokes_;
  UserScale sheet_;
  PickedItem hovered_;
};

}  // namespace stavelorn
