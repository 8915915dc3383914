#include "editors/JointLoadEditor.h"

#include "editors/CellValues.h"
#include "model/LoadSymbols.h"
#include "model/ModelQuantities.h"

namespace stavelorn {

namespace {

// Whether joint coordinate `index` (0-based) exists in the current type.
bool HasCoordinate(const ModelStore& model, int index) {
  const StructTypeInfo* type = model.Type();
  return type && index >= 0 && index < type->CoordsPerJoint;
}

// A heading or dialog label with a load component's symbol after its words, before a label's
// colon: "X-Force" -> "X-Force (Fx)", "Moment  :" -> "Moment (Mz) :".
std::string WithSymbol(const std::string& text, const std::string& symbol) {
  const std::size_t colon = text.rfind(':');
  const std::size_t words =
      text.find_last_not_of(' ', colon == std::string::npos ? colon : colon - 1);
  const std::string named = text.substr(0, words + 1) + " (" + symbol + ")";
  return colon == std::string::npos ? named : named + " :";
}

}  // namespace

JointLoadEditor::JointLoadEditor(ModelStore& model, Messages& messages, JointData data)
    : KeyedListEditor(model, messages), data_(data) {
  window_.Id = Loads() ? FormId::JLoadA : FormId::JSettleA;
  window_.Caption = window_.Label2 = Loads() ? "Joint Loads" : "Support Displacements";
  window_.AddCaption = Loads() ? "Add Loads" : "Add Displacements";
  window_.CloseCaption =
      Loads() ? "End Of Loads Input. Close" : "End Of Support Displacement Input. Close";
  window_.Preview = true;
}

int JointLoadEditor::StoredCount() const {
  return Loads() ? model_.JointLoadCount : model_.SettlementCount;
}

std::string JointLoadEditor::ValueText(int k, bool label) const {
  const StructTypeInfo& type = model_.TypeInfo();
  const JointCoordNames& coordinate = CoordinateOf(type, k);
  if (!Loads())
    return WithUnit(label ? coordinate.SettlementLabel : coordinate.Settlement, model_.Units,
                    DisplacementQuantity(coordinate));
  // A load component is named by its symbol too, as the tooltip names it ("Fx = 10").
  return WithUnit(
      WithSymbol(label ? coordinate.LoadLabel : coordinate.Load, JointLoadSymbol(type, k)),
      model_.Units, ForceQuantity(coordinate));
}

ListEditor::ColumnTable JointLoadEditor::Columns() const {
  ColumnTable table{300, {{Loads() ? "Joint" : "Support", Loads() ? 500 : 800, 1}}};
  for (int col = 1; col <= model_.CoordsPerJoint; ++col)
    table.Columns.push_back({HasCoordinate(model_, col - 1) ? ValueText(col, false) : "",
                             Loads() ? 1200 : 1500, col + 1});
  return table;
}

void JointLoadEditor::FillRow(int item) {
  const Array<std::int16_t>& joints = Loads() ? model_.JointLoadJoints : model_.SettlementJoints;
  const Table<float>& values = Loads() ? model_.JointLoadValues : model_.SettlementValues;
  grid_.SetText(item, 0, std::to_string(joints(item)));
  for (int col = 1; col <= model_.CoordsPerJoint; ++col)
    grid_.SetText(item, col, CellText(values(item, col)));
}

ListEditor::PromptWords JointLoadEditor::Words() const {
  if (Loads()) return {"Loads", "Loads", "Loads on Joint", "loads on Joint", "loads on Joints"};
  return {"Settlements", "Settlements", "Settlements for Support", "settlements for Support",
          "settlements for Supports"};
}

void JointLoadEditor::DescribeDialog(EntryForm& dialog) const {
  dialog.Id = Loads() ? FormId::JLoadB : FormId::JSettleB;
  dialog.Caption = Loads() ? "Input & Edit: Joint Loads" : "Input & Edit: Support Displacements";
  dialog.NextCaption = Loads() ? "Next Joint" : "Next Support";
  dialog.Text[1] = {Loads() ? "Joint No.:" : "Support (Joint) No.:", "", true, false, {}};
  for (int k = 0; k < model_.CoordsPerJoint; ++k)
    if (HasCoordinate(model_, k))
      dialog.Text[static_cast<std::size_t>(k) + 2] = {ValueText(k + 1, true), "", true, false,
                                                      NumberRule(false)};
}

KeyedListEditor::Placement JointLoadEditor::Place(double key) {
  Placement place;
  for (int row = 1; row <= itemCount_; ++row) {
    if (Key(row) == key) {
      const std::string j = CellText(static_cast<float>(key));
      if (Loads())
        messages_.ShowStop("Joint Number Error", "Loads on Joint " + j + " are already defined !");
      else
        messages_.ShowStop("Support Number Error",
                           "Settlements for Support " + j + " are already defined !");
      return {row, true};
    }
    // Just after the last row that names a smaller joint.
    if (Key(row) < key) place.Row = row + 1;
  }
  return place;
}

void JointLoadEditor::ClearUnsupported(int row) {
  const int joint = CellInteger(grid_.Text(row, 0));
  int support = 0;
  for (int s = 1; s <= model_.SupportCount && support == 0; ++s)
    if (model_.Supports(s, 1) == joint) support = s;
  for (int k = 1; k <= model_.CoordsPerJoint; ++k) {
    const bool restrained = support > 0 && model_.Supports(support, k + 1) >= 1;
    // A load where the support holds the joint, a settlement where it does not, has no effect.
    const bool dropped = Loads() ? restrained : !restrained;
    if (dropped) grid_.SetText(row, k, "");
  }
}

void JointLoadEditor::Commit() {
  const int coords = model_.CoordsPerJoint;
  std::vector<int> kept;
  for (int row = 1; row <= itemCount_; ++row) {
    ClearUnsupported(row);
    bool any = false;
    for (int k = 1; k <= coords; ++k) any = any || !grid_.Text(row, k).empty();
    if (any) kept.push_back(row);
  }
  const int count = static_cast<int>(kept.size());
  std::int16_t& stored = Loads() ? model_.JointLoadCount : model_.SettlementCount;
  stored = static_cast<std::int16_t>(count);
  if (count < 1) return;
  Array<std::int16_t>& joints = Loads() ? model_.JointLoadJoints : model_.SettlementJoints;
  Table<float>& values = Loads() ? model_.JointLoadValues : model_.SettlementValues;
  joints.Redim(count);
  values.Redim(count, coords);
  for (int i = 1; i <= count; ++i) {
    const int row = kept[static_cast<std::size_t>(i - 1)];
    joints(i) = CellInteger(grid_.Text(row, 0));
    for (int k = 1; k <= coords; ++k) values(i, k) = CellSingle(grid_.Text(row, k));
  }
}

}  // namespace stavelorn
