#include "graphics/StructurePicture.h"

#include "graphics/DeflectedShape.h"
#include "graphics/DiagramDrawing.h"
#include "graphics/Drawing.h"
#include "graphics/RecordingCanvas.h"
#include "graphics/SvgPicture.h"
#include "model/Units.h"

namespace stavelorn {

namespace {

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

}  // namespace

std::string StructurePictureSvg(const ModelStore& model, const StructureResults& results,
                                const PictureContent& content, Messages& messages) {
  // The drawing reads the shape from the results it is given: without the deformed shape it is
  // drawn as before an analysis; with it, at the scale an analysis in the window would choose.
  ModelStore drawn = model;
  drawn.CurrentForm = FormId::mcas;
  if (content.Deformed) drawn.DeflectionMultiplier = AutomaticDeflectionMultiplier(model, results);
  const StructureResults none;
  RecordingCanvas structure;
  PlotStructure(drawn, content.Deformed ? results : none, structure, FormId::mcas, messages);

  RecordingCanvas diagram;
  std::vector<const RecordingCanvas*> pictures{&structure};
  if (content.Diagram && results.Complete()) {
    RunDrawing("Error in Diagrams", messages, [&] {
      DrawStructureDiagrams(model, BuildMemberDiagrams(model, results), *content.Diagram, diagram);
    });
    pictures.push_back(&diagram);
  }
  return SvgPictureColumn(pictures, kPictureWidth, PictureCaption(drawn, results, content));
}

}  // namespace stavelorn
