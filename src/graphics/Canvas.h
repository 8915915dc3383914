// The drawing surface every structure drawing paints on: the operations of a classic picture box,
// in user coordinates set by Scale. Drawings only ever talk to this interface, so the same code
// draws into a window, an image file or a test's recording.
#pragma once

#include <string>

namespace stavelorn {

// Colours of the classic 16-colour palette that the drawings use, by their palette numbers.
enum PaletteColour : int {
  kBrown = 6,          // member numbers
  kLightGray = 7,      // joint numbers
  kDarkGray = 8,       // the light filling of internal-force diagrams
  kLightBlue = 9,      // the mechanism mode of a structure that cannot be analysed
  kLightGreen = 10,    // member loads in the member-load preview
  kLightCyan = 11,     // the structure, and supports after an analysis
  kLightRed = 12,      // supports before an analysis, displaced supports, deformed shape
  kLightMagenta = 13,  // joint loads
  kYellow = 14,        // member loads, members in the member-data previews
  kBrightWhite = 15,   // the joint or member under the mouse, the local-axes legend;
                       // internal-force diagrams, their labels and legends; hinges
};

// Hinges stand out from the members they interrupt, on the window's black as on paper.
inline constexpr int kHingeColour = kBrightWhite;

struct Rgb {
  int Red;
  int Green;
  int Blue;
};

// What a picture is painted on: the window's black, or white paper for saved pictures and
// handouts, where each colour is a darker shade of itself (white turns black) so it still reads.
enum class Background { Black, White };

// The red, green and blue (0..255) of a palette colour on a background; on black, white for
// numbers the drawings never use.
Rgb PaletteRgb(int colour, Background background = Background::Black);

// What a group of strokes shows, so that a saved picture can name every symbol it holds: a
// reader (a script, a style sheet, a screen reader) can then pick out the supports or the loads
// of one member. None is for strokes that belong to no symbol (legends, captions).
enum class SymbolClass {
  None,
  Joint,
  Member,
  Support,
  Hinge,
  JointNumber,
  MemberNumber,
  Load,
  LoadValue,
  Deformed,
  Diagram,
};

// The name a picture file gives the class: "joint", "member-number"..., "" for None.
const char* SymbolClassName(SymbolClass symbol);

class Canvas {
 public:
  virtual ~Canvas() = default;

  // Wipes the picture and puts the text position back at (0, 0).
  virtual void Cls() = 0;
  // Sets the user coordinates of the picture's edges. With top greater than bottom, y grows
  // upward. The rectangle is mapped onto the whole picture, whatever its aspect ratio.
  virtual void Scale(double left, double top, double right, double bottom) = 0;
  // A straight stroke between two points, in a palette colour.
  virtual void Line(double x1, double y1, double x2, double y2, int colour) = 0;
  // A rectangle between two opposite corners, filled in the current ForeColor.
  virtual void FilledBox(double x1, double y1, double x2, double y2) = 0;
  // A circle outline; the radius is in horizontal user units.
  virtual void Circle(double x, double y, double radius, int colour) = 0;
  // Part of a circle outline from angle `start` to `end` (radians, counter-clockwise from +x).
  virtual void Arc(double x, double y, double radius, int colour, double start, double end) = 0;

  // The text position: where the top-left corner of the next printed number goes. Its height
  // can be read back, so a label can be moved relative to where it was put.
  virtual void SetCurrentX(double x) = 0;
  virtual void SetCurrentY(double y) = 0;
  virtual double CurrentY() const = 0;
  // Prints a number at the text position in ForeColor: a blank for the sign of a positive
  // number (a minus otherwise) followed by the number, e.g. " 12" or "-0.5".
  virtual void PrintNumber(double value) = 0;
  // Prints a text at the text position in ForeColor, as it is (labels, legends, captions).
  virtual void PrintText(const std::string& text) = 0;

  // Prints a label that names or values something drawn: at the text position when that spot
  // covers no earlier label or symbol, else at a free spot near it. A canvas that keeps nothing
  // prints it where asked.
  virtual void PrintLabel(const std::string& text) { PrintText(text); }

  // Asks for the picture to be shown again now (after a preview changed under a dialog).
  virtual void Refresh() = 0;

  // The palette colour of filled boxes and printed numbers.
  virtual void SetForeColor(int colour) = 0;
  virtual void SetFontItalic(bool italic) = 0;
  // Pen width in pixels; the drawings always use 1.
  virtual void SetDrawWidth(int width) = 0;

  // Names the joint or the member the strokes that follow belong to (0 for none), so that a
  // picture can tell what lies under the mouse. Canvases that keep no strokes ignore it.
  virtual void SetPickTag(int joint, int member) {
    static_cast<void>(joint);
    static_cast<void>(member);
  }

  // Starts one drawn symbol: the strokes that follow, up to the next BeginSymbol or EndSymbol,
  // are that one symbol, of class `symbol`, belonging to `joint` or `member` (0 for none). Two
  // calls with the same arguments start two symbols. Independent of the pick tag: a load names
  // its member but is not picked as it. Canvases that keep no strokes ignore it.
  virtual void BeginSymbol(SymbolClass symbol, int joint = 0, int member = 0) {
    static_cast<void>(symbol);
    static_cast<void>(joint);
    static_cast<void>(member);
  }
  void EndSymbol() { BeginSymbol(SymbolClass::None); }
};

// Draws one symbol: begins it on construction and ends it when it goes out of scope, so that no
// stroke drawn afterwards is counted in by mistake.
class DrawnSymbol {
 public:
  DrawnSymbol(Canvas& canvas, SymbolClass symbol, int joint = 0, int member = 0) : canvas_(canvas) {
    canvas_.BeginSymbol(symbol, joint, member);
  }
  ~DrawnSymbol() { canvas_.EndSymbol(); }
  DrawnSymbol(const DrawnSymbol&) = delete;
  DrawnSymbol& operator=(const DrawnSymbol&) = delete;

 private:
  Canvas& canvas_;
};

}  // namespace stavelorn
