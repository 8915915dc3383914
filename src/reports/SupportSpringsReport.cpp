// The printed report's sections of elastic and turned supports, after the supports: the springs
// and the support angles. A project without them prints as it always has.
#include <string>

#include "model/ModelQuantities.h"
#include "model/NumberText.h"
#include "model/StructType.h"
#include "reports/InputSections.h"
#include "reports/ReportUnits.h"

namespace stavelorn {

void PrintSupportSprings(const ModelStore& model, ReportPrinter& printer) {
  PrintTitleBlock(printer, 32, "Support Springs");
  const StructTypeInfo& type = model.TypeInfo();
  // A translation's spring in force per length, a rotation's in moment per radian.
  const std::string perLength = ReportUnit(model.Units, Quantity::ForcePerLength);
  const std::string perRadian = ReportUnit(model.Units, Quantity::Moment);
  PrintHeading(printer, 10,
               {"Joint No.   Coordinate              Stiffness",
                "---------   ---------------------   ------------"},
               {});
  for (int r = 1; r <= model.SpringCount; ++r) {
    const int k = model.SpringCoords(r, 2);
    const bool known = k >= 1 && k <= type.CoordsPerJoint;
    const JointCoordNames* coordinate = known ? &CoordinateOf(type, k) : nullptr;
    std::string unit = coordinate ? (coordinate->Rotation ? perRadian : perLength) : "";
    if (coordinate && coordinate->Rotation && !unit.empty()) unit.insert(unit.size() - 1, "/rad");
    ReportLine line;
    line.Blanks(16).Number(model.SpringCoords(r, 1), kMaskAt3).Blanks(3);
    std::string name = coordinate ? CoordinateName(*coordinate) : std::to_string(k);
    name.resize(21, ' ');
    line.Text(name).Blanks(3).Number(model.SpringStiffness(r), kMaskE4);
    Print(printer, line.Text(unit.empty() ? "" : " " + unit));
  }
}

void PrintSupportAngles(const ModelStore& model, ReportPrinter& printer) {
  PrintTitleBlock(printer, 32, "Support Angles");
  const char* from = model.TypeInfo().SupportTurnAxis == 'Y'
                         ? "(degrees from X, counter-clockwise seen from +Y)"
                         : "(degrees from X, counter-clockwise seen from +Z)";
  Print(printer, ReportLine().Blanks(15).Text(from));
  PrintHeading(printer, 26, {"Joint No.     Angle", "---------     -----"}, {});
  for (int r = 1; r <= model.SupportAngleCount; ++r) {
    ReportLine line;
    line.Blanks(32).Number(model.SupportAngleJoints(r), kMaskAt3).Blanks(5);
    Print(printer, line.Text(FormatShortest(model.SupportAngleValues(r))));
  }
}

}  // namespace stavelorn
