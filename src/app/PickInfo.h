// What the tooltip of a picked joint or member says: its data (coordinates and restraints; the
// joints, material, section, release and roll of a member; its loads) and, after an analysis,
// its results (displacements and reactions of a joint, end forces of a member), as lines of
// text. Numbers are in the 7-digit form of the grids.
#pragma once

#include <string>

#include "analysis/StructureResults.h"
#include "graphics/Picking.h"
#include "model/ModelStore.h"

namespace stavelorn {

// The tooltip text of the item; "" when it names no joint or member of the model.
std::string PickedItemText(const ModelStore& model, const StructureResults& results,
                           const PickedItem& item);

// What a screen reader reads for the drawing: the type and size of the structure, after an
// analysis its largest translation and where, the item under the keyboard focus (`focused`) as
// its tooltip words it, then every joint and member so; "" without a structure type.
std::string StructureDescription(const ModelStore& model, const StructureResults& results,
                                 const PickedItem& focused = {});

}  // namespace stavelorn
