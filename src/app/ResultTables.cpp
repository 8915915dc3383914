#include "app/ResultTables.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include "model/ModelQuantities.h"
#include "model/NumberMask.h"
#include "model/SupportAxes.h"
#include "reports/ResultValues.h"

namespace stavelorn {

namespace {

constexpr const char* kValueMask = " 0.0000E+00;-0.0000E+00";
constexpr int kMaxRowsWithoutScrolling = 15;
constexpr int kRowsShownWhenScrolling = 14;

using Strings = std::vector<std::string>;

std::string Value(float value) {
  return FormatMasked(value, kValueMask);
}

// The type's names of the `count` first items of `names`: its joint coordinates or end forces.
template <typename Item, std::size_t N, typename Name>
Strings Names(const std::array<Item, N>& items, int count, Name name) {
  Strings names;
  for (int k = 0; k < count && k < static_cast<int>(N); ++k)
    names.push_back(name(items[static_cast<std::size_t>(k)]));
  return names;
}

// Column widths: the first `lead` columns as given, then `count` columns of `width`.
std::vector<int> Widths(std::vector<int> lead, int count, int width) {
  lead.insert(lead.end(), static_cast<std::size_t>(count), width);
  return lead;
}

void FillDisp(const ModelStore& model, const StructureResults& results, ResultTable& table) {
  const int perJoint = model.CoordsPerJoint;
  table.Caption = "Joint Displacements";
  table.Label2 = "Joint Displacements";
  table.ShowsCanvas = model.Kind() != StructKind::SFrame;
  table.ColWidths = Widths({500}, perJoint, 1400);
  table.HeadingHeight = 400;
  table.RowHeight = 300;
  table.Alignment = CellAlignment::Centred;
  const StructTypeInfo& type = model.TypeInfo();
  Strings headings = Names(type.Coords, perJoint, [&](const JointCoordNames& c) {
    return WithUnit(c.Displacement, model.Units, DisplacementQuantity(c));
  });
  headings.insert(headings.begin(), "Joint");
  table.Cells.push_back(headings);
  for (int joint = 1; joint <= model.JointCount; ++joint) {
    Strings row{std::to_string(joint)};
    for (int k = 1; k <= perJoint; ++k)
      row.push_back(Value(ShownDisplacement(model, results, joint, k)));
    table.Cells.push_back(row);
  }
}

void FillMbForce(const ModelStore& model, const StructureResults& results, ResultTable& table) {
  const int perJoint = model.CoordsPerJoint;
  table.Caption = "Member End Forces in Local Coordinates";
  table.Label2 = "Member Forces";
  table.HeadingHeight = 500;
  table.RowHeight = 300;
  table.Alignment = CellAlignment::General;
  const StructTypeInfo& type = model.TypeInfo();
  if (type.Truss) {
    table.ColWidths = {800, 2000};
    table.Cells.push_back({"Member", WithUnit("Axial Force", model.Units, Quantity::Force)});
    for (int member = 1; member <= model.MemberCount; ++member) {
      // A truss member carries one force; its sign says tension or compression.
      const float q = results.MemberEndForces(member, 1);
      std::string force = Value(std::fabs(q));
      if (q > 0) force += " (C)";
      if (q < 0) force += " (T)";
      table.Cells.push_back({std::to_string(member), force});
    }
    return;
  }
  table.ColWidths = Widths({800, 800}, perJoint, 1200);
  Strings headings;
  for (int k = 1; k <= perJoint; ++k)
    headings.push_back(WithUnit(type.EndForces.at(static_cast<std::size_t>(k - 1)), model.Units,
                                EndForceQuantity(type, k)));
  headings.insert(headings.begin(), {"Member", "Joint"});
  table.Cells.push_back(headings);
  for (int member = 1; member <= model.MemberCount; ++member) {
    Strings begin{std::to_string(member), std::to_string(model.MemberProps(member, 1))};
    Strings end{"", std::to_string(model.MemberProps(member, 2))};
    for (int k = 1; k <= perJoint; ++k) {
      begin.push_back(Value(results.MemberEndForces(member, k)));
      end.push_back(Value(results.MemberEndForces(member, perJoint + k)));
    }
    table.Cells.push_back(begin);
    table.Cells.push_back(end);
  }
}

void FillReac(const ModelStore& model, const StructureResults& results, ResultTable& table) {
  const int perJoint = model.CoordsPerJoint;
  table.Caption = "Support Reactions";
  table.Label2 = "Support Reactions";
  table.ColWidths = Widths({500}, perJoint, 1300);
  table.HeadingHeight = 300;
  table.RowHeight = 300;
  table.Alignment = CellAlignment::Centred;
  const StructTypeInfo& type = model.TypeInfo();
  Strings headings = Names(type.Coords, perJoint, [&](const JointCoordNames& c) {
    return WithUnit(c.Reaction, model.Units, ForceQuantity(c));
  });
  headings.insert(headings.begin(), "Joint");
  table.Cells.push_back(headings);
  for (int support = 1; support <= model.SupportCount; ++support) {
    const int joint = model.Supports(support, 1);
    Strings row{std::to_string(joint)};
    for (int k = 1; k <= perJoint; ++k)
      row.push_back(Value(ShownReaction(model, results, joint, k)));
    table.Cells.push_back(row);
  }
}

// The padding blanks go: a spreadsheet reads " 1.2500E+01" as text but "1.2500E+01" as a number.
std::string TrimBlanks(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool ReadsAsNumber(const std::string& text) {
  const std::string trimmed = TrimBlanks(text);
  if (trimmed.empty()) return false;
  char* end = nullptr;
  std::strtod(trimmed.c_str(), &end);
  return end == trimmed.c_str() + trimmed.size();
}

}  // namespace

ResultGridSize SizeResultGrid(const std::vector<int>& colWidths, int rows, int headingHeight,
                              int rowHeight) {
  const int cols = static_cast<int>(colWidths.size());
  ResultGridSize size;
  size.Width = (cols + 1) * 28;
  for (int width : colWidths) size.Width += width;
  size.Height = (rows - 1) * rowHeight + headingHeight + (rows + 1) * 30;
  size.ShownDataRows = std::max(rows - 1, 0);
  if (rows > kMaxRowsWithoutScrolling) {
    size.Height = kRowsShownWhenScrolling * rowHeight + headingHeight + 480;
    size.Width += 255;
    size.VerticalScrollBar = true;
    size.ShownDataRows = kRowsShownWhenScrolling;
  }
  return size;
}

ResultTable BuildResultTable(const ModelStore& model, const StructureResults& results,
                             FormId form) {
  ResultTable table;
  table.Form = form;
  table.Label1 = model.ProjectTitle;
  switch (form) {
    case FormId::Disp: FillDisp(model, results, table); break;
    case FormId::MbForce: FillMbForce(model, results, table); break;
    case FormId::Reac: FillReac(model, results, table); break;
    default: throw std::invalid_argument("not a results window");
  }
  // A heading with its unit may take a second line.
  if (model.Units.Named) table.HeadingHeight = std::max(table.HeadingHeight, 500);
  table.Size = SizeResultGrid(table.ColWidths, table.Rows(), table.HeadingHeight, table.RowHeight);
  return table;
}

std::optional<ResultTable> SupportAxesReactionTable(const ModelStore& model,
                                                    const StructureResults& results) {
  if (!AnySupportTurned(model)) return std::nullopt;
  ResultTable table = BuildResultTable(model, results, FormId::Reac);
  table.Caption = table.Label2 = "Support Reactions in the Supports' Axes";
  table.Cells.resize(1);  // the headings
  for (int support = 1; support <= model.SupportCount; ++support) {
    const int joint = model.Supports(support, 1);
    if (!JointTurnOf(model, joint).Turned()) continue;
    Strings row{std::to_string(joint)};
    for (int k = 1; k <= model.CoordsPerJoint; ++k)
      row.push_back(Value(ShownReactionInSupportAxes(model, results, joint, k)));
    table.Cells.push_back(row);
  }
  table.Size = SizeResultGrid(table.ColWidths, table.Rows(), table.HeadingHeight, table.RowHeight);
  return table;
}

const char* ResultFormName(FormId form) {
  switch (form) {
    case FormId::Disp: return "Disp";
    case FormId::MbForce: return "MbForce";
    case FormId::Reac: return "Reac";
    default: return "";
  }
}

CellPlace PlaceOf(const ResultTable& table, int row, int col) {
  if (table.Alignment == CellAlignment::Centred) return CellPlace::Centre;
  const std::string& text =
      table.Cells.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(col));
  return ReadsAsNumber(text) ? CellPlace::Right : CellPlace::Left;
}

std::string CopyCells(const ResultTable& table, int top, int left, int bottom, int right,
                      const std::function<bool(int row, int col)>& selected) {
  std::string text;
  for (int row = top; row <= bottom; ++row) {
    for (int col = left; col <= right; ++col) {
      if (col > left) text += '\t';
      if (selected(row, col))
        text += TrimBlanks(
            table.Cells.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(col)));
    }
    text += '\n';
  }
  return text;
}

}  // namespace stavelorn
