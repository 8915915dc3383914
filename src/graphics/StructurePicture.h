// The main window's drawing of a project as a picture file, without a window: the structure with
// its supports, joints, members and loads, and on request the deformed shape and one internal-
// force diagram, for handouts and scripts (the batch tool's --picture).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "analysis/MemberDiagrams.h"
#include "graphics/RecordingCanvas.h"
#include "model/ModelStore.h"
#include "ui/Messages.h"

namespace stavelorn {

// Width of the picture file in pixels; each drawing in it is square.
inline constexpr int kPictureWidth = 1000;

// What the picture shows besides the structure as entered.
struct PictureContent {
  // The deformed shape at the automatic multiplier after a complete analysis, or the mechanism
  // mode of a structure whose analysis failed.
  bool Deformed = false;
  // This diagram of an analysed structure, drawn below the structure as the window draws it
  // beside it.
  std::optional<DiagramQuantity> Diagram;
};

// The drawings a picture is made of, top to bottom: the structure, then the diagram when one is
// asked for and the model is analysed.
std::vector<RecordingCanvas> StructurePictureDrawings(const ModelStore& model,
                                                      const StructureResults& results,
                                                      const PictureContent& content,
                                                      Messages& messages);

// The drawing of the model (analysed or not) as an SVG document on white paper, kPictureWidth
// pixels wide, titled with the project's title and captioned below the drawings with it, the
// deformed shape's multiplier and the project's named units. A drawing failure is reported through
// `messages` and what was drawn stays.
std::string StructurePictureSvg(const ModelStore& model, const StructureResults& results,
                                const PictureContent& content, Messages& messages);
// The same with the deformed shape magnified by `multiplier`, as the multiplier box sets it,
// instead of the automatic multiplier.
std::string StructurePictureSvg(const ModelStore& model, const StructureResults& results,
                                const PictureContent& content, std::int32_t multiplier,
                                Messages& messages);

}  // namespace stavelorn
