#include "graphics/StructurePicture.h"

#include "graphics/DeflectedShape.h"
#include "graphics/DiagramDrawing.h"
#include "graphics/Drawing.h"
#include "graphics/SvgPicture.h"
#include "model/Units.h"

namespace stavelorn {

namespace {

// The view the structure drawing is made in: when the deformed shape is drawn, at the scale an
// analysis in the window would choose.
DrawingView PictureView(const ModelStore& model, const StructureResults& results,
                        const PictureContent& content) {
  DrawingView view;
  if (content.Deformed)
    view.Multiplier = AutomaticDeflectionMultiplier(model, results, view.Multiplier);
  return view;
}

// The project's title, and what a reader needs to read the drawings right: the deformed shape's
// multiplier and the units the values are in.
SvgCaption PictureCaption(const ModelStore& model, const StructureResults& results,
                          const PictureContent& content, const DrawingView& view) {
  SvgCaption caption{model.ProjectTitle, {}};
  if (content.Deformed && results.Complete())
    caption.Lines.push_back("Deformed shape: deflections \u00d7 " +
                            std::to_string(view.Multiplier));
  else if (content.Deformed && !results.MechanismMode.empty())
    caption.Lines.push_back("Mechanism: how the structure can move without resistance");
  if (model.Units.Named) caption.Lines.push_back("Units: " + UnitSystemText(model.Units));
  return caption;
}

// The drawings of a model as StructurePictureDrawings describes them, the structure drawn in
// `view` (see PictureView): without the deformed shape it is drawn as before an analysis.
std::vector<RecordingCanvas> Drawings(const ModelStore& model, DrawingView view,
                                      const StructureResults& results,
                                      const PictureContent& content, Messages& messages) {
  const StructureResults none;
  std::vector<RecordingCanvas> drawings(1);
  PlotStructure(model, content.Deformed ? results : none, drawings.front(), FormId::mcas, messages,
                view);
  if (content.Diagram && results.Complete()) {
    drawings.emplace_back();
    RunDrawing("Error in Diagrams", messages, [&] {
      DrawStructureDiagrams(model, BuildMemberDiagrams(model, results), *content.Diagram,
                            drawings.back());
    });
  }
  return drawings;
}

// The picture of the drawings made in `view`, captioned.
std::string SvgOfView(const ModelStore& model, const DrawingView& view,
                      const StructureResults& results, const PictureContent& content,
                      Messages& messages) {
  const std::vector<RecordingCanvas> drawings = Drawings(model, view, results, content, messages);
  std::vector<const RecordingCanvas*> pictures;
  for (const RecordingCanvas& drawing : drawings) pictures.push_back(&drawing);
  return SvgPictureColumn(pictures, kPictureWidth, PictureCaption(model, results, content, view));
}

}  // namespace

std::vector<RecordingCanvas> StructurePictureDrawings(const ModelStore& model,
                                                      const StructureResults& results,
                                                      const PictureContent& content,
                                                      Messages& messages) {
  return Drawings(model, PictureView(model, results, content), results, content, messages);
}

std::string StructurePictureSvg(const ModelStore& model, const StructureResults& results,
                                const PictureContent& content, Messages& messages) {
  return SvgOfView(model, PictureView(model, results, content), results, content, messages);
}

std::string StructurePictureSvg(const ModelStore& model, const StructureResults& results,
                                const PictureContent& content, std::int32_t multiplier,
                                Messages& messages) {
  DrawingView view;
  view.Multiplier = multiplier;
  return SvgOfView(model, view, results, content, messages);
}

}  // namespace stavelorn
