#include "web/PageDrawing.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "app/DrawingOverlay.h"
#include "graphics/SvgPicture.h"
#include "model/Units.h"
#include "reports/JsonText.h"
#include "ui/AccessibleNames.h"
#include "ui/ConsoleMessages.h"
#include "web/PageJson.h"

namespace stavelorn {

namespace {

std::string Bool(bool value) {
  return value ? "true" : "false";
}

std::string Number(double value) {
  return JsonNumber(value);
}

// A control's words as the table gives them, the caption without its access key's mark, as the
// first members of its JSON object.
std::string ControlMembers(DrawingControl control) {
  const DrawingControlInfo& info = DrawingControlOf(control);
  return "\"caption\": " + JsonString(SpokenCaption(info.Caption)) +
         ", \"name\": " + JsonString(info.Name) + ", \"spoken\": " + JsonString(info.Spoken) +
         ", \"key\": " + JsonString(info.Key) + ", \"tip\": " + JsonString(info.Tip);
}

std::string ControlJson(DrawingControl control, const std::string& more = "") {
  return "{" + ControlMembers(control) + more + "}";
}

int Clamped(double value, int low, int high) {
  if (!std::isfinite(value)) return low;
  return static_cast<int>(
      std::clamp(std::round(value), static_cast<double>(low), static_cast<double>(high)));
}

const char* SnapKindName(SnapKind kind) {
  switch (kind) {
    case SnapKind::Joint: return "joint";
    case SnapKind::GridPoint: return "grid";
    case SnapKind::Free: return "free";
  }
  return "free";
}

}  // namespace

PageDrawing::PageDrawing(PageSession& page, PageEditing& editing)
    : page_(page), editing_(editing), mode_(page.model_, messages_, [this](Change change) {
        // The results shown no longer describe the data, as after a list's change.
        page_.session_.DropAnalysis();
        page_.session_.RecordChange(change);
        editing_.Follow();
        changed_ = true;
      }) {
  mode_.OpenLoadForm = [this](const LoadEntry& entry) {
    editing_.OpenEntry(entry);
    changed_ = true;
  };
}

std::string PageDrawing::Palette() const {
  const StructKind kind = page_.model_.Kind();
  const DrawingPalette& palette = mode_.Palette;
  const std::string tools = JsonArray(DrawingTools(), [&](const DrawingToolInfo& tool) {
    return "{\"tool\": " + std::to_string(static_cast<int>(tool.Tool)) +
           ", \"caption\": " + JsonString(tool.Caption) + ", \"name\": " + JsonString(tool.Name) +
           ", \"key\": " + JsonString(tool.Key) + ", \"tip\": " + JsonString(tool.Tip) +
           ", \"enabled\": " + Bool(ToolApplies(tool.Tool, kind)) +
           ", \"chosen\": " + Bool(tool.Tool == palette.Tool) + "}";
  });
  const std::string supports = JsonArray(
      SupportKinds(kind), [](const SupportKind& support) { return JsonString(support.Name); });
  const std::vector<const MemberLoadKindInfo*> loadKinds = AcceptedLoadKinds(kind);
  const std::string loads = JsonArray(
      loadKinds, [](const MemberLoadKindInfo* load) { return JsonString(load->LongName); });
  const auto chosenLoad = std::find_if(loadKinds.begin(), loadKinds.end(),
                                       [&](auto* load) { return load->Kind == palette.Load; });
  const auto count = [](int most) { return std::to_string(std::max(1, most)); };
  return "{\"mode\": " + ControlJson(DrawingControl::Mode) +
         ", \"status\": " + ControlJson(DrawingControl::Status) +
         ", \"delete\": " + ControlJson(DrawingControl::Delete) +
         ", \"callOff\": " + ControlJson(DrawingControl::CallOff) + ", \"tools\": " + tools +
         ", \"supports\": " +
         ControlJson(DrawingControl::SupportKind,
                     ", \"enabled\": " + Bool(ToolApplies(DrawTool::Support, kind)) +
                         ", \"options\": " + supports +
                         ", \"selected\": " + std::to_string(palette.Support)) +
         ", \"loads\": " +
         ControlJson(DrawingControl::LoadKind,
                     ", \"enabled\": " + Bool(ToolApplies(DrawTool::MemberLoad, kind)) +
                         ", \"options\": " + loads + ", \"selected\": " +
                         std::to_string(
                             chosenLoad == loadKinds.end() ? 0 : chosenLoad - loadKinds.begin())) +
         ", \"material\": " +
         ControlJson(DrawingControl::Material,
                     ", \"value\": " + std::to_string(palette.Material) +
                         ", \"most\": " + count(page_.model_.MaterialCount)) +
         ", \"section\": " +
         ControlJson(DrawingControl::Section,
                     ", \"value\": " + std::to_string(palette.Section) +
                         ", \"most\": " + count(page_.model_.SectionCount)) +
         ", \"grid\": " +
         ControlJson(DrawingControl::Grid,
                     ", \"value\": " + Number(palette.Spacing) + ", \"unit\": " +
                         JsonString(UnitText(page_.model_.Units, Quantity::Length))) +
         ", \"live\": " + ControlJson(DrawingControl::Live, ", \"on\": " + Bool(palette.Live)) +
         ", \"drawable\": " + Bool(DrawableType(kind)) +
         ", \"hint\": " + JsonString(DrawingHint(kind)) + "}";
}

std::string PageDrawing::SetActive(bool active) {
  active_ = active;
  FitPalette();
  mode_.CallOff();
  return Answer(true, true);
}

void PageDrawing::FitPalette() {
  const StructKind kind = page_.model_.Kind();
  DrawingPalette& palette = mode_.Palette;
  if (!ToolApplies(palette.Tool, kind)) palette.Tool = DrawTool::Select;
  palette.Support =
      std::max(0, std::min(palette.Support, static_cast<int>(SupportKinds(kind).size()) - 1));
}

std::string PageDrawing::Choose(const std::string& control, double value) {
  const StructKind kind = page_.model_.Kind();
  DrawingPalette& palette = mode_.Palette;
  if (control == "tool") {
    for (const DrawingToolInfo& tool : DrawingTools())
      if (static_cast<double>(tool.Tool) == value) palette.Tool = tool.Tool;
  } else if (control == "support") {
    palette.Support = Clamped(value, 0, static_cast<int>(SupportKinds(kind).size()) - 1);
  } else if (control == "load") {
    const std::vector<const MemberLoadKindInfo*> loads = AcceptedLoadKinds(kind);
    if (!loads.empty())
      palette.Load =
          loads[static_cast<std::size_t>(Clamped(value, 0, static_cast<int>(loads.size()) - 1))]
              ->Kind;
  } else if (control == "material") {
    palette.Material = Clamped(value, 1, std::max(1, static_cast<int>(page_.model_.MaterialCount)));
  } else if (control == "section") {
    palette.Section = Clamped(value, 1, std::max(1, static_cast<int>(page_.model_.SectionCount)));
  } else if (control == "grid") {
    palette.Spacing = std::isfinite(value) ? std::clamp(value, 0.0, kMostGridSpacing) : 0;
  } else if (control == "live") {
    // The picture drawn for the answer analyses the structure when Live is on.
    palette.Live = value != 0;
  }
  FitPalette();
  return Answer(true, true);
}

PointerPicture PageDrawing::PictureAt(double zoom) const {
  const double pixels = kDrawingPictureUnits * zoom;
  return {&strokes_, sheet_, pixels, pixels};
}

std::string PageDrawing::Pointer(const std::string& phase, double x, double y, double zoom) {
  if (!active_ || !page_.session_.Open() || !DrawableType(page_.model_.Kind()) ||
      editing_.EntryOpen() || !std::isfinite(x) || !std::isfinite(y) || !std::isfinite(zoom) ||
      zoom <= 0)
    return Answer(false, false);
  const PointerPicture picture = PictureAt(zoom);
  const double px = x * zoom, py = y * zoom;
  bool redraw = true;
  if (phase == "press") {
    mode_.Press(picture, px, py);
  } else if (phase == "release") {
    mode_.Release(picture, px, py);
  } else {
    mode_.Move(picture, px, py);
    redraw = mode_.Dragging();
  }
  hovered_ = PickAt(strokes_, PictureMapping(sheet_, picture.Width, picture.Height), px, py);
  return Answer(redraw, false);
}

std::string PageDrawing::Key(const std::string& key, bool confirmed) {
  if (!active_ || editing_.EntryOpen()) return Answer(false, false);
  if (key == "delete") {
    messages_.Confirm(confirmed);
    mode_.DeleteSelection();
    messages_.Confirm(false);
  } else if (key == "callOff") {
    mode_.CallOff();
  }
  return Answer(true, false);
}

std::string PageDrawing::Picture() {
  return Answer(true, false);
}

std::string PageDrawing::Answer(bool withSvg, bool withPalette) {
  if (!active_ || !page_.session_.Open()) {
    changed_ = false;
    return withPalette ? "{\"palette\": " + Palette() + "}" : "";
  }
  std::string json = "{";
  if (withSvg) {
    RecordingCanvas canvas;
    canvas.SetPictureWidth(kDrawingPictureUnits);
    DrawingView view;
    view.Multiplier = page_.session_.Multiplier().Value();
    std::ostringstream failures;
    ConsoleMessages quiet(failures);
    DrawStructureBeingDrawn(canvas, page_.model_, mode_, page_.session_.ShownResults(), view,
                            quiet);
    // The sheet stays put under a dragged joint, so that the picture does not rescale.
    if (!mode_.Dragging()) sheet_ = DrawingSheet(page_.model_, mode_);
    DrawDrawingMarks(canvas, sheet_, page_.model_, mode_);
    strokes_ = canvas.Strokes();
    json += "\"svg\": " +
            JsonString(SvgPicture(canvas, sheet_, kDrawingPictureUnits, kDrawingPictureUnits)) +
            ", ";
  }
  if (withPalette) json += "\"palette\": " + Palette() + ", ";
  json += "\"overlay\": " + OverlayJson() + ", \"status\": " + JsonString(mode_.StatusText()) +
          ", \"changed\": " + Bool(changed_) + ", \"question\": " + messages_.TakeQuestionJson() +
          ", \"messages\": " + messages_.TakeMessagesJson() + "}";
  changed_ = false;
  return json;
}

std::string PageDrawing::OverlayJson() const {
  const PictureMapping map(sheet_, kDrawingPictureUnits, kDrawingPictureUnits);
  const auto at = [&map](const char* x, const char* y, Point p) {
    return "\"" + std::string(x) + "\": " + Number(map.X(p.X)) + ", \"" + y +
           "\": " + Number(map.Y(p.Y));
  };
  const Snapped& pointer = mode_.Pointer();
  std::string snap =
      "{" + at("x", "y", pointer.At) + ", \"kind\": \"" + SnapKindName(pointer.Kind) + "\"}";
  std::string band = "null";
  if (const auto line = mode_.MemberBeingDrawn())
    band = "{" + at("x1", "y1", line->first) + ", " + at("x2", "y2", line->second) + "}";
  std::string hover = "null";
  const ModelStore& model = page_.model_;
  std::optional<Point> from, to;
  if (hovered_.What == PickedItem::Kind::Joint) {
    from = to = PlanePosition(model, hovered_.Number);
  } else if (hovered_.What == PickedItem::Kind::Member && hovered_.Number <= model.MemberCount) {
    from = PlanePosition(model, model.MemberProps(hovered_.Number, 1));
    to = PlanePosition(model, model.MemberProps(hovered_.Number, 2));
  }
  if (from && to)
    hover = "{\"kind\": \"" +
            std::string(hovered_.What == PickedItem::Kind::Joint ? "joint" : "member") +
            "\", \"number\": " + std::to_string(hovered_.Number) + ", " + at("x1", "y1", *from) +
            ", " + at("x2", "y2", *to) + "}";
  return "{\"snap\": " + snap + ", \"band\": " + band + ", \"hover\": " + hover + "}";
}

}  // namespace stavelorn
