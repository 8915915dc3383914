// The one table of the project file's sections: for each, its label as the file writes it, the
// model's count field, the shape of its records and the quantity of every number in them. The
// file reader and writer, the unit conversion and the table checks all walk this table; a new
// kind of data is one more row.
//
// A record is a run of field groups. Each group names where its values live in the model (a
// table with a column per field, an array for a group of one field, or the project's unit
// names), how many fields a record holds of it for the project's type, and for numbers their
// quantity. The value type of the place says how a field is written: whole numbers plain,
// numbers in their shortest exact form, text quoted. A section whose records have no fields at
// all is a marker line: its number stands alone, no record follows it.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "model/ModelStore.h"
#include "model/StructType.h"
#include "model/SupportSprings.h"
#include "model/Units.h"

namespace stavelorn {

// The project's named units, one quoted name per field: force, length, temperature difference.
struct UnitNamesPlace {};

using FieldPlace =
    std::variant<Table<std::int16_t> ModelStore::*, Array<std::int16_t> ModelStore::*,
                 Table<float> ModelStore::*, Array<float> ModelStore::*, UnitNamesPlace>;

struct FieldGroup {
  FieldPlace Place;
  // How many fields of this group one record holds in this model; 0 leaves the group out.
  int (*Width)(const ModelStore& model);
  // The quantity of number field `column` (1-based within the group) of record `row`, or nothing
  // when no unit applies to it (angles of roll, a member load of an unknown kind). Null for
  // whole numbers and text.
  std::optional<Quantity> (*QuantityOf)(const StructTypeInfo& type, const ModelStore& model,
                                        int row, int column) = nullptr;
};

struct SectionRow {
  const char* Label;
  // The model's count of the section's records. Null for the one section of a single record
  // that is there whenever the project names its units.
  std::int16_t ModelStore::*Count;
  std::vector<FieldGroup> Fields;
  // Trusses are pinned at every joint, so the section means nothing to them and is not written.
  bool DroppedForTrusses = false;
  // A load section: each load case holds its own (ModelStore's load tables hold the current
  // case's).
  bool PerLoadCase = false;
  // What is wrong with a record once the section has entered the model beside the sections read
  // before it, for sections whose records must agree with others; null when nothing can be.
  std::optional<RecordProblem> (*RecordFault)(const ModelStore& model, int record) = nullptr;
};

// The sections of a project with load cases, which stand apart from the table below: "Load
// Cases",n and the n quoted names, before the first load section; "Load Case",c, a marker after
// which the load sections belong to case c; "Load Combinations",k and k records of a quoted name
// and one factor per case, after the last load section and before "Units".
inline constexpr char kLoadCasesLabel[] = "Load Cases";
inline constexpr char kLoadCaseLabel[] = "Load Case";
inline constexpr char kLoadCombinationsLabel[] = "Load Combinations";

// Every section in the order the writer writes them.
const std::vector<SectionRow>& ProjectSections();

// The row of this label, or nullptr for a label the program does not know.
const SectionRow* FindSection(const std::string& label);

// How many records of the section the model holds.
int RecordCount(const SectionRow& row, const ModelStore& model);

// The rows and columns the model holds at a place (an array has one column, the unit names one
// row of three).
struct PlaceShape {
  int Rows;
  int Columns;
};
PlaceShape ShapeHeld(const FieldPlace& place, const ModelStore& model);

// Unit name field `column` (1 force, 2 length, 3 temperature difference) of a system.
std::string UnitNameOf(const UnitSystem& units, int column);

// Names unit `column` of a system after a name read from a file; false, changing nothing, when
// the name is none of that column's units.
bool SetUnitNamed(UnitSystem& units, int column, const std::string& name);

// "N, kN, MN, lb, kip": the names unit field `column` accepts, for messages.
std::string AcceptedUnitNames(int column);

// Calls `visit` on every stored input value of the model that has a quantity, section by
// section and the load sections case by case, as far as the counts and the tables' shapes go.
void ForEachInputValue(ModelStore& model, const std::function<void(float&, Quantity)>& visit);

}  // namespace stavelorn
