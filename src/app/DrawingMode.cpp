#include "app/DrawingMode.h"

#include <cmath>

#include "analysis/AnalysisRun.h"
#include "model/Units.h"

namespace stavelorn {

namespace {

// Pixels the pointer moves with the button held before a press becomes a drag.
constexpr double kDragStart = 3;

}  // namespace

DrawingMode::DrawingMode(ModelStore& model, Messages& messages, std::function<void(Change)> record)
    : model_(model), messages_(messages), record_(std::move(record)), edits_(model, messages) {}

Snapped DrawingMode::Snap(const PointerPicture& picture, double px, double py, int ignored) {
  pointer_ = SnapPointer(model_, picture, px, py, Palette.Spacing, ignored);
  // A first joint waiting for the second pulls the pointer as a joint does.
  const PictureMapping map(picture.Visible, picture.Width, picture.Height);
  for (const Point& waiting : edits_.WaitingJoints())
    if (std::hypot(map.X(waiting.X) - px, map.Y(waiting.Y) - py) <= kGridReach)
      pointer_ = {SnapKind::Free, waiting, 0};
  return pointer_;
}

void DrawingMode::Changed(Change change) {
  // The live results first, so that the picture the change redraws shows them.
  Reanalyse();
  record_(change);
}

void DrawingMode::Press(const PointerPicture& picture, double px, double py) {
  const Snapped at = Snap(picture, px, py);
  const PictureMapping map(picture.Visible, picture.Width, picture.Height);
  const PickedItem under = picture.Strokes ? PickAt(*picture.Strokes, map, px, py) : PickedItem{};
  const Point user = UserPointAt(picture.Visible, picture.Width, picture.Height, px, py);
  switch (PressActionOf(Palette.Tool, under)) {
    case PressAction::Nothing: break;
    case PressAction::ClearSelection: selection_ = {}; break;
    case PressAction::SelectMember: selection_ = under; break;
    case PressAction::DragJoint:
      selection_ = under;
      dragged_ = under.Number;
      moved_ = false;
      break;
    case PressAction::AddJoint:
      if (edits_.AddJoints({at.At}) != 0) Changed(Change::Joints);
      break;
    case PressAction::StartMember: memberStart_ = at; break;
    case PressAction::SetSupport: {
      const std::vector<SupportKind>& kinds = SupportKinds(model_.Kind());
      if (Palette.Support >= 0 && Palette.Support < static_cast<int>(kinds.size()) &&
          edits_.SetSupport(under.Number, kinds[static_cast<std::size_t>(Palette.Support)].Flags))
        Changed(Change::Joints);
      break;
    }
    case PressAction::ToggleHinge:
      if (edits_.ToggleHinge(under.Number, NearerEnd(model_, under.Number, user)))
        Changed(Change::Members);
      break;
    case PressAction::AddJointLoad:
      PlaceLoad(JointLoadEntry(under.Number), Change::JointLoads);
      break;
    case PressAction::AddMemberLoad: {
      const double a = DistanceAlongMember(model_, under.Number, user, Palette.Spacing);
      PlaceLoad(MemberLoadEntry(under.Number, Palette.Load, a), Change::MemberLoads);
      break;
    }
  }
}

void DrawingMode::PlaceLoad(const LoadEntry& entry, Change change) {
  if (OpenLoadForm)
    OpenLoadForm(entry);
  else if (edits_.AddLoad(entry, LoadValues))
    Changed(change);
}

void DrawingMode::Move(const PointerPicture& picture, double px, double py) {
  const Snapped at = Snap(picture, px, py, dragged_);
  if (dragged_ == 0) return;
  if (!moved_) {
    const PictureMapping map(picture.Visible, picture.Width, picture.Height);
    const std::optional<Point> from = PlanePosition(model_, dragged_);
    if (from && std::hypot(map.X(from->X) - px, map.Y(from->Y) - py) < kDragStart) return;
    moved_ = true;
  }
  // The joint follows the pointer; the history takes the whole drag at the release.
  if (edits_.MoveJoint(dragged_, at.At)) Reanalyse();
}

void DrawingMode::Release(const PointerPicture& picture, double px, double py) {
  if (dragged_ != 0) {
    if (moved_) Changed(Change::Joints);
    dragged_ = 0;
    moved_ = false;
    return;
  }
  if (!memberStart_) return;
  const Snapped end = Snap(picture, px, py);
  FinishMember(end);
  memberStart_.reset();
}

void DrawingMode::FinishMember(const Snapped& end) {
  const Snapped& start = *memberStart_;
  const bool sameJoint =
      start.Kind == SnapKind::Joint && end.Kind == SnapKind::Joint && start.Joint == end.Joint;
  const bool samePoint = start.At.X == end.At.X && start.At.Y == end.At.Y;
  if (sameJoint || samePoint) return;
  // New joints for the ends that are no joint yet, in one step with the member. A joint waiting
  // for a second one becomes joint 1 as they are added.
  const std::vector<Point> waiting = edits_.WaitingJoints();
  const auto isWaiting = [&waiting](const Snapped& s) {
    return s.Kind != SnapKind::Joint && !waiting.empty() && s.At.X == waiting[0].X &&
           s.At.Y == waiting[0].Y;
  };
  std::vector<Point> fresh;
  const bool newStart = start.Kind != SnapKind::Joint && !isWaiting(start);
  const bool newEnd = end.Kind != SnapKind::Joint && !isWaiting(end);
  if (newStart) fresh.push_back(start.At);
  if (newEnd) fresh.push_back(end.At);
  int begin = isWaiting(start) ? 1 : start.Joint, finish = isWaiting(end) ? 1 : end.Joint;
  if (!fresh.empty()) {
    const int last = edits_.AddJoints(fresh);
    if (last == 0) return;
    // The joints just added are the last ones.
    const int first = last - static_cast<int>(fresh.size()) + 1;
    if (newStart) begin = first;
    if (newEnd) finish = newStart ? first + 1 : first;
  }
  edits_.AddMember(begin, finish, Palette.Material, Palette.Section);
  Changed(Change::Members);
}

PickedItem DrawingMode::Selection() const {
  const int count = selection_.What == PickedItem::Kind::Joint    ? model_.JointCount
                    : selection_.What == PickedItem::Kind::Member ? model_.MemberCount
                                                                  : 0;
  return selection_.Number >= 1 && selection_.Number <= count ? selection_ : PickedItem{};
}

void DrawingMode::DeleteSelection() {
  const PickedItem chosen = Selection();
  if (chosen.What == PickedItem::Kind::Member) {
    edits_.DeleteMember(chosen.Number);
    Changed(Change::Members);
  } else if (chosen.What == PickedItem::Kind::Joint) {
    int members = 0;
    for (int m = 1; m <= model_.MemberCount; ++m)
      if (model_.MemberProps(m, 1) == chosen.Number || model_.MemberProps(m, 2) == chosen.Number)
        ++members;
    const std::string joint = "Joint " + std::to_string(chosen.Number);
    const std::string text =
        members == 0 ? "Delete " + joint + " ?"
                     : "Delete " + joint + " and its " + std::to_string(members) +
                           (members == 1 ? " member" : " members") +
                           " ?\n\nNote: The following joints and members will be renumbered.";
    if (messages_.AskOkCancel("Delete Joint", text) != kAnswerOk) return;
    edits_.DeleteJoint(chosen.Number);
    Changed(Change::Joints);
  }
  selection_ = {};
}

void DrawingMode::CallOff() {
  memberStart_.reset();
  selection_ = {};
}

std::string DrawingMode::PointerText() const {
  const bool grid = model_.Kind() == StructKind::Grid;
  std::string text = WithUnit("X", model_.Units, Quantity::Length) + " = " +
                     CoordinateText(pointer_.At.X) + ", " +
                     WithUnit(grid ? "Z" : "Y", model_.Units, Quantity::Length) + " = " +
                     CoordinateText(pointer_.At.Y);
  switch (pointer_.Kind) {
    case SnapKind::Joint: return text + ", Joint " + std::to_string(pointer_.Joint);
    case SnapKind::GridPoint: return text + ", grid point";
    case SnapKind::Free: return text;
  }
  return text;
}

std::optional<std::pair<Point, Point>> DrawingMode::MemberBeingDrawn() const {
  if (!memberStart_) return std::nullopt;
  return std::make_pair(memberStart_->At, pointer_.At);
}

void DrawingMode::Reanalyse() {
  live_ = StructureResults{};
  liveRejection_.clear();
  if (!Palette.Live || model_.JointCount == 0) return;
  const AnalysisRun run =
      CheckAndAnalyze(model_, AvailableMemoryBytes(), false, AnalysisPrecision::Double);
  live_ = run.Results;
  liveRejection_ = run.RejectionText;
}

std::string DrawingMode::LiveStatus() const {
  if (!Palette.Live) return "";
  if (!liveRejection_.empty()) return "live: " + liveRejection_;
  if (live_.AnalysisStatus == kAnalysisComplete) return "live, double precision";
  if (!live_.MechanismMode.empty()) return "live, double precision: unstable, its mechanism shown";
  return "live, double precision: no solution";
}

std::string DrawingMode::StatusText() const {
  std::string text = PointerText();
  if (const std::string live = LiveStatus(); !live.empty()) text += "   " + live;
  return text;
}

}  // namespace stavelorn
