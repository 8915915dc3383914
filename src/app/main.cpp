// The program's entry point. Until the main window exists, its job is to open a project file and
// say what it holds, so a newcomer can see the model being read.
#include <iostream>

#include "model/ModelStore.h"
#include "model/ProjectFile.h"
#include "model/StructType.h"

using namespace stavelorn;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: stavelorn FILE.str\n";
    return 64;
  }
  ModelStore model;
  model.Reset();
  model.ProjectFile = argv[1];
  if (RunResult error = ReadProjectFile(model)) {
    std::cerr << "File_Reading Error\n" << UnexpectedErrorText(*error) << "\n";
    return 2;
  }
  const StructTypeInfo* type = FindStructType(model.StructType);
  std::cout << "Project file:           " << model.ProjectFile << "\n"
            << "Title:                  " << model.ProjectTitle << "\n"
            << "Structure type:        " << (type ? type->Caption : "?") << "\n"
            << "Joints:                 " << model.JointCount << "\n"
            << "Supports:               " << model.SupportCount << "\n"
            << "Material sets:          " << model.MaterialCount << "\n"
            << "Cross-section sets:     " << model.SectionCount << "\n"
            << "Members:                " << model.MemberCount << "\n"
            << "Member releases:        " << model.ReleaseCount << "\n"
            << "Joint loads:            " << model.JointLoadCount << "\n"
            << "Member loads:           " << model.MemberLoadCount << "\n"
            << "Support displacements:  " << model.SettlementCount << "\n"
            << "Temperature changes:    " << model.TempChangeCount << "\n"
            << "Fabrication errors:     " << model.FabErrorCount << "\n";
  return 0;
}
