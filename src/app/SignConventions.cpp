#include "app/SignConventions.h"

#include <algorithm>
#include <sstream>

#include "analysis/AnalysisRun.h"
#include "analysis/MemberDiagrams.h"
#include "editors/MemberLoadForm.h"
#include "graphics/Drawing.h"
#include "graphics/StructurePicture.h"
#include "graphics/SvgPicture.h"
#include "model/LoadSymbols.h"
#include "model/MemberLoadKind.h"
#include "model/ProjectFile.h"

namespace stavelorn {

namespace {

constexpr float kLoad = 10;

// A record of the project file: the values joined by commas.
template <typename T>
std::string Record(const std::vector<T>& values) {
  std::ostringstream line;
  for (std::size_t i = 0; i < values.size(); ++i) line << (i ? "," : "") << values[i];
  return line.str() + "\n";
}

std::string Section(const std::string& label, const std::vector<std::string>& records) {
  std::string text = "\"" + label + "\"," + std::to_string(records.size()) + "\n";
  for (const std::string& record : records) text += record;
  return text;
}

std::string MaterialRecord(const StructTypeInfo& type) {
  return type.MaterialColumns == 3 ? "2E+08,8E+07,1.2E-05\n" : "2E+08,1.2E-05\n";
}

std::string SectionRecord(const StructTypeInfo& type) {
  std::vector<float> values;
  for (int k = 0; k < type.SectionColumns; ++k)
    values.push_back(
        type.Sections[static_cast<std::size_t>(k)].Measure == Quantity::Area ? 0.01f : 0.0001f);
  return Record(values);
}

// A positive value of every joint load component of the type, at `joint`.
std::string JointLoadRecord(const StructTypeInfo& type, int joint) {
  std::vector<float> values{static_cast<float>(joint)};
  values.insert(values.end(), static_cast<std::size_t>(type.CoordsPerJoint), kLoad);
  return Record(values);
}

std::string TrussText(const StructTypeInfo& type) {
  const bool space = type.CoordColumns == 3;
  const std::vector<std::string> joints =
      space ? std::vector<std::string>{"0,0,0\n", "6,0,0\n", "3,0,5\n", "3,4,2\n"}
            : std::vector<std::string>{"0,0\n", "4,3\n", "8,0\n"};
  const std::vector<std::string> supports =
      space ? std::vector<std::string>{"1,1,1,1\n", "2,1,1,1\n", "3,1,1,1\n"}
            : std::vector<std::string>{"1,1,1\n", "3,0,1\n"};
  const std::vector<std::string> members =
      space ? std::vector<std::string>{"1,4,1,1\n", "2,4,1,1\n", "3,4,1,1\n"}
            : std::vector<std::string>{"1,2,1,1\n", "2,3,1,1\n", "1,3,1,1\n"};
  const int loaded = space ? 4 : 2;
  return Section("Joints", joints) + Section("Supports", supports) +
         Section("Materials", {MaterialRecord(type)}) +
         Section("Cross-Sections", {SectionRecord(type)}) + Section("Members", members) +
         Section("Joint Loads", {JointLoadRecord(type, loaded)});
}

// The chain of members, one a load kind, each 4 along X and 3 along the second axis (5 long); a
// space frame's run 1 along Z instead, so that the projection spreads its many members apart.
std::string ChainText(const StructTypeInfo& type) {
  const std::vector<const MemberLoadKindInfo*> kinds = AcceptedLoadKinds(type.Kind);
  const int memberCount = std::max<int>(2, static_cast<int>(kinds.size()));
  const int jointCount = memberCount + 1;
  std::vector<std::string> joints, supports, members, loads;
  for (int j = 1; j <= jointCount; ++j) {
    std::vector<float> at{4.0f * static_cast<float>(j - 1)};
    const float across = type.CoordColumns == 3 ? 1.0f : 3.0f;
    if (type.CoordColumns >= 2) at.push_back(across * static_cast<float>(j - 1));
    if (type.CoordColumns == 3) at.insert(at.begin() + 1, 0.0f);
    joints.push_back(Record(at));
    if (j == jointCount) continue;  // the free end carries the joint load
    std::vector<int> flags{j};
    for (int k = 0; k < type.CoordsPerJoint; ++k)
      flags.push_back(j == 1 || !type.Coords[static_cast<std::size_t>(k)].Rotation ? 1 : 0);
    supports.push_back(Record(flags));
  }
  for (int m = 1; m <= memberCount; ++m) {
    members.push_back(Record(std::vector<int>{m, m + 1, 1, 1}));
    if (type.RollAngles) members.back().insert(members.back().size() - 1, ",30");
  }
  for (std::size_t i = 0; i < kinds.size(); ++i) {
    const MemberLoadKindInfo& kind = *kinds[i];
    const bool point = IsConcentrated(kind);
    const float second = kind.ValueLabels[1] ? 2 * kLoad : 0;
    loads.push_back(Record(std::vector<float>{static_cast<float>(i + 1),
                                              static_cast<float>(static_cast<int>(kind.Kind)),
                                              kLoad, second, point ? 2.0f : 0.0f, 0.0f}));
  }
  std::string text = Section("Joints", joints) + Section("Supports", supports) +
                     Section("Materials", {MaterialRecord(type)}) +
                     Section("Cross-Sections", {SectionRecord(type)}) +
                     Section("Members", members) +
                     Section("Joint Loads", {JointLoadRecord(type, jointCount)});
  if (!loads.empty()) text += Section("Member Loads", loads);
  return text;
}

// The type's first moment, or the axial force of a truss.
DiagramQuantity ShownQuantity(const StructTypeInfo& type) {
  const std::vector<DiagramQuantity> quantities = QuantitiesOfType(type.Code);
  for (DiagramQuantity q : {DiagramQuantity::Mz, DiagramQuantity::My})
    if (std::find(quantities.begin(), quantities.end(), q) != quantities.end()) return q;
  return DiagramQuantity::N;
}

std::string PictureName(const StructTypeInfo& type, const char* what) {
  return std::string("pictures/signs-") + type.Code + "-" + what + ".svg";
}

}  // namespace

ModelStore SignConventionModel(const StructTypeInfo& type) {
  const std::string text = "\"" + std::string(type.Name) + ": positive loads\"\n\"" + type.Code +
                           "\"\n" + (type.Truss ? TrussText(type) : ChainText(type));
  ModelStore model;
  ReadProjectText(model, text);
  return model;
}

std::vector<std::string> SignConventionSentences(const StructTypeInfo& type) {
  std::vector<std::string> sentences;
  std::string coords, ends, reactions;
  for (int k = 0; k < type.CoordsPerJoint; ++k) {
    const JointCoordNames& coord = type.Coords[static_cast<std::size_t>(k)];
    coords += std::string(k ? ", " : "") + coord.Check;
    reactions += std::string(k ? ", " : "") + coord.Reaction;
  }
  for (const char* force : type.EndForces)
    if (force) ends += (ends.empty() ? "" : ", ") + std::string(force);
  sentences.push_back("Each joint's coordinates, in order: " + coords + ".");
  sentences.push_back("Each member end's forces, in the member's local axes and in order: " + ends +
                      "; the legend in the picture shows their positive directions.");
  for (const MemberLoadKindInfo* kind : AcceptedLoadKinds(type.Kind))
    sentences.push_back(std::string(kind->LongName) + ": " + LoadSignNote(*kind));
  sentences.push_back(std::string("Diagrams are drawn on the ") + type.DiagramSide + ".");
  sentences.push_back("A positive reaction (" + reactions +
                      ") or support displacement acts along or turns about its global axis in "
                      "the positive sense.");
  return sentences;
}

std::vector<HelpPicture> SignConventionPictures(const StructTypeInfo& type, Messages& messages) {
  const ModelStore model = SignConventionModel(type);
  RecordingCanvas axes;
  DrawingView view;
  PlotStructure(model, StructureResults{}, axes, FormId::mcas, messages, view);
  DrawLocalAxes(model, axes, view);
  const SvgCaption caption{std::string(type.Name) + ": local axes and positive loads", {}};
  std::vector<HelpPicture> pictures{
      {PictureName(type, "axes"), SvgPictureColumn({&axes}, kPictureWidth, caption)}};
  const AnalysisRun run = CheckAndAnalyze(model, AvailableMemoryBytes(), false);
  if (run.Rejected) messages.ShowStop(type.Name, run.RejectionText);
  PictureContent content;
  content.Deformed = true;
  content.Diagram = ShownQuantity(type);
  pictures.push_back(
      {PictureName(type, "diagram"), StructurePictureSvg(model, run.Results, content, messages)});
  return pictures;
}

std::string SignConventionSection(const StructTypeInfo& type) {
  std::string text = std::string("## ") + type.Name + "\n\n";
  text += "![" + std::string(type.Name) + ": local axes and positive loads](" +
          PictureName(type, "axes") + ")\n\n";
  text += "![" + std::string(type.Name) + ": deformed shape and " +
          QuantityName(type.Code, ShownQuantity(type)) + " diagram](" +
          PictureName(type, "diagram") + ")\n\n";
  for (const std::string& sentence : SignConventionSentences(type)) text += "- " + sentence + "\n";
  return text + "\n";
}

}  // namespace stavelorn
