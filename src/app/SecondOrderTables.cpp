#include "app/SecondOrderTables.h"

#include <cstdio>

#include "analysis/MemberDiagrams.h"
#include "model/ModelQuantities.h"
#include "model/NumberMask.h"
#include "model/StructType.h"
#include "reports/ReportLine.h"
#include "reports/ResultValues.h"

namespace stavelorn {

namespace {

AmplificationRow Row(int item, int joint, std::string name, float first, float second) {
  AmplificationRow row{item, joint, std::move(name), first, second, std::nullopt};
  if (first != 0) row.Amplification = static_cast<double>(second) / first;
  return row;
}

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? ""
                                    : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string Value(float value) {
  return Trimmed(FormatMasked(value, kMaskE4));
}

bool OfJoints(FormId form) {
  return form == FormId::Disp;
}

}  // namespace

std::vector<AmplificationRow> AmplificationRows(const ModelStore& model,
                                                const StructureResults& firstOrder,
                                                const StructureResults& secondOrder, FormId form) {
  const StructTypeInfo& type = model.TypeInfo();
  const int perJoint = type.CoordsPerJoint;
  std::vector<AmplificationRow> rows;
  if (OfJoints(form)) {
    for (int joint = 1; joint <= model.JointCount; ++joint)
      for (int k = 1; k <= perJoint; ++k) {
        const JointCoordNames& c = type.Coords[static_cast<std::size_t>(k - 1)];
        const float first = ShownDisplacement(model, firstOrder, joint, k);
        const float second = ShownDisplacement(model, secondOrder, joint, k);
        if (first == 0 && second == 0) continue;
        rows.push_back(Row(joint, 0,
                           WithUnit(Trimmed(c.Displacement), model.Units, DisplacementQuantity(c)),
                           first, second));
      }
    return rows;
  }
  for (int member = 1; member <= model.MemberCount; ++member)
    for (int end = 0; end < 2; ++end)
      for (int k = 1; k <= perJoint; ++k) {
        const int column = end * perJoint + k;
        rows.push_back(Row(member, model.MemberProps(member, end + 1),
                           WithUnit(type.EndForces.at(static_cast<std::size_t>(k - 1)), model.Units,
                                    EndForceQuantity(type, k)),
                           firstOrder.MemberEndForces(member, column),
                           secondOrder.MemberEndForces(member, column)));
      }
  return rows;
}

std::string AmplificationCell(const AmplificationRow& row) {
  if (!row.Amplification) return "-";
  char text[32];
  std::snprintf(text, sizeof text, "%.4f", *row.Amplification);
  return text;
}

ResultTable AmplificationTable(const ModelStore& model, const StructureResults& firstOrder,
                               const StructureResults& secondOrder, FormId form) {
  ResultTable table;
  table.Form = form;
  table.Label1 = model.ProjectTitle;
  const bool joints = OfJoints(form);
  table.Caption = joints ? "Joint Displacements, Second Order" : "Member End Forces, Second Order";
  table.Label2 = joints ? "Joint Displacements" : "Member Forces";
  table.Cells.push_back({joints ? "Joint" : "Member", joints ? "Displacement" : "Joint/Force",
                         "First Order", "Second Order", "Amplification"});
  for (const AmplificationRow& row : AmplificationRows(model, firstOrder, secondOrder, form))
    table.Cells.push_back({std::to_string(row.Item),
                           joints ? row.Name : std::to_string(row.Joint) + " " + row.Name,
                           Value(row.FirstOrder), Value(row.SecondOrder), AmplificationCell(row)});
  table.ColWidths = {800, 2000, 1500, 1500, 1400};
  table.HeadingHeight = 300;
  table.RowHeight = 300;
  table.Alignment = CellAlignment::General;
  table.Size = SizeResultGrid(table.ColWidths, table.Rows(), table.HeadingHeight, table.RowHeight);
  return table;
}

std::vector<std::string> SecondOrderDrawingChoices(const std::string& typeCode) {
  std::vector<std::string> choices{"Deformed shape"};
  for (DiagramQuantity q : QuantitiesOfType(typeCode))
    choices.push_back(QuantityName(typeCode, q) + "   " + QuantityCaption(q));
  return choices;
}

std::string SecondOrderRunText(const SecondOrderRun& run, const StabilityOptions& options) {
  return "Equilibrium of the deflected structure (P-Delta), " + PiecesText(options) + ", after " +
         std::to_string(run.Iterations) +
         " solutions with the axial forces of the one before; amplification = second order / "
         "first order.";
}

void PrintAmplification(const ModelStore& model, const StructureResults& firstOrder,
                        const StructureResults& secondOrder, const std::string& howItRan,
                        ReportPrinter& printer) {
  PrintBlankLines(printer, 2);
  PageBreakRule(printer);
  PrintTitleBlock(printer, 3, "Second-Order Analysis");
  PrintWrapped(printer, 3, howItRan);
  PrintBlankLines(printer, 1);
  for (FormId form : {FormId::Disp, FormId::MbForce}) {
    const bool joints = OfJoints(form);
    PageBreakRule(printer);
    Print(printer, 3, joints ? "Joint Displacements" : "Member End Forces, Local Coordinates");
    ReportLine heading;
    heading.Blanks(3).Text(joints ? "Joint" : "Member  Joint");
    heading.Column(20).Text(joints ? "Displacement" : "End Force");
    heading.Column(41)
        .Text("First Order")
        .Column(54)
        .Text("Second Order")
        .Column(69)
        .Text("Amplif.");
    Print(printer, heading);
    for (const AmplificationRow& row : AmplificationRows(model, firstOrder, secondOrder, form)) {
      ReportLine line;
      line.Column(4).PlainInteger(row.Item);
      if (!joints) line.Column(12).PlainInteger(row.Joint);
      line.Column(20).Text(row.Name);
      line.Column(41).Number(row.FirstOrder, kMaskE4);
      line.Column(55).Number(row.SecondOrder, kMaskE4);
      line.Column(69).Text(AmplificationCell(row));
      Print(printer, line);
    }
    PrintBlankLines(printer, 1);
  }
}

}  // namespace stavelorn
