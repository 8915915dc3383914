#include "app/SignConventions.h"

#include <algorithm>

#include "analysis/AnalysisRun.h"
#include "analysis/MemberDiagrams.h"
#include "app/SignConventionModels.h"
#include "editors/MemberLoadForm.h"
#include "graphics/Drawing.h"
#include "graphics/DrawingData.h"
#include "graphics/JointLoadFigures.h"
#include "graphics/StructurePicture.h"
#include "graphics/SvgPicture.h"
#include "model/LoadSymbols.h"

namespace stavelorn {

namespace {

// More kinds than this on one chain crowd their labels into one another.
constexpr std::size_t kKindsPerPicture = 3;

enum class Shows { Axes, EndForces, JointLoads, MemberLoads, Diagram, Reactions, Settlements };

struct SignPicture {
  Shows What;
  std::size_t Group;  // of the member load kinds
  std::string Name, Caption;
};

// The type's first moment, or the axial force of a truss.
DiagramQuantity ShownQuantity(const StructTypeInfo& type) {
  const std::vector<DiagramQuantity> quantities = QuantitiesOfType(type.Code);
  for (DiagramQuantity q : {DiagramQuantity::Mz, DiagramQuantity::My})
    if (std::find(quantities.begin(), quantities.end(), q) != quantities.end()) return q;
  return DiagramQuantity::N;
}

std::vector<SignPicture> SignPictures(const StructTypeInfo& type) {
  const std::string name = std::string("pictures/signs-") + type.Code + "-", of = type.Name;
  std::vector<SignPicture> pictures{
      {Shows::Axes, 0, name + "axes.svg", of + ": global axes and the members' local axes"},
      {Shows::EndForces, 0, name + "end-forces.svg", of + ": positive member end forces"},
      {Shows::JointLoads, 0, name + "joint-loads.svg", of + ": positive joint loads"}};
  const std::size_t groups = LoadKindGroups(type, kKindsPerPicture).size();
  for (std::size_t g = 0; g < groups; ++g) {
    const std::string part = std::to_string(g + 1);
    pictures.push_back(
        {Shows::MemberLoads, g, name + "member-loads-" + part + ".svg",
         of + ": positive member loads" +
             (groups > 1 ? " (" + part + " of " + std::to_string(groups) + ")" : "")});
  }
  pictures.push_back(
      {Shows::Diagram, 0, name + "diagram.svg",
       of + ": deformed shape and " + QuantityName(type.Code, ShownQuantity(type)) + " diagram"});
  pictures.push_back({Shows::Reactions, 0, name + "reactions.svg", of + ": positive reactions"});
  pictures.push_back(
      {Shows::Settlements, 0, name + "settlements.svg", of + ": positive support displacements"});
  return pictures;
}

// The model drawn in the main window's way, with what `extra` adds over it.
template <typename Extra>
RecordingCanvas Drawn(const ModelStore& model, Messages& messages, Extra extra) {
  RecordingCanvas canvas;
  canvas.SetPictureWidth(kSignPictureWidth);
  DrawingView view;
  PlotStructure(model, StructureResults{}, canvas, FormId::mcas, messages, view);
  extra(canvas, view);
  return canvas;
}

// The legend of the positive end forces alone, on a picture just large enough for it.
RecordingCanvas EndForceLegend(const StructTypeInfo& type, Messages& messages) {
  const ModelStore model = SignModel(type, "end forces", {});
  // A view whose fitted square runs from 0 to 100 marks: the legend stands at its lower left.
  DrawingView view;
  view.ViewXMax = view.ViewYMax = 100, view.MarkUnit = 1, view.SymbolUnit = 100.0 / 75;
  const double u = view.SymbolUnit;
  RecordingCanvas canvas;
  canvas.SetPictureWidth(kSignPictureWidth);
  canvas.Cls();
  canvas.Scale(0, 19 * u, 34 * u, -1 * u);
  RunDrawing("Error in Local Axes", messages,
             [&] { DrawLocalAxes(model, canvas, view, LocalAxesParts::Legend); });
  return canvas;
}

// Narrows the canvas's scale to its strokes and a line of text around them, keeping its
// orientation: the square a drawing is fitted into leaves empty bands beside a long structure.
// The texts keep their pixel size, so they only stand further apart.
void CropToStrokes(RecordingCanvas& canvas) {
  const UserScale old = canvas.ScaleRect();
  double left = 1e300, right = -1e300, bottom = 1e300, top = -1e300;
  auto take = [&](double x, double y) {
    left = std::min(left, x), right = std::max(right, x);
    bottom = std::min(bottom, y), top = std::max(top, y);
  };
  for (const Stroke& s : canvas.Strokes()) {
    if (s.Shape == Stroke::Kind::Text) {
      take(s.X1, s.Y1 - canvas.TextHeight());
      take(s.X1 + canvas.TextWidth(s.Text), s.Y1);
    } else if (s.Shape == Stroke::Kind::Circle || s.Shape == Stroke::Kind::Arc) {
      take(s.X1 - s.Radius, s.Y1 - s.Radius);
      take(s.X1 + s.Radius, s.Y1 + s.Radius);
    } else {
      take(s.X1, s.Y1);
      take(s.X2, s.Y2);
    }
  }
  const double margin = canvas.TextHeight();
  if (left > right || old.Top < old.Bottom || old.Right < old.Left) return;
  canvas.Scale(std::max(old.Left, left - margin), std::min(old.Top, top + margin),
               std::min(old.Right, right + margin), std::max(old.Bottom, bottom - margin));
}

StructureResults Analysed(const ModelStore& model, Messages& messages) {
  const AnalysisRun run = CheckAndAnalyze(model, AvailableMemoryBytes(), false);
  if (run.Rejected) messages.ShowStop(model.ProjectTitle, run.RejectionText);
  return run.Results;
}

std::vector<RecordingCanvas> Drawings(const StructTypeInfo& type, const SignPicture& picture,
                                      Messages& messages) {
  SignModelLoads loads;
  switch (picture.What) {
    case Shows::Axes: {
      const ModelStore model = SignModel(type, "local axes", loads);
      return {Drawn(model, messages, [&](Canvas& c, auto& view) {
        DrawLocalAxes(model, c, view, LocalAxesParts::MembersAndGlobalAxes);
      })};
    }
    case Shows::EndForces: return {EndForceLegend(type, messages)};
    case Shows::JointLoads:
      loads.Members = 1, loads.JointLoad = true;
      return {Drawn(SignModel(type, "joint loads", loads), messages, [](Canvas&, auto&) {})};
    case Shows::MemberLoads:
      loads.MemberLoads = LoadKindGroups(type, kKindsPerPicture)[picture.Group];
      loads.Members = 1;
      return {Drawn(SignModel(type, "member loads", loads), messages, [](Canvas&, auto&) {})};
    case Shows::Reactions: {
      loads.Members = 1;
      const ModelStore model = SignModel(type, "reactions", loads);
      return {Drawn(model, messages,
                    [&](Canvas& c, auto& view) { DrawPositiveReactions(model, c, view); })};
    }
    case Shows::Diagram:
    case Shows::Settlements: {
      PictureContent content;
      content.Deformed = true;
      if (picture.What == Shows::Diagram) {
        const auto groups = LoadKindGroups(type, kKindsPerPicture);
        if (!groups.empty()) loads.MemberLoads = groups.front();
        loads.JointLoad = true;
        content.Diagram = ShownQuantity(type);
      } else {
        loads.Members = 1, loads.Settlement = true;
      }
      const ModelStore model =
          SignModel(type, picture.What == Shows::Diagram ? "diagram" : "settlements", loads);
      return StructurePictureDrawings(model, Analysed(model, messages), content, messages);
    }
  }
  return {};
}

// The sentences of a type, as the program says them elsewhere: the joint coordinates in order,
// the end forces in order, each member load kind's positive direction, the side the diagrams are
// drawn on, and what a positive reaction and settlement are.
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

}  // namespace

std::vector<SignDrawing> SignConventionDrawings(const StructTypeInfo& type, Messages& messages) {
  std::vector<SignDrawing> drawings;
  for (const SignPicture& picture : SignPictures(type)) {
    drawings.push_back({picture.Name, picture.Caption, Drawings(type, picture, messages)});
    for (RecordingCanvas& canvas : drawings.back().Drawings) CropToStrokes(canvas);
  }
  return drawings;
}

std::vector<HelpPicture> SignConventionPictures(const StructTypeInfo& type, Messages& messages) {
  std::vector<HelpPicture> pictures;
  for (const SignDrawing& drawing : SignConventionDrawings(type, messages)) {
    std::vector<const RecordingCanvas*> canvases;
    for (const RecordingCanvas& canvas : drawing.Drawings) canvases.push_back(&canvas);
    pictures.push_back(
        {drawing.Name, SvgPictureColumn(canvases, kSignPictureWidth, {drawing.Caption, {}})});
  }
  return pictures;
}

std::string SignConventionSection(const StructTypeInfo& type) {
  const std::vector<std::string> sentences = SignConventionSentences(type);
  const std::size_t kinds = AcceptedLoadKinds(type.Kind).size();
  // The sentences each picture shows, by their place in `sentences`.
  auto list = [&](std::size_t first, std::size_t count) {
    std::string text;
    for (std::size_t i = first; i < first + count; ++i) text += "- " + sentences[i] + "\n";
    return text + "\n";
  };
  std::string text = std::string("## ") + type.Name + "\n\n";
  for (const SignPicture& picture : SignPictures(type)) {
    text += "![" + picture.Caption + "](" + picture.Name + ")\n\n";
    if (picture.What == Shows::Axes) text += list(0, 1);
    if (picture.What == Shows::EndForces) text += list(1, 1);
    if (picture.What == Shows::MemberLoads) {
      const std::size_t first = picture.Group * kKindsPerPicture;
      text += list(2 + first, std::min(kKindsPerPicture, kinds - first));
    }
    if (picture.What == Shows::Diagram) text += list(2 + kinds, 1);
    if (picture.What == Shows::Settlements) text += list(3 + kinds, 1);
  }
  return text;
}

std::string SupportSignsSection(bool settlements) {
  std::string text;
  for (const StructTypeInfo& type : AllStructTypes())
    for (const SignPicture& picture : SignPictures(type))
      if (picture.What == (settlements ? Shows::Settlements : Shows::Reactions))
        text += std::string("### ") + type.Name + "\n\n![" + picture.Caption + "](" + picture.Name +
                ")\n\n" + SignConventionSentences(type).back() + "\n\n";
  return text;
}

}  // namespace stavelorn
