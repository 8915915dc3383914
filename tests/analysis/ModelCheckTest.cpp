#include <gtest/gtest.h>

#include "analysis/AnalysisRun.h"
#include "analysis/ModelCheck.h"
#include "model/ProjectFile.h"
#include "support/Golden.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

using Messages = std::vector<std::string>;

// One valid project of each type (tests/analysis/golden/valid-TYPE.str), using every kind of data
// the type accepts.
const char* const kTypes[] = {"Beam", "PTruss", "PFrame", "STruss", "Grid", "SFrame"};

// The valid project of `type` with `sections` read into it afterwards, replacing its own.
ModelStore Model(const std::string& type, const std::string& sections = "") {
  ModelStore model = testing::ModelFromFile("tests/analysis/golden/valid-" + type + ".str");
  const RunResult error =
      ReadProjectText(model, "\"" + model.ProjectTitle + "\",\"" + type + "\"," + sections);
  EXPECT_FALSE(error) << error->Description;
  return model;
}

// A valid model of each type has no problem; every fault is named with its record, each case's
// problems against a file checked by eye.
TEST(CheckModel, NamesEveryProblemWithItsRecord) {
  const std::pair<const char*, const char*> cases[] = {
      {"PFrame", R"("Members",2,0,2,1,1,2,900,2,0)"},
      {"Beam", R"("Members",2,1,2,1,1,3,2,1,1)"},
      {"Beam", R"("Materials",1,0,0)"},
      {"Grid", R"("Materials",1,29000,0,0)"},
      {"PFrame", R"("Cross-Sections",1,0,-200)"},
      {"PFrame", R"("Materials",2,29000,0,0,0)"},  // a set no member uses is harmless
      {"PFrame",
       R"("Supports",1,4,1,1,1,"Joint Loads",1,0,1,0,0,"Support Displacements",1,-1,0,0,0)"},
      {"Beam", R"("Member Releases",2,1,4,2,0)"},
      // l2 is read only by the distributed types: the -7 of record 6 does not count.
      {"PFrame",
       R"("Member Loads",7,1,1,5,0,-1,0,1,5,5,0,4.5,0,2,3,1,0,2,-1,2,6,1,0,3,3.5,2,4,1,2,6,0,
1,1,5,0,2,-7,1,6,1,0,4,0)"},
      {"STruss", R"("Supports",3,1,1,1,1,2,0,2,1,3,0,0,-1)"},
      {"Beam", R"("Member Loads",2,1,5,1,0,1,0,1,7,1,0,1,0)"},
      {"SFrame", R"("Member Loads",3,1,0,1,0,0,0,9,12,1,0,0,0,1,9,1,0,4,0)"},
      {"Grid", R"("Member Releases",1,1,3)"},
      {"PFrame", R"("Member Releases",3,2,2,1,1,2,1)"},
      {"PFrame", R"("Support Displacements",3,2,0.1,0,0,3,0,0,0.01,3,0.5,0,0)"},
      {"PFrame", R"("Joints",3,0,0,0,0,6,4,"Members",2,1,2,1,1,3,3,1,1)"},
      {"Beam", R"("Joints",3,0,4,4)"},
      // Data the type's windows do not offer stays unused, so it cannot block the analysis.
      {"PTruss", R"("Member Releases",1,9,9,"Member Loads",1,9,42,0,0,-1,-1)"},
  };
  for (const char* type : kTypes) EXPECT_EQ(CheckModel(Model(type)), Messages{}) << type;
  std::string log;
  for (const auto& [type, sections] : cases) {
    log += std::string(type) + " " + sections + "\n";
    for (const std::string& problem : CheckModel(Model(type, sections)))
      log += "  " + problem + "\n";
  }
  testing::ExpectGoldenFile(log, "tests/analysis/golden/model-check.txt");
}

// A count larger than the tables behind it (a model not read from a file) is named, not read
// past, once for each section however many tables it keeps; against a file checked by eye.
TEST(CheckModel, NamesACountTheTableCannotHoldOncePerSection) {
  ModelStore model = Model("PFrame");
  model.JointCount = 4;
  model.TempChangeCount = 2;
  std::string log;
  for (const std::string& problem : CheckModel(model)) log += problem + "\n";
  testing::ExpectGoldenFile(log, "tests/analysis/golden/model-check-counts.txt");
}

// More joints than coordinates can be numbered is named, and the analysis refused with it.
TEST(CheckModel, RefusesMoreCoordinatesThanCanBeNumbered) {
  ModelStore model = Model("SFrame");
  model.JointCount = 6000;
  model.JointCoords.Redim(6000, 3);
  const AnalysisRun run = CheckAndAnalyze(model);
  EXPECT_TRUE(run.Rejected);
  EXPECT_NE(run.RejectionText.find("Joints: 6000 joints of 6 coordinates make 36000 structure "
                                   "coordinates, more than the 32767 that can be numbered"),
            std::string::npos)
      << run.RejectionText;
}

}  // namespace
}  // namespace stavelorn
