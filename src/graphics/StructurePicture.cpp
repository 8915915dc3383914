#include "graphics/StructurePicture.h"

#include "graphics/DeflectedShape.h"
#include "graphics/DiagramDrawing.h"
#include "graphics/Drawing.h"
#include "graphics/SvgPicture.h"
#include "model/Units.h"

namespace stavelorn {

namespace {

// The model as the structure drawing reads it: the drawing reads the shape from the results it
// is given, so without the deformed shape it is drawn as before an analysis; with it, at the
// scale an analysis in the window would choose.
ModelStore DrawnModel(const ModelStore& model, const PictureContent& content) {
  ModelStore drawn = model;
  drawn.CurrentForm = FormId::mcas;
  if (content.Deformed) {
    drawn.DeflectionMultiplier = AutomaticDeflectionMultiplier(model);
  } else {
    drawn.AnalysisStatus = kNoResults;
    drawn.MechanismMode.clear();
  }
  return drawn;
}

// The project's title, and what a reader needs to read the drawings right: the deformed shape's
// multiplier and the units the values are in.
SvgCaption PictureCaption(const ModelStore& drawn, const PictureContent& content) {
  SvgCaption caption{drawn.ProjectTitle, {}};
  if (content.Deformed && drawn.AnalysisStatus == kAnalysisComplete)
    caption.Lines.push_back("Deformed shape: deflections \u00d7 " +
                            std::to_string(drawn.DeflectionMultiplier));
  else if (content.Deformed && !drawn.MechanismMode.empty())
    caption.Lines.push_back("Mechanism: how the structure can move without resistance");
  if (drawn.Units.Named) caption.Lines.push_back("Units: " + UnitSystemText(drawn.Units));
  return caption;
}

// The drawings of a model as StructurePictureDrawings describes them, the structure read from
// `drawn` (see DrawnModel).
std::vector<RecordingCanvas> Drawings(const ModelStore& model, const ModelStore& drawn,
                                      const PictureContent& content, Messages& messages) {
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

}  // namespace

std::vector<RecordingCanvas> StructurePictureDrawings(const ModelStore& model,
                                                      const PictureContent& content,
                                                      Messages& messages) {
  return Drawings(model, DrawnModel(model, content), content, messages);
}

std::string StructurePictureSvg(const ModelStore& model, const PictureContent& content,
                                Messages& messages) {
  const ModelStore drawn = DrawnModel(model, content);
  const std::vector<RecordingCanvas> drawings = Drawings(model, drawn, content, messages);
  std::vector<const RecordingCanvas*> pictures;
  for (const RecordingCanvas& drawing : drawings) pictures.push_back(&drawing);
  return SvgPictureColumn(pictures, kPictureWidth, PictureCaption(drawn, content));
}

}  // namespace stavelorn
