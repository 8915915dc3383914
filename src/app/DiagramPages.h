// The pictures of the printed diagrams: one page per quantity of the structure's type, each the
// structure with that quantity drawn along every member and each member's extremes labelled, as
// the main window's diagram view shows it.
#pragma once

#include <string>
#include <vector>

#include "analysis/StructureResults.h"
#include "graphics/RecordingCanvas.h"
#include "model/ModelStore.h"

namespace stavelorn {

struct DiagramPage {
  std::string Caption;      // "M   Bending moment", as the Diagrams menu names the quantity
  RecordingCanvas Picture;  // the strokes, scaled to a square picture
};

// The pages of an analysed model, in the order of the Diagrams menu; none before an analysis.
std::vector<DiagramPage> DiagramPages(const ModelStore& model, const StructureResults& results);

}  // namespace stavelorn
