#include "graphics/Drawing.h"
#include "model/StructType.h"

namespace stavelorn {

void PlotStructure(const ModelStore& model, const StructureResults& results, Canvas& canvas,
                   FormId form, Messages& messages, DrawingView& view) {
  if (model.JointCount < 1) return;
  if (IsPlane(model.StructType))
    Plot2D(model, results, canvas, form, messages, view);
  else
    Plot3D(model, results, canvas, form, messages, view);
}

void PlotStructure(const ModelStore& model, const StructureResults& results, Canvas& canvas,
                   FormId form, Messages& messages) {
  DrawingView view;
  PlotStructure(model, results, canvas, form, messages, view);
}

}  // namespace stavelorn
