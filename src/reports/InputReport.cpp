#include "reports/InputReport.h"

#include <string>

#include "model/ModelQuantities.h"
#include "model/StructType.h"
#include "reports/InputSections.h"
#include "reports/ReportUnits.h"

namespace stavelorn {

namespace {

void PrintBannerAndGeneralData(const ModelStore& model, ReportPrinter& printer) {
  Print(printer, 26,
        {"****************************", "*    Computer Software     *",
         "*           for            *", "*        STAVELORN         *",
         "*      Tessel Edition      *", "*           by             *",
         "*     Orvel Dunverake      *", "****************************"});
  PrintBlankLines(printer, 2);
  PrintTitleBlock(printer, 28, "General Structural Data");
  Print(printer, ReportLine().Blanks(10).Text("Project Title : ").Text(model.ProjectTitle));
  Print(printer, ReportLine()
                     .Blanks(10)
                     .Text("Structure Type : ")
                     .Text(model.Type() ? model.Type()->Name : model.StructType));
  if (model.Units.Named) {
    const UnitSystem& units = model.Units;
    Print(printer, ReportLine()
                       .Blanks(10)
                       .Text("Units : ")
                       .Text(InfoOf(units.Force).Name)
                       .Text(" (force), ")
                       .Text(InfoOf(units.Length).Name)
                       .Text(" (length), ")
                       .Text(InfoOf(units.Temperature).Name)
                       .Text(" (temperature difference)"));
  }
  Print(printer, ReportLine().Blanks(10).Text("Number of Joints :").PlainInteger(model.JointCount));
  Print(printer,
        ReportLine().Blanks(10).Text("Number of Members :").PlainInteger(model.MemberCount));
  Print(printer, ReportLine()
                     .Blanks(10)
                     .Text("Number of Material Property Sets (E) :")
                     .PlainInteger(model.MaterialCount));
  Print(printer, ReportLine()
                     .Blanks(10)
                     .Text("Number of Cross-Sectional Property Sets :")
                     .PlainInteger(model.SectionCount));
  PrintBlankLines(printer, 2);
}

// A section that is not the first begins with the page-break rule; every section ends with 2
// blank lines.
void PrintSection(const ModelStore& model, ReportPrinter& printer,
                  void (*section)(const ModelStore&, ReportPrinter&), bool pageBreakRule = true) {
  if (pageBreakRule) PageBreakRule(printer);
  section(model, printer);
  PrintBlankLines(printer, 2);
}

void PrintJointCoordinates(const ModelStore& model, ReportPrinter& printer) {
  PrintTitleBlock(printer, 30, "Joint Coordinates");
  const StructKind type = model.Kind();
  const std::vector<std::string> units = NumberedColumnUnits(
      model.Units,
      std::vector<Quantity>(static_cast<std::size_t>(model.CoordColumns), Quantity::Length));
  int prefix = 0;
  std::vector<int> gaps;
  if (type == StructKind::Beam) {
    PrintHeading(printer, 26, {"Joint No.     X Coordinate", "---------     ------------"}, units);
    prefix = 27, gaps = {10};
  } else if (type == StructKind::STruss || type == StructKind::SFrame) {
    PrintHeading(printer, 10,
                 {"Joint No.     X Coordinate     Y Coordinate     Z Coordinate",
                  "---------     ------------     ------------     ------------"},
                 units);
    prefix = 11, gaps = {10, 6, 6};
  } else {
    PrintHeading(printer, 18,
                 {type == StructKind::Grid ? "Joint No.     X Coordinate     Z Coordinate"
                                           : "Joint No.     X Coordinate     Y Coordinate",
                  "---------     ------------     ------------"},
                 units);
    prefix = 21, gaps = {8, 6};
  }
  for (int j = 1; j <= model.JointCount; ++j) {
    ReportLine line;
    line.Blanks(prefix).Number(j, kMaskAt3);
    Print(printer,
          AppendValues(line, gaps, RowValues(model.JointCoords, j, static_cast<int>(gaps.size()))));
  }
}

void PrintSupports(const ModelStore& model, ReportPrinter& printer) {
  PrintTitleBlock(printer, 35, "Supports");
  const StructKind type = model.Kind();
  int prefix = 11;
  std::vector<int> columns = {27, 41, 55};
  if (type == StructKind::PTruss) {
    Print(printer, 22,
          {"Joint No.   X Restraint   Y Restraint", "---------   -----------   -----------"});
    prefix = 24, columns = {39, 53};
  } else if (type == StructKind::Beam) {
    Print(printer, 18,
          {"Joint No.   Y Restraint   Rotational Restraint",
           "---------   -----------   --------------------"});
    prefix = 20, columns = {35, 53};
  } else if (type == StructKind::STruss) {
    Print(printer, 10,
          {"Joint No.   X Restraint   Y Restraint   Z Restraint",
           "---------   -----------   -----------   -----------"});
  } else if (type == StructKind::PFrame) {
    Print(printer, 10,
          {"Joint No.   X Restraint   Y Restraint   Rotational Restraint",
           "---------   -----------   -----------   --------------------"});
  } else if (type == StructKind::Grid) {
    Print(printer, 10,
          {"Joint No.   Y Restraint   X Rot.Rest.   Z Rot.Rest.",
           "---------   -----------   -----------   -----------"});
  } else {
    Print(printer, 10,
          {"Joint   X Rst.   Y Rst.   Z Rst.   XR Rst.   YR Rst.   ZR Rst.",
           "-----   ------   ------   ------   -------   -------   -------"});
    columns = {20, 29, 38, 47, 57, 67};
  }
  for (int s = 1; s <= model.SupportCount; ++s) {
    ReportLine line;
    line.Blanks(prefix).Number(model.Supports(s, 1), kMaskAt3);
    for (std::size_t k = 0; k < columns.size(); ++k)
      line.Column(columns[k]).Text(model.Supports(s, static_cast<int>(k) + 2) >= 1 ? "Yes" : "No");
    Print(printer, line);
  }
}

void PrintMaterials(const ModelStore& model, ReportPrinter& printer) {
  PrintTitleBlock(printer, 30, "Material Properties");
  int prefix = 16;
  std::vector<int> gaps = {10, 10};
  const int columns = model.MaterialColumns();
  std::vector<Quantity> quantities;
  for (int c = 1; c <= columns; ++c) quantities.push_back(MaterialQuantity(columns, c));
  const std::vector<std::string> units = NumberedColumnUnits(model.Units, quantities);
  if (columns == 3) {  // with a shear modulus
    PrintHeading(printer, 10,
                 {"Material       Modulus of          Shear        Co-efficient",
                  "   No.       Elasticity (E)     Modulus (G)      of Thermal",
                  "                                                 Expansion",
                  "--------     --------------     -----------     ------------"},
                 units);
    prefix = 11, gaps = {10, 7, 5};
  } else {
    PrintHeading(printer, 15,
                 {"Material       Modulus of        Co-efficient of",
                  "   No.       Elasticity (E)     Thermal Expansion",
                  "--------     --------------     -----------------"},
                 units);
  }
  for (int i = 1; i <= model.MaterialCount; ++i) {
    ReportLine line;
    line.Blanks(prefix).Number(i, kMaskAt3);
    Print(printer,
          AppendValues(line, gaps, RowValues(model.Materials, i, static_cast<int>(gaps.size()))));
  }
}

void PrintCrossSections(const ModelStore& model, ReportPrinter& printer) {
  PrintTitleBlock(printer, 27, "Cross-Sectional Properties");
  const StructKind type = model.Kind();
  std::vector<Quantity> quantities;
  for (int c = 1; model.Type() && c <= model.SectionColumns; ++c)
    quantities.push_back(
        SectionQuantity(model.Type()->Sections.at(static_cast<std::size_t>(c - 1))));
  const std::vector<std::string> units = NumberedColumnUnits(model.Units, quantities);
  int prefix = 16;
  std::vector<int> gaps;
  if (type == StructKind::PTruss || type == StructKind::STruss) {
    PrintHeading(printer, 25, {"Property No.     Area (A) ", "------------   ------------"}, units);
    prefix = 28, gaps = {9};
  } else if (type == StructKind::Beam) {
    PrintHeading(printer, 25,
                 {"Property No.     Moment of Inertia", "------------     -----------------"},
                 units);
    prefix = 28, gaps = {12};
  } else if (type == StructKind::PFrame) {
    PrintHeading(printer, 13,
                 {"Property No.     Area (A)     Moment of Inertia (I)",
                  "------------   -----------    ---------------------"},
                 units);
    gaps = {8, 9};
  } else if (type == StructKind::Grid) {
    PrintHeading(printer, 15,
                 {"Property   Moment of Inertia   Torsion Constant",
                  "  No.             (I)                (J)",
                  "--------   -----------------   ----------------"},
                 units);
    gaps = {10, 8};
  } else {
    PrintHeading(printer, 10,
                 {"Property      Area       z-Moment of   y-Moment of     Torsion",
                  "  No.          (A)         Inertia       Inertia       Constant",
                  "                            (Iz)          (Iy)           (J)",
                  "--------   -----------   -----------   -----------   -----------"},
                 units);
    prefix = 11, gaps = {7, 3, 3, 3};
  }
  for (int i = 1; i <= model.SectionCount; ++i) {
    ReportLine line;
    line.Blanks(prefix).Number(i, kMaskAt3);
    Print(printer,
          AppendValues(line, gaps, RowValues(model.Sections, i, static_cast<int>(gaps.size()))));
  }
}

void PrintMemberData(const ModelStore& model, ReportPrinter& printer) {
  PrintTitleBlock(printer, 34, "Member Data");
  const bool spaceFrame = model.Kind() == StructKind::SFrame;
  if (spaceFrame)
    Print(printer, 10,
          {"Member  Beginning   End   Material  Cross-Sectional  Angle of",
           "  No.     Joint    Joint     No.      Property No.   Roll(Deg)",
           "------  ---------  -----  --------  ---------------  ---------"});
  else
    Print(printer, 12,
          {"Member   Beginning    End    Material   Cross-Sectional",
           "  No.      Joint     Joint      No.       Property No.",
           "------   ---------   -----   --------   ---------------"});
  const std::vector<int> gaps =
      spaceFrame ? std::vector<int>{11, 6, 7, 4, 10} : std::vector<int>{13, 7, 8, 5, 11};
  for (int m = 1; m <= model.MemberCount; ++m) {
    ReportLine line;
    line.Blanks(gaps[0]).Number(m, kMaskAt3);
    for (int column = 1; column <= 4; ++column)
      line.Blanks(gaps[static_cast<std::size_t>(column)])
          .Number(model.MemberProps(m, column), kMaskAt3);
    if (spaceFrame) line.Blanks(10).Number(model.RollAngles(m), kMaskTwoDigit);
    Print(printer, line);
  }
}

}  // namespace

void PrintInputData(const ModelStore& model, ReportPrinter& printer) {
  PrintBannerAndGeneralData(model, printer);
  const bool truss = IsTruss(model.StructType);
  if (model.JointCount > 0) PrintSection(model, printer, PrintJointCoordinates, false);
  if (model.SupportCount > 0) PrintSection(model, printer, PrintSupports);
  if (model.SpringCount > 0) PrintSection(model, printer, PrintSupportSprings);
  if (model.SupportAngleCount > 0) PrintSection(model, printer, PrintSupportAngles);
  if (model.MaterialCount > 0) PrintSection(model, printer, PrintMaterials);
  if (model.SectionCount > 0) PrintSection(model, printer, PrintCrossSections);
  if (model.MemberCount > 0) PrintSection(model, printer, PrintMemberData);
  if (!truss && model.ReleaseCount > 0) PrintSection(model, printer, PrintMemberReleases);
  if (model.HasLoadCases())
    PrintLoadCasesInput(model, printer);
  else
    PrintLoadSections(model, printer);
  Print(printer, 15, "************** End of Input Data **************");
}

}  // namespace stavelorn
