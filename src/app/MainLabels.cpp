#include "app/MainLabels.h"

#include <filesystem>

#include "model/StructType.h"

namespace stavelorn {

void MainLabels::ShowType(const ModelStore& m) {
  const StructTypeInfo* type = FindStructType(m.StructType);
  Text[2] = type ? type->Caption : "";
}

void MainLabels::ShowJointCounts(const ModelStore& m) {
  Text[3] = " Joints: " + std::to_string(m.JointCount);
  Text[4] = " Supports : " + std::to_string(m.SupportCount);
}

void MainLabels::ShowMaterialCount(const ModelStore& m) {
  Text[5] = " Materials: " + std::to_string(m.MaterialCount);
}

void MainLabels::ShowSectionCount(const ModelStore& m) {
  Text[6] = " Cross-Sections: " + std::to_string(m.SectionCount);
}

void MainLabels::ShowMemberCount(const ModelStore& m) {
  Text[7] = " Members: " + std::to_string(m.MemberCount);
}

void MainLabels::ShowModel(const ModelStore& m) {
  ShowTitle(m);
  Units = m.Units.Named ? "Units: " + UnitSystemText(m.Units) : "";
  ShowType(m);
  for (std::size_t n = 3; n <= 7; ++n) Text[n].clear();
  if (m.JointCount > 0) ShowJointCounts(m);
  if (m.MaterialCount > 0) ShowMaterialCount(m);
  if (m.SectionCount > 0) ShowSectionCount(m);
  if (m.MemberCount > 0) ShowMemberCount(m);
}

std::string MainWindowTitle(const ProjectSession& session, const std::string& projectFile) {
  if (!session.Open()) return kMainWindowBanner;
  const std::string name =
      projectFile.empty() ? "Untitled" : std::filesystem::path(projectFile).filename().string();
  return name + (session.Unsaved() ? "*" : "") + " \u2014 " + kMainWindowBanner;
}

}  // namespace stavelorn
