// The structure drawings: the structure with its supports, joints, members, numbers and loads,
// in plane or in oblique projection, and after an analysis the deformed shape. Each drawing
// takes the model, the canvas it paints on and the window it draws for (which decides what is
// shown: loads, settlements, the records' labels and the deformed shape only in the main and
// displacement windows; joint numbers in those two (unless the view turns them off) and in the
// editors' previews). Drawings read data nobody may have checked yet: whatever names a
// joint or member outside its table, or has a coordinate that is not finite, is drawn as
// nothing. A failure ends the drawing, is reported through `messages` and leaves what was drawn.
#pragma once

#include <cstdint>

#include "analysis/StructureResults.h"
#include "graphics/Canvas.h"
#include "model/FormId.h"
#include "model/ModelStore.h"
#include "ui/Messages.h"

namespace stavelorn {

// What the last drawing fixed about the picture, kept by the window so that a preview can place
// its own marks over a drawing: the extent of the drawn joints and the units of the marks, all
// in user coordinates of the canvas.
struct DrawingView {
  double ViewXMax = 0, ViewXMin = 0, ViewYMax = 0, ViewYMin = 0;
  double MarkUnit = 0;    // picture width / 100: joint markers, label offsets
  double SymbolUnit = 0;  // picture width / 75: support, load and arrow symbols
  // Set by the window before drawing: whether the main and displacement windows number the
  // joints and members (the View menu's choice, on unless the user turns it off).
  bool Numbers = true;
  // Set by the window before drawing: the whole number the deformed shape's displacements are
  // magnified by (the project's deflection multiplier, 5 until an analysis or the user changes
  // it).
  std::int32_t Multiplier = 5;
};

// Draws the structure as its type requires (plane drawing for beams, plane trusses and plane
// frames, projection for the others); does nothing when the model has no joint.
void PlotStructure(const ModelStore& model, const StructureResults& results, Canvas& canvas,
                   FormId form, Messages& messages, DrawingView& view);
void PlotStructure(const ModelStore& model, const StructureResults& results, Canvas& canvas,
                   FormId form, Messages& messages);

// The plane drawing; failures are reported as "Error in Plot2D".
void Plot2D(const ModelStore& model, const StructureResults& results, Canvas& canvas, FormId form,
            Messages& messages, DrawingView& view);

// The oblique projection of space trusses, grids and space frames, with their joint loads,
// settlements and member loads in the main and displacement windows but without deformed
// members; failures are reported as "Error in Plot3D".
void Plot3D(const ModelStore& model, const StructureResults& results, Canvas& canvas, FormId form,
            Messages& messages, DrawingView& view);

// The figure of every member load the type carries, in the member-load colour, each with its
// signed value; Plot2D and Plot3D call it for the main and displacement windows.
void PlotMemberLoads(const ModelStore& model, Canvas& canvas, const DrawingView& view);

// The deformed shape of an analysed plane structure, displacements magnified by the view's
// Multiplier: straight members between the displaced joints of a plane truss, elastic
// curves of the members of beams and plane frames, each member one symbol of the deformed shape.
// Plot2D calls it for the main and displacement windows after an analysis.
void DrawDeformedShape(const ModelStore& model, const StructureResults& results, Canvas& canvas,
                       const DrawingView& view);

// The same for the projected types: straight bars between the displaced joints of a space truss
// (with a circle at each), and for grids and space frames each member's deflected axis, its
// elastic curves in both bending planes, in the projection. Plot3D calls it as Plot2D does.
void DrawSpaceDeformedShape(const ModelStore& model, const StructureResults& results,
                            Canvas& canvas, const DrawingView& view);

// The mechanism mode of a structure whose analysis failed (the MechanismMode of `results`), over
// the structure like a deformed shape, in light blue: members between the joints moved by the
// mode's translations, magnified as the deformed shape is (at most a tenth of the structure), and a
// turning arrow at each joint whose rotation is among the largest values (a double-headed arrow
// along the axis in the projections). Plot2D and Plot3D call it for the main window; nothing is
// drawn when the results hold no mode of the model's size.
void DrawMechanismMode(const ModelStore& model, const StructureResults& results, Canvas& canvas,
                       const DrawingView& view);

// The local axes of every member as short arrows from its midpoint, x in red, y in green and z
// in blue (only x for a space truss, x and y for plane types), each labelled, with the angle of
// roll beside every space-frame member; and in the lower-left corner a legend of the positive
// directions of the member end forces of the type, numbered in the order of the results. Drawn
// over the last drawing, whose view it takes. `parts` draws only the members' axes, or those
// with the global axes in the upper-left corner (X red, Y green, Z blue), or only the legend.
enum class LocalAxesParts { Both, Members, MembersAndGlobalAxes, Legend };
void DrawLocalAxes(const ModelStore& model, Canvas& canvas, const DrawingView& view,
                   LocalAxesParts parts = LocalAxesParts::Both);

}  // namespace stavelorn
