#include "graphics/StructurePicture.h"

#include "graphics/DeflectedShape.h"
#include "graphics/DiagramDrawing.h"
#include "graphics/Drawing.h"
#include "graphics/RecordingCanvas.h"
#include "graphics/SvgPicture.h"

namespace stavelorn {

std::string StructurePictureSvg(const ModelStore& model, const PictureContent& content,
                                Messages& messages) {
  // The drawing reads the shape from the results it is given: without the deformed shape it is
  // drawn as before an analysis; with it, at the scale an analysis in the window would choose.
  ModelStore drawn = model;
  if (content.Deformed) {
    drawn.DeflectionMultiplier = AutomaticDeflectionMultiplier(model);
  } else {
    drawn.AnalysisStatus = kNoResults;
    drawn.MechanismMode.clear();
  }
  RecordingCanvas structure;
  PlotStructure(drawn, structure, FormId::mcas, messages);

  RecordingCanvas diagram;
  std::vector<const RecordingCanvas*> pictures{&structure};
  if (content.Diagram && model.AnalysisStatus == kAnalysisComplete) {
    RunDrawing("Error in Diagrams", messages, [&] {
      DrawStructureDiagrams(model, BuildMemberDiagrams(model), *content.Diagram, diagram);
    });
    pictures.push_back(&diagram);
  }
  return SvgPictureColumn(pictures, kPictureWidth);
}

}  // namespace stavelorn
