#include "reports/ResultsReport.h"

#include <cmath>
#include <string_view>
#include <vector>

#include "model/ModelQuantities.h"
#include "model/StructType.h"
#include "reports/ReportLine.h"
#include "reports/ReportUnits.h"
#include "reports/ResultValues.h"

namespace stavelorn {

namespace {

// A results table of one type: its headings and how each row places its numbers. A row is
// `prefixBlanks`, the joint (or member) number under `numberMask`, `afterNumber` blanks, then per
// value `beforeValue` blanks, the value under `valueMask` and `afterValue` blanks.
struct TableLayout {
  int headingBlanks;
  std::vector<std::string_view> headings;
  int prefixBlanks;
  std::string_view numberMask;
  int afterNumber;
  int beforeValue;
  std::string_view valueMask;
  int afterValue;
};

TableLayout DisplacementLayout(StructKind type) {
  if (type == StructKind::PTruss)
    return {
        20,
        {"Joint No.   X Translation   Y Translation", "---------   -------------   -------------"},
        22,
        kMaskAt3,
        3,
        5,
        kMaskE4,
        0};
  if (type == StructKind::Beam)
    return {20,
            {"Joint No.   Y Translation   Rotation (Rad)",
             "---------   -------------   --------------"},
            22,
            kMaskAt3,
            3,
            5,
            kMaskE4,
            0};
  if (type == StructKind::STruss)
    return {13,
            {"Joint No.   X Translation   Y Translation   Z Translation",
             "---------   -------------   -------------   -------------"},
            15,
            kMaskAt3,
            3,
            5,
            kMaskE4,
            0};
  if (type == StructKind::PFrame)
    return {13,
            {"Joint No.   X Translation   Y Translation   Rotation (Rad)",
             "---------   -------------   -------------   --------------"},
            15,
            kMaskAt3,
            3,
            5,
            kMaskE4,
            0};
  if (type == StructKind::Grid)
    return {13,
            {"Joint No.   Y Translation    X Rotation      Z Rotation ",
             "---------   -------------   -------------   --------------"},
            15,
            kMaskAt3,
            3,
            5,
            kMaskE4,
            0};
  return {7,
          {"Jt.     X          Y          Z          X          Y          Z",
           "No.  Transl.    Transl.    Transl.    Rotation   Rotation   Rotation",
           "--- ---------- ---------- ---------- ---------- ---------- ----------"},
          7,
          kMaskAt2,
          1,
          1,
          kMaskE3,
          0};
}

TableLayout ReactionLayout(StructKind type) {
  if (type == StructKind::PTruss)
    return {
        23,      {"Joint No.     X Force       Y Force", "---------   -----------   -----------"},
        25,      kMaskAt3,
        7,       0,
        kMaskE4, 3};
  if (type == StructKind::Beam)
    return {
        23,      {"Joint No.     Y Force       Moment", "---------   -----------   -----------"},
        25,      kMaskAt3,
        7,       0,
        kMaskE4, 3};
  if (type == StructKind::STruss)
    return {16,
            {"Joint No.     X Force       Y Force       Z Force",
             "---------   -----------   -----------   -----------"},
            18,
            kMaskAt3,
            7,
            0,
            kMaskE4,
            3};
  if (type == StructKind::PFrame)
    return {16,
            {"Joint No.     X Force       Y Force       Moment",
             "---------   -----------   -----------   -----------"},
            18,
            kMaskAt3,
            7,
            0,
            kMaskE4,
            3};
  if (type == StructKind::Grid)
    return {16,
            {"Joint No.     Y Force      X Moment      Z Moment",
             "---------   -----------   -----------   -----------"},
            18,
            kMaskAt3,
            7,
            0,
            kMaskE4,
            3};
  return {7,
          {"Jt.     X          Y          Z          X          Y          Z",
           "No.   Force      Force      Force      Moment     Moment     Moment",
           "--- ---------- ---------- ---------- ---------- ---------- ----------"},
          7,
          kMaskAt2,
          2,
          0,
          kMaskE3,
          1};
}

// Member end forces of the four types with bending. A member prints two rows, beginning joint
// then end joint; the space frame puts the member number on a line of its own above them.
struct EndForceLayout {
  int headingBlanks;
  std::vector<std::string_view> headings;
  int firstRowBlanks;   // before the member number (not for the space frame)
  int secondRowBlanks;  // before the end joint
  std::string_view numberMask;
  std::string_view valueMask;
  int beforeValue;
};

EndForceLayout EndForceLayoutOf(StructKind type) {
  if (type == StructKind::Beam)
    return {
        20,
        {"Member   Joint   Shear Force     Moment", "------   -----   -----------   -----------"},
        21,
        30,
        kMaskAt3,
        kMaskE4,
        3};
  if (type == StructKind::SFrame)
    return {7,
            {"Jt.   Axial        y          z      Torsional      y          z",
             "No.   Force      Shear      Shear      Moment     Moment     Moment",
             "--- ---------- ---------- ---------- ---------- ---------- ----------"},
            0,
            7,
            kMaskAt2,
            kMaskE3,
            1};
  if (type == StructKind::Grid)
    return {13,
            {"Member   Joint      Shear       Torsional      Bending",
             "  No.     No.       Force         Moment        Moment",
             "------   -----   -----------   -----------   -----------"},
            14,
            23,
            kMaskAt3,
            kMaskE4,
            3};
  return {13,
          {"Member   Joint   Axial Force   Shear Force     Moment",
           "------   -----   -----------   -----------   -----------"},
          14,
          23,
          kMaskAt3,
          kMaskE4,
          3};
}

// The units of a table's columns: `numbered` columns of numbers (member, joint), then one per
// joint coordinate with the quantity `quantity` gives it.
std::vector<std::string> CoordinateUnits(const ModelStore& model, int numbered,
                                         Quantity (*quantity)(const JointCoordNames&)) {
  std::vector<std::string> units(static_cast<std::size_t>(numbered));
  for (int k = 1; k <= model.CoordsPerJoint; ++k)
    units.push_back(ReportUnit(model.Units, quantity(CoordinateOf(model.TypeInfo(), k))));
  return units;
}

void PrintDisplacements(const ModelStore& model, const StructureResults& results,
                        ReportPrinter& printer) {
  PrintTitleBlock(printer, 30, "Joint Displacements");
  TableLayout layout = DisplacementLayout(model.Kind());
  PrintHeading(printer, layout.headingBlanks, layout.headings,
               CoordinateUnits(model, 1, DisplacementQuantity));
  for (int j = 1; j <= model.JointCount; ++j) {
    ReportLine line;
    line.Blanks(layout.prefixBlanks).Number(j, layout.numberMask).Blanks(layout.afterNumber);
    for (int k = 1; k <= model.CoordsPerJoint; ++k)
      line.Blanks(layout.beforeValue)
          .Number(ShownDisplacement(model, results, j, k), layout.valueMask);
    Print(printer, line.Text(" "));
  }
}

void PrintAxialForces(const ModelStore& model, const StructureResults& results,
                      ReportPrinter& printer) {
  PrintTitleBlock(printer, 30, "Member Axial Forces");
  PrintHeading(printer, 26, {"Member    Axial Force (Qa)", "------    ----------------"},
               NumberedColumnUnits(model.Units, {Quantity::Force}));
  for (int m = 1; m <= model.MemberCount; ++m) {
    float q = results.MemberEndForces(m, 1);
    ReportLine line;
    line.Blanks(27).Number(m, kMaskAt3).Blanks(6).Number(std::fabs(q), kMaskE4);
    Print(printer, line.Text(q < 0 ? " (T)" : q > 0 ? " (C)" : " "));
  }
}

void PrintEndForces(const ModelStore& model, const StructureResults& results,
                    ReportPrinter& printer) {
  PrintTitleBlock(printer, 21, "Member End Forces in Local Coordinates");
  EndForceLayout layout = EndForceLayoutOf(model.Kind());
  // The space frame's rows name their joint alone; the others the member and the joint.
  PrintHeading(printer, layout.headingBlanks, layout.headings,
               CoordinateUnits(model, model.Kind() == StructKind::SFrame ? 1 : 2, ForceQuantity));
  const int n = model.CoordsPerJoint;
  const bool spaceFrame = model.Kind() == StructKind::SFrame;
  for (int m = 1; m <= model.MemberCount; ++m) {
    ReportLine first;
    if (spaceFrame) {
      Print(printer, ReportLine().Blanks(7).Text("Member:").Number(m, kMaskAt2));
      first.Blanks(7);
    } else {
      first.Blanks(layout.firstRowBlanks).Number(m, layout.numberMask).Blanks(6);
    }
    ReportLine second;
    second.Blanks(layout.secondRowBlanks);
    first.Number(model.MemberProps(m, 1), layout.numberMask).Blanks(1);
    second.Number(model.MemberProps(m, 2), layout.numberMask).Blanks(1);
    for (int k = 1; k <= n; ++k) {
      first.Blanks(layout.beforeValue).Number(results.MemberEndForces(m, k), layout.valueMask);
      second.Blanks(layout.beforeValue).Number(results.MemberEndForces(m, n + k), layout.valueMask);
    }
    Print(printer, first.Text(" "));
    Print(printer, second.Text(" "));
    PrintBlankLines(printer, 1);
  }
}

void PrintReactions(const ModelStore& model, const StructureResults& results,
                    ReportPrinter& printer) {
  PrintTitleBlock(printer, 31, "Support Reactions");
  TableLayout layout = ReactionLayout(model.Kind());
  PrintHeading(printer, layout.headingBlanks, layout.headings,
               CoordinateUnits(model, 1, ForceQuantity));
  for (int s = 1; s <= model.SupportCount; ++s) {
    int j = model.Supports(s, 1);
    ReportLine line;
    line.Blanks(layout.prefixBlanks).Number(j, layout.numberMask).Blanks(layout.afterNumber);
    for (int k = 1; k <= model.CoordsPerJoint; ++k)
      line.Number(ShownReaction(model, results, j, k), layout.valueMask).Blanks(layout.afterValue);
    Print(printer, line);
  }
}

}  // namespace

void PrintOutput(const ModelStore& model, const StructureResults& results, ReportPrinter& printer) {
  if (results.AnalysisStatus < 1) return;
  PageBreakRule(printer);
  Print(printer, 10,
        {std::string_view("************************************************************"),
         "*                   Results of Analysis                    *",
         "************************************************************"});
  // Only when the user chose it: the method as taught prints as it always has.
  if (results.SolvedInDoublePrecision)
    Print(printer, 26, std::string_view("Computed in double precision"));
  PrintBlankLines(printer, 2);

  PrintDisplacements(model, results, printer);
  PrintBlankLines(printer, 2);
  PageBreakRule(printer);

  if (IsTruss(model.StructType))
    PrintAxialForces(model, results, printer);
  else
    PrintEndForces(model, results, printer);
  PrintBlankLines(printer, 2);
  PageBreakRule(printer);

  PrintReactions(model, results, printer);
  PrintBlankLines(printer, 2);
  Print(printer, 16, "*************** End of Analysis ***************");
}

}  // namespace stavelorn
