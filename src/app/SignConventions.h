// The sign conventions of each structure type as the help pages show them: small models of the
// type (app/SignConventionModels.h) drawn by the program's own drawing code, one idea to a
// picture (the local axes, the positive end forces, the positive joint and member loads, the
// deformed shape over a diagram, the positive reactions and a positive settlement), and the
// sentences the rest of the program words the conventions by.
#pragma once

#include <string>
#include <vector>

#include "graphics/RecordingCanvas.h"
#include "model/StructType.h"
#include "ui/Messages.h"

namespace stavelorn {

// Width in pixels of a sign-convention picture on a help page.
inline constexpr int kSignPictureWidth = 560;

// One picture of a type: its file under the help folder ("pictures/signs-PFrame-axes.svg"), its
// caption (also the picture's alternative text on the page), and its drawings, top to bottom.
struct SignDrawing {
  std::string Name;
  std::string Caption;
  std::vector<RecordingCanvas> Drawings;
};

// Every picture of a type, in the order the page shows them: "axes", "end-forces",
// "joint-loads", "member-loads-1"... (at most three load kinds to a picture), "diagram",
// "reactions" and "settlements", each drawing's scale narrowed to its strokes with a line of text
// around them. A failed drawing or analysis is reported through `messages`.
std::vector<SignDrawing> SignConventionDrawings(const StructTypeInfo& type, Messages& messages);

struct HelpPicture {
  std::string Name;  // under the help folder: "pictures/signs-PFrame-axes.svg"
  std::string Svg;
};

// The same pictures as SVG documents, kSignPictureWidth pixels wide.
std::vector<HelpPicture> SignConventionPictures(const StructTypeInfo& type, Messages& messages);

// The Markdown section of a type: its heading, then each picture with the sentences it shows.
std::string SignConventionSection(const StructTypeInfo& type);

// The Markdown of every type's picture of its positive reactions (or, with `settlements`, of a
// positive settlement), each under the type's name with the sentence that words it.
std::string SupportSignsSection(bool settlements);

}  // namespace stavelorn
