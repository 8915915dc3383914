// The sign conventions of each structure type as the help pages show them: a small model of the
// type carrying a positive load of every kind it takes, drawn by the program's own drawing code
// (its local axes with the legend of the positive end forces, and its deformed shape over a
// diagram), and the sentences the rest of the program words the conventions by.
#pragma once

#include <string>
#include <vector>

#include "model/ModelStore.h"
#include "model/StructType.h"
#include "ui/Messages.h"

namespace stavelorn {

// The model a type's pictures show: a truss of three bars loaded at its free joint, or a chain of
// members, one for each member load kind the type takes, fixed at its first joint, held in
// translation at the joints between, and free at its last joint, which carries a positive value of
// every joint load component. Space-frame members are rolled.
ModelStore SignConventionModel(const StructTypeInfo& type);

// The sentences of a type, as the program says them elsewhere: the joint coordinates in order,
// the end forces in order, each member load kind's positive direction, the side the diagrams are
// drawn on, and what a positive reaction and settlement are.
std::vector<std::string> SignConventionSentences(const StructTypeInfo& type);

struct HelpPicture {
  std::string Name;  // under the help folder: "pictures/signs-PFrame-axes.svg"
  std::string Svg;
};

// A type's two pictures: "pictures/signs-<code>-axes.svg" (the structure, its loads, its local
// axes and the legend of the positive end forces) and "pictures/signs-<code>-diagram.svg" (the
// deformed shape over the diagram of the type's first moment, or of the axial force of a
// truss). A failed drawing or analysis is reported through `messages`.
std::vector<HelpPicture> SignConventionPictures(const StructTypeInfo& type, Messages& messages);

// The Markdown section of a type: its heading, its pictures and its sentences as a list.
std::string SignConventionSection(const StructTypeInfo& type);

}  // namespace stavelorn
