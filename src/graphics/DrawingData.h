// What the drawings read from a model that may not have been checked: table cells, joint
// positions and analysis results, each read only when it lies inside its table and is finite,
// and otherwise reported as missing so the caller draws nothing for it. Also the view scaling
// and the failure handling the drawings share.
#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "analysis/StructureResults.h"
#include "graphics/Canvas.h"
#include "graphics/Drawing.h"
#include "model/ModelStore.h"
#include "model/RunError.h"
#include "model/Units.h"

namespace stavelorn {

struct Point {
  double X = 0, Y = 0;
};

// The cell (row, col) of a table that holds `count` records, when it lies inside the count and
// the table.
template <typename T>
std::optional<T> Cell(const Table<T>& table, int count, int row, int col) {
  if (row < 1 || row > count || row > table.Rows() || col < 1 || col > table.Cols())
    return std::nullopt;
  return table(row, col);
}
template <typename T>
std::optional<T> Cell(const Array<T>& array, int count, int index) {
  if (index < 1 || index > count || index > array.Size()) return std::nullopt;
  return array(index);
}

// The plane position of a joint: (X, Y), or (X, 0) for a beam.
std::optional<Point> PlanePosition(const ModelStore& model, int joint);

// The distance between two points, and from a point to the nearest point of the segment a-b.
double Distance(Point p, Point q);
double DistanceToSegment(Point p, Point a, Point b);

// The model coordinates (X, Y, Z) of a joint of a space type; a grid's joints lie at Y = 0.
struct Point3 {
  double X = 0, Y = 0, Z = 0;
};
std::optional<Point3> SpacePosition(const ModelStore& model, int joint);

// Where a point of a space type is drawn: the oblique projection with the X axis right and
// slightly down, Z left and down, Y up (angles of 10 and 30 degrees; 0 and 45 for a grid).
Point ProjectOblique(const std::string& type, const Point3& p);
Point ProjectOblique(StructKind type, const Point3& p);

// Where a joint is drawn: its plane position, or the oblique projection of a space type's.
std::optional<Point> PicturePosition(const ModelStore& model, int joint);

// A value as the drawings label it: four significant digits in the shortest form, the sign kept
// ("8.992", "-0.5", "2.5E-05", "0"), so that a label stays short beside its symbol.
std::string ShortNumber(double value);

// A drawn value by its symbol and, when the project names its units, its unit: "P = 40 kN",
// "Mz = -5 kN·m", "w = 4" (unnamed units); the value and unit alone when the symbol is empty.
std::string DrawnValueText(const std::string& symbol, double value, const UnitSystem& units,
                           Quantity quantity);

// Component k (1-based) of a joint load of a type as the drawings label it: "Fx = 10 kN",
// "Mz = -5".
std::string JointLoadText(const StructTypeInfo& type, const UnitSystem& units, int k, double value);

// The characters a text shows, one for each character of several UTF-8 bytes ("Δ", "·", "²"):
// what its printed width goes by.
int TextCharacters(const std::string& text);

// Prints a label just beyond `tip` in the unit picture direction `dir` (the end of an arrow,
// seen from its other end), centred on that line, as the placer allows. u is the symbol unit;
// the text's size is taken as a picture's text at its drawing scale (about 0.8u a character,
// 1.6u a line).
void PrintLabelBeyond(Canvas& canvas, Point tip, Point dir, const std::string& text, double u);

// The release code of a member (0 none, 1 hinge at the beginning, 2 at the end, 3 both): its
// last release record, as the analysis reads them; 0 for a truss, which takes none.
int ReleaseCodeOf(const ModelStore& model, int member);

// A member's line from `begin` to `end` in `colour`, with an open circle in the hinge colour
// just inside each hinged end, the line stopping at its rim; each circle a hinge symbol of its
// own naming `member`.
void DrawMemberLine(Canvas& canvas, Point begin, Point end, int releaseCode, double mark,
                    int colour, int member);

// The displacement result for degree of freedom k (1-based, in the joint's coordinate order):
// a value for a free coordinate, nothing for a restrained one or when the results do not cover
// it. At a turned support the two turned coordinates are both given, in global axes.
std::optional<double> FreeDisplacement(const ModelStore& model, const StructureResults& results,
                                       int joint, int k);
// Whether degree of freedom k of a joint is restrained, by its structure coordinate number (never
// one of a turned support's two turned coordinates, given whole by FreeDisplacement).
bool RestrainedCoordinate(const ModelStore& model, const StructureResults& results, int joint,
                          int k);
// Component k of the first settlement record of a joint, when the joint has one.
std::optional<double> Settlement(const ModelStore& model, int joint, int k);

// Whether a position lies on an extent of the view, the tolerance of every position test.
inline bool OnExtent(double value, double extent) {
  return value - extent < 1e-6 && extent - value < 1e-6;
}

// Fits the view around the points: a square of 1 + 2 * margin times the larger side of their
// extent, centred on it, or the square from -100 to 100 when all points coincide or there are
// none. Clears the canvas, sets its scale and the view's units.
void ScaleView(Canvas& canvas, DrawingView& view, const std::vector<Point>& points,
               double margin = 0.2);

// A failure that ends a drawing, with the error the user is shown.
class DrawingFailure : public std::runtime_error {
 public:
  explicit DrawingFailure(RunError error)
      : std::runtime_error(error.Description), error_(std::move(error)) {}
  const RunError& Error() const { return error_; }

 private:
  RunError error_;
};

// Runs a drawing; a failure ends it and is reported under `title`, the strokes drawn so far stay.
void RunDrawing(const char* title, Messages& messages, const std::function<void()>& draw);

// Whether the window shows loads, displaced supports and the deformed shape.
inline bool ShowsResults(FormId form) {
  return form == FormId::mcas || form == FormId::Disp;
}
// Whether the window is a preview that labels joints with their numbers.
inline bool NumbersJoints(FormId form) {
  return form == FormId::JLoadA || form == FormId::MemberA || form == FormId::JSettleA;
}
// Whether the window shows members, and whether it shows them in yellow with their numbers.
bool ShowsMembers(FormId form);
inline bool HighlightsMembers(FormId form) {
  return form == FormId::MemLoadA || form == FormId::MemTempA || form == FormId::MemErrA;
}

// Draws every support record through `draw`, the strokes of each tagged with its joint, so that a
// support is picked as the joint it holds.
void DrawSupportsTagged(const ModelStore& model, Canvas& canvas,
                        const std::function<void(int record)>& draw);

// Draws the joints as markers (circles for trusses, filled squares otherwise), numbered in the
// previews that number them, then the members, at the positions `place` gives; a joint or
// member whose position is missing is left out.
void DrawJointsAndMembers(const ModelStore& model, Canvas& canvas, FormId form,
                          const DrawingView& view, bool truss,
                          const std::function<std::optional<Point>(int)>& place);

}  // namespace stavelorn
