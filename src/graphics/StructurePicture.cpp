#include "graphics/StructurePicture.h"

#include "graphics/DeflectedShape.h"
#include "graphics/DiagramDrawing.h"
#include "graphics/Drawing.h"
#include "graphics/SvgPicture.h"
#include "model/Units.h"

namespace stavelorn {

namespace {

// The model as the structure drawing reads it, at the scale an analysis in the window would
// choose when the deformed shape is drawn.
ModelStore DrawnModel(const ModelStore& model, const StructureResults& results,
                      const PictureContent& content) {
  ModelStore drawn = model;
  if (content.Deformed) drawn.DeflectionMultiplier = AutomaticDeflectionMultiplier(model, results);
  return drawn;
}

// The project's title, and what a reader needs to read the drawings right: the deformed shape's
// multiplier and the units the values are in.
SvgCaption PictureCaption(const ModelStore& drawn, const StructureResults& results,
                          const PictureContent& content) {
  SvgCaption caption{drawn.ProjectTitle, {}};
  if (content.Deformed && results.Complete())
    caption.Lines.push_back("Deformed shape: deflections \u00d7 " +
                            std::to_string(drawn.DeflectionMultiplier));
  else if (content.Deformed && !results.MechanismMode.empty())
    caption.Lines.push_back("Mechanism: how the structure can move without resistance");
  if (drawn.Units.Named) caption.Lines.push_back("Units: " + UnitSystemText(drawn.Units));
  return caption;
}

// The drawings of a model as StructurePictureDrawings describes them, the structure read from
// `drawn` (see DrawnModel): without the deformed shape it is drawn as before an analysis.
std::vector<RecordingCanvas> Drawings(const ModelStore& model, const ModelStore& drawn,
                                      const StructureResults& results,
                                      const PictureContent& content, Messages& messages) {
  const StructureResults none;
  std::vector<RecordingCanvas> drawings(1);
  PlotStructure(drawn, content.Deformed ? results : none, drawings.front(), FormId::mcas, messages);
  if (content.Diagram && results.Complete()) {
    drawings.emplace_back();
    RunDrawing("Error in Diagrams", messages, [&] {
      DrawStructureDiagrams(model, BuildMemberDiagrams(model, results), *content.Diagram,
                            drawings.back());
    });
  }
  return drawings;
}

}  // namespace

std::vector<RecordingCanvas> StructurePictureDrawings(const ModelStore& model,
                                                      const StructureResults& results,
                                                      const PictureContent& content,
                                                      Messages& messages) {
  return Drawings(model, DrawnModel(model, results, content), results, content, messages);
}

std::string StructurePictureSvg(const ModelStore& model, const StructureResults& results,
                                const PictureContent& content, Messages& messages) {
  const ModelStore drawn = DrawnModel(model, results, content);
  const std::vector<RecordingCanvas> drawings = Drawings(model, drawn, results, content, messages);
  std::vector<const RecordingCanvas*> pictures;
  for (const RecordingCanvas& drawing : drawings) pictures.push_back(&drawing);
  return SvgPictureColumn(pictures, kPictureWidth, PictureCaption(drawn, results, content));
}

}  // namespace stavelorn
