#include "model/Variations.h"

#include <cmath>
#include <variant>

#include "model/NumberText.h"
#include "model/ProjectSections.h"

namespace stavelorn {

namespace {

// A field of a section's record: the group that holds it and its column within the group.
struct FieldSpot {
  const FieldGroup* Group;
  int Column;
};

std::optional<FieldSpot> SpotOf(const ModelStore& model, const SectionRow& row, int field) {
  int first = 1;
  for (const FieldGroup& group : row.Fields) {
    const int width = group.Width(model);
    if (field >= first && field < first + width) return FieldSpot{&group, field - first + 1};
    first += width;
  }
  return std::nullopt;
}

int FieldsPerRecord(const ModelStore& model, const SectionRow& row) {
  int fields = 0;
  for (const FieldGroup& group : row.Fields) fields += group.Width(model);
  return fields;
}

bool HoldsRealNumbers(const FieldPlace& place) {
  return std::holds_alternative<Table<float> ModelStore::*>(place) ||
         std::holds_alternative<Array<float> ModelStore::*>(place);
}

// The section of the data a variation names: a section of records, not "Units".
const SectionRow* DataSection(const Variation& variation) {
  const SectionRow* row = FindSection(variation.Section);
  return row && row->Count ? row : nullptr;
}

bool SameValue(const Variation& a, const Variation& b) {
  return a.Section == b.Section && a.Record == b.Record && a.Field == b.Field &&
         (a.Case == b.Case || !VariesLoadSection(a));
}

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

// The fault of a sound section's record and field, the variation's load case shown.
std::optional<RecordProblem> FieldProblem(const ModelStore& model, const SectionRow& row,
                                          const Variation& variation) {
  const int count = RecordCount(row, model);
  if (variation.Record < 1 || variation.Record > count)
    return RecordProblem{kVariationRecordField, "section " + Quoted(row.Label) + " has no record " +
                                                    std::to_string(variation.Record) +
                                                    " (it holds " + std::to_string(count) + ")"};
  const std::optional<FieldSpot> spot = SpotOf(model, row, variation.Field);
  if (!spot)
    return RecordProblem{kVariationFieldField,
                         "a record of section " + Quoted(row.Label) + " has no field " +
                             std::to_string(variation.Field) + " (it holds " +
                             std::to_string(FieldsPerRecord(model, row)) + ")"};
  if (!HoldsRealNumbers(spot->Group->Place))
    return RecordProblem{kVariationFieldField,
                         "field " + std::to_string(variation.Field) + " of section " +
                             Quoted(row.Label) +
                             " is not a real number (a joint, a member, a code or a name); only "
                             "real numbers vary"};
  return std::nullopt;
}

std::optional<RecordProblem> RangeProblem(const Variation& variation) {
  if (!(variation.Step > 0))
    return RecordProblem{kVariationStepField,
                         "the step is " + FormatShortest(variation.Step) + "; it must be above 0"};
  if (!(variation.High >= variation.Low))
    return RecordProblem{kVariationHighField,
                         "the highest value " + FormatShortest(variation.High) +
                             " is below the lowest, " + FormatShortest(variation.Low)};
  if (GridSize(variation) > kMostGridValues)
    return RecordProblem{kVariationStepField,
                         "the step " + FormatShortest(variation.Step) + " makes more than " +
                             std::to_string(kMostGridValues) + " values from lowest to highest"};
  return std::nullopt;
}

}  // namespace

bool VariesLoadSection(const Variation& variation) {
  const SectionRow* row = DataSection(variation);
  return row && row->PerLoadCase;
}

std::optional<RecordProblem> VariationProblem(ModelStore& model, std::size_t index) {
  const Variation& variation = model.Variations.at(index);
  const SectionRow* row = DataSection(variation);
  if (!row)
    return RecordProblem{kVariationSectionField,
                         Quoted(variation.Section) + " is not a section of the project's data"};
  const int cases = model.LoadCaseCount();
  if (!row->PerLoadCase && variation.Case != 1)
    return RecordProblem{kVariationCaseField, "section " + Quoted(row->Label) +
                                                  " is not a load section; only a load "
                                                  "section's records belong to a load case"};
  if (variation.Case < 1 || variation.Case > cases)
    return RecordProblem{kVariationCaseField, "the project has no load case " +
                                                  std::to_string(variation.Case) + " (it has " +
                                                  std::to_string(cases) + ")"};
  for (std::size_t earlier = 0; earlier < index; ++earlier)
    if (SameValue(model.Variations[earlier], variation))
      return RecordProblem{kVariationFieldField,
                           "the value is varied already by record " + std::to_string(earlier + 1)};
  const int shown = model.CurrentLoadCase;
  if (row->PerLoadCase) model.SelectLoadCase(variation.Case);
  std::optional<RecordProblem> problem = FieldProblem(model, *row, variation);
  model.SelectLoadCase(shown);
  return problem ? problem : RangeProblem(variation);
}

void WithVariedValue(ModelStore& model, const Variation& variation,
                     const std::function<void(VariedValue)>& use) {
  const SectionRow& row = *DataSection(variation);
  const int shown = model.CurrentLoadCase;
  if (row.PerLoadCase) model.SelectLoadCase(variation.Case);
  const FieldSpot spot = *SpotOf(model, row, variation.Field);
  std::optional<Quantity> quantity;
  if (spot.Group->QuantityOf)
    quantity = spot.Group->QuantityOf(model.TypeInfo(), model, variation.Record, spot.Column);
  if (auto* table = std::get_if<Table<float> ModelStore::*>(&spot.Group->Place))
    use({(model.**table)(variation.Record, spot.Column), quantity});
  else
    use({(model.*std::get<Array<float> ModelStore::*>(spot.Group->Place))(variation.Record),
         quantity});
  model.SelectLoadCase(shown);
}

std::int64_t GridSize(const Variation& variation) {
  if (!(variation.Step > 0) || !(variation.High >= variation.Low)) return 0;
  const double steps = (static_cast<double>(variation.High) - variation.Low) / variation.Step;
  // The three values are single precision: a high end meant to lie on the grid may fall a hair
  // short of it.
  const double slack = 1e-3 + steps * 1e-6;
  if (!(steps + slack < static_cast<double>(kMostGridValues) * 2)) return kMostGridValues * 2;
  return static_cast<std::int64_t>(std::floor(steps + slack)) + 1;
}

float GridValue(const Variation& variation, std::int64_t index) {
  return static_cast<float>(static_cast<double>(variation.Low) +
                            static_cast<double>(index) * variation.Step);
}

std::string VariedPlaceText(const Variation& variation) {
  std::string text = "field " + std::to_string(variation.Field) + " of record " +
                     std::to_string(variation.Record) + " of section " + Quoted(variation.Section);
  if (VariesLoadSection(variation) && variation.Case != 1)
    text += " in load case " + std::to_string(variation.Case);
  return text;
}

}  // namespace stavelorn
