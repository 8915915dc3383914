#include "web/PageInfluence.h"

#include "graphics/InfluenceDrawing.h"
#include "graphics/SvgPicture.h"
#include "model/NumberText.h"
#include "reports/JsonText.h"
#include "web/PageJson.h"

namespace stavelorn {

namespace {

// The window's picture box, at least as the desktop sizes it.
constexpr int kInfluencePictureWidth = 640;
constexpr int kInfluencePictureHeight = 520;

}  // namespace

PageInfluence::PageInfluence(PageSession& page) : page_(page) {}

std::string PageInfluence::Command() {
  return CaptionJson(kInfluenceMenuCaption);
}

std::string PageInfluence::Open() {
  open_ = page_.session_.ResultsShown();
  if (!open_) return "";
  choice_ = FirstInfluenceChoice(page_.model_, page_.session_.Results());
  Recompute();
  return State();
}

void PageInfluence::Recompute() {
  const InfluenceResult result =
      ComputeInfluenceLine(page_.model_, page_.session_.Results(), choice_.Quantity, choice_.Path);
  problem_ = result.Problem;
  if (!problem_.empty()) return;
  line_ = result.Line;
  hasLine_ = true;
  page_.session_.KeepInfluenceLine(line_);
}

std::string PageInfluence::State() const {
  if (!Showing()) return "";
  const ModelStore& model = page_.model_;
  const InfluenceQuantity& q = choice_.Quantity;
  std::string svg;
  std::string table = "null";
  std::string principle;
  if (hasLine_) {
    RecordingCanvas picture;
    DrawInfluenceLine(model, line_, picture);
    svg = SvgPicture(picture, kInfluencePictureWidth, kInfluencePictureHeight);
    table = ResultTableJson(BuildInfluenceTable(model, line_));
    principle = InfluencePrinciple(model, line_.Quantity);
  }
  return "{\"title\": " + JsonString(kInfluenceTitle) +
         ", \"labels\": {\"quantity\": " + CaptionJson(kInfluenceQuantityLabel) +
         ", \"section\": " + CaptionJson(kInfluenceSectionLabel) +
         ", \"path\": " + CaptionJson(kInfluencePathLabel) +
         ", \"pickPath\": " + CaptionJson(kInfluencePickPathButton) +
         ", \"defaultPath\": " + CaptionJson(kInfluenceDefaultPathButton) + "}, \"kinds\": " +
         JsonArray(InfluenceKinds(),
                   [](const InfluenceKindInfo& kind) { return JsonString(kind.Caption); }) +
         ", \"kind\": " + std::to_string(InfluenceKindIndex(q.Kind)) +
         ", \"itemLabel\": " + JsonString(InfluenceItemLabel(q.Kind)) +
         ", \"items\": " + std::to_string(InfluenceItemCount(model, q.Kind)) +
         ", \"item\": " + std::to_string(q.Item) +
         ", \"components\": " + JsonArray(InfluenceComponents(model, q.Kind), JsonString) +
         ", \"component\": " + std::to_string(InfluenceComponentIndex(model, q)) +
         ", \"sectionShown\": " + JsonBool(q.Kind == InfluenceKind::Internal) +
         ", \"section\": " + JsonString(FormatShortest(static_cast<float>(q.X))) +
         ", \"path\": " + JsonString(InfluencePathText(model, choice_, line_)) +
         ", \"pickingPath\": " + JsonBool(choice_.PickingPath) +
         ", \"problem\": " + JsonString(problem_) + ", \"principle\": " + JsonString(principle) +
         ", \"svg\": " + JsonString(svg) + ", \"table\": " + table + "}";
}

std::string PageInfluence::ChooseKind(int kind) {
  if (!Showing() || kind < 0 || kind >= static_cast<int>(InfluenceKinds().size())) return State();
  ChooseInfluenceKind(page_.model_, choice_, InfluenceKinds()[static_cast<std::size_t>(kind)].Kind);
  Recompute();
  return State();
}

std::string PageInfluence::ChooseControls(int item, int component, const std::string& section) {
  if (!Showing()) return "";
  ChooseInfluenceControls(page_.model_, choice_, item, component, section);
  Recompute();
  return State();
}

std::string PageInfluence::PickPath(bool on) {
  choice_.PickingPath = on;
  return State();
}

std::string PageInfluence::DefaultPath() {
  if (!Showing()) return "";
  choice_.Path.clear();
  choice_.PickingPath = false;
  Recompute();
  return State();
}

std::string PageInfluence::ClickJoint(int joint) {
  if (!Showing()) return "";
  if (!choice_.PickingPath && PickJoint(page_.model_, page_.session_.Results(), choice_, joint))
    Recompute();
  return State();
}

std::string PageInfluence::ClickMember(int member, double fraction) {
  if (!Showing()) return "";
  if (PickMemberAt(page_.model_, choice_, member, fraction)) Recompute();
  return State();
}

}  // namespace stavelorn
