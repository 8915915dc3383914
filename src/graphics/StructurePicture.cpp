#include "graphics/StructurePicture.h"

#include "graphics/DeflectedShape.h"
#include "graphics/DiagramDrawing.h"
#include "graphics/Drawing.h"
#include "graphics/SvgPicture.h"

namespace stavelorn {

std::vector<RecordingCanvas> StructurePictureDrawings(const ModelStore& model,
                                                      const PictureContent& content,
                                                      Messages& messages) {
  // The drawing reads the shape from the results it is given: without the deformed shape it is
  // drawn as before an analysis; with it, at the scale an analysis in the window would choose.
  ModelStore drawn = model;
  drawn.CurrentForm = FormId::mcas;
  if (content.Deformed) {
    drawn.DeflectionMultiplier = AutomaticDeflectionMultiplier(model);
  } else {
    drawn.AnalysisStatus = kNoResults;
    drawn.MechanismMode.clear();
  }
  std::vector<RecordingCanvas> drawings(1);
  PlotStructure(drawn, drawings.front(), FormId::mcas, messages);
  if (content.Diagram && model.AnalysisStatus == kAnalysisComplete) {
    drawings.emplace_back();
    RunDrawing("Error in Diagrams", messages, [&] {
      DrawStructureDiagrams(model, BuildMemberDiagrams(model), *content.Diagram, drawings.back());
    });
  }
  return drawings;
}

std::string StructurePictureSvg(const ModelStore& model, const PictureContent& content,
                                Messages& messages) {
  const std::vector<RecordingCanvas> drawings = StructurePictureDrawings(model, content, messages);
  std::vector<const RecordingCanvas*> pictures;
  for (const RecordingCanvas& drawing : drawings) pictures.push_back(&drawing);
  return SvgPictureColumn(pictures, kPictureWidth);
}

}  // namespace stavelorn
