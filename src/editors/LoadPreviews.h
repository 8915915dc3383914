// The preview pictures of the load, settlement, temperature-change and fabrication-error list
// windows: the stored structure as the window's own drawing shows it, the joint loads of plane
// types as they stand in the grid and the member loads of every type as the list holds them. A
// row that names a joint or member outside the model, or holds no number, is drawn as nothing.
#pragma once

#include "editors/GridModel.h"
#include "editors/MemberLoadEditor.h"
#include "graphics/Canvas.h"
#include "model/FormId.h"
#include "model/ModelStore.h"
#include "ui/Messages.h"

namespace stavelorn {

// The structure for JLoadA, then each grid row's joint load components (column 0 the joint,
// columns 1.. the components) as arrows in colour 13, each labelled with its absolute value.
void DrawJointLoadsPreview(const ModelStore& model, const GridModel& grid, int items,
                           Canvas& canvas, Messages& messages);

// The structure for MemLoadA, then each load of the member-load list (as Close would store it)
// drawn on its member as the main window draws member loads, in colour 10, with its signed value.
void DrawMemberLoadsPreview(const ModelStore& model, const MemberLoadEditor& editor, Canvas& canvas,
                            Messages& messages);

}  // namespace stavelorn
