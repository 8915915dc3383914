#include <gtest/gtest.h>

#include <map>

#include "analysis/AnalysisRun.h"
#include "analysis/ModelCheck.h"
#include "model/ProjectFile.h"

namespace stavelorn {
namespace {

using Messages = std::vector<std::string>;

// One valid project of each type, using every kind of data the type accepts.
const std::map<std::string, std::string> kValid = {
    {"Beam", R"("b","Beam","Joints",3,0,4,8,"Supports",3,1,1,1,2,1,0,3,1,0,"Materials",1,29000,0,
"Cross-Sections",1,100,"Members",2,1,2,1,1,2,3,1,1,"Member Releases",1,2,2,"Joint Loads",1,2,0,5,
"Member Loads",4,1,1,10,0,2,0,1,2,5,0,4,0,2,3,1,0,0,0,2,4,1,2,0,1,"Support Displacements",1,1,-0.5,0)"},
    {"PTruss",
     R"("t","PTruss","Joints",3,0,0,4,0,4,3,"Supports",2,1,1,1,2,0,1,"Materials",1,29000,6.5E-06,
"Cross-Sections",1,8,"Members",3,1,2,1,1,2,3,1,1,1,3,1,1,"Joint Loads",1,3,10,-5,
"Temperature Changes",1,1,30,"Fabrication Errors",1,3,0.1)"},
    {"PFrame",
     R"("f","PFrame","Joints",3,0,0,0,4,6,4,"Supports",2,1,1,1,1,3,1,1,0,"Materials",1,29000,0,
"Cross-Sections",1,10,200,"Members",2,1,2,1,1,2,3,1,1,"Member Releases",1,2,2,"Joint Loads",1,2,10,0,0,
"Member Loads",6,1,1,5,0,2,0,1,2,5,0,0,0,2,3,1,0,0,0,2,4,1,2,1,2,2,5,3,0,6,0,2,6,1,0,0,6,
"Support Displacements",1,3,0,-0.25,0,"Temperature Changes",1,2,20,"Fabrication Errors",1,1,-0.05)"},
    {"STruss",
     R"("s","STruss","Joints",4,0,0,0,4,0,0,0,4,0,0,0,4,"Supports",3,1,1,1,1,2,0,1,1,3,0,0,1,
"Materials",1,10000,0,"Cross-Sections",1,2,"Members",3,1,4,1,1,2,4,1,1,3,4,1,1,"Joint Loads",1,4,1,2,3,
"Support Displacements",1,2,0,0.1,0)"},
    {"Grid",
     R"("g","Grid","Joints",3,0,0,5,0,5,5,"Supports",2,1,1,1,1,3,1,1,1,"Materials",1,29000,11500,0,
"Cross-Sections",1,100,50,"Members",2,1,2,1,1,2,3,1,1,"Member Releases",1,1,1,"Joint Loads",1,2,-10,0,0,
"Member Loads",2,1,7,3,0,2,0,2,3,1,0,0,0)"},
    {"SFrame",
     R"("x","SFrame","Joints",3,0,0,0,0,4,0,5,4,0,"Supports",2,1,1,1,1,1,1,1,3,1,1,1,1,1,1,
"Materials",1,29000,11500,0,"Cross-Sections",1,10,100,50,20,"Members",2,1,2,1,1,0,2,3,1,1,30,
"Member Releases",1,2,1,"Joint Loads",1,2,1,0,0,0,0,5,"Member Loads",4,1,5,2,0,1,0,1,7,3,0,2,0,
2,8,1,0,2.5,0,2,11,1,2,0,1,"Temperature Changes",1,1,10)"},
};

// The valid project of `type` with `sections` read into it afterwards, replacing its own.
ModelStore Model(const std::string& type, const std::string& sections = "") {
  ModelStore model;
  RunResult error = ReadProjectText(model, kValid.at(type));
  EXPECT_FALSE(error) << error->Description;
  error = ReadProjectText(model, "\"" + model.ProjectTitle + "\",\"" + type + "\"," + sections);
  EXPECT_FALSE(error) << error->Description;
  return model;
}

struct Case {
  const char* type;
  const char* sections;
  Messages expected;
};

// A valid model of each type has no problem; every fault is named with its record.
TEST(CheckModel, NamesEveryProblemWithItsRecord) {
  const Case cases[] = {
      {"PFrame",
       R"("Members",2,0,2,1,1,2,900,2,0)",
       {"Member 1: beginning joint 0 is outside 1..3", "Member 2: end joint 900 is outside 1..3",
        "Member 2: material 2 is outside 1..1", "Member 2: cross-section 0 is outside 1..1"}},
      {"Beam",
       R"("Members",2,1,2,1,1,3,2,1,1)",
       {"Member 2: runs right to left (X = 8 to 4); enter a beam member left to right"}},
      {"Beam",
       R"("Materials",1,0,0)",
       {"Material 1: modulus of elasticity E = 0 is not positive (member 1 uses it)"}},
      {"Grid",
       R"("Materials",1,29000,0,0)",
       {"Material 1: shear modulus G = 0 is not positive (member 1 uses it)"}},
      {"PFrame",
       R"("Cross-Sections",1,0,-200)",
       {"Cross-section 1: area A = 0 is not positive (member 1 uses it)",
        "Cross-section 1: moment of inertia I = -200 is not positive (member 1 uses it)"}},
      {"PFrame", R"("Materials",2,29000,0,0,0)", {}},  // a set no member uses is harmless
      {"PFrame",
       R"("Supports",1,4,1,1,1,"Joint Loads",1,0,1,0,0,"Support Displacements",1,-1,0,0,0)",
       {"Support 1: joint 4 is outside 1..3", "Joint load 1: joint 0 is outside 1..3",
        "Support displacement 1: joint -1 is outside 1..3"}},
      {"Beam",
       R"("Member Releases",2,1,4,2,0)",
       {"Member release 1: release code 4 is none of 1 (beginning), 2 (end), 3 (both ends)",
        "Member release 2: release code 0 is none of 1 (beginning), 2 (end), 3 (both ends)"}},
      // l2 is read only by the distributed types: the -7 of record 6 does not count.
      {"PFrame",
       R"("Member Loads",7,1,1,5,0,-1,0,1,5,5,0,4.5,0,2,3,1,0,2,-1,2,6,1,0,3,3.5,2,4,1,2,6,0,
1,1,5,0,2,-7,1,6,1,0,4,0)",
       {"Member load 1 (member 1): l1 = -1 is outside the member (L = 4)",
        "Member load 2 (member 1): l1 = 4.5 is outside the member (L = 4)",
        "Member load 3 (member 2): l2 = -1 is negative",
        "Member load 4 (member 2): l1 = 3 plus l2 = 3.5 exceeds L = 6",
        "Member load 5 (member 2): a linearly varying load cannot start at the far end (l1 = L = "
        "6)"}},
      {"STruss",
       R"("Supports",3,1,1,1,1,2,0,2,1,3,0,0,-1)",
       {"Support 2: restraint code 2 of the Y translation is neither 0 (free) nor 1 (restrained)",
        "Support 3: restraint code -1 of the Z translation is neither 0 (free) nor 1 "
        "(restrained)"}},
      {"Beam",
       R"("Member Loads",2,1,5,1,0,1,0,1,7,1,0,1,0)",
       {"Member load 1 (member 1): an axial force (type 5) cannot act on a beam member",
        "Member load 2 (member 1): a torque (type 7) cannot act on a beam member"}},
      {"SFrame",
       R"("Member Loads",3,1,0,1,0,0,0,9,12,1,0,0,0,1,9,1,0,4,0)",
       {"Member load 1 (member 1): load type 0 is none of 1..11",
        "Member load 2: member 9 is outside 1..2", "Member load 2: load type 12 is none of 1..11"}},
      {"Grid",
       R"("Member Releases",1,1,3)",
       {"Member load 1 (member 1): a torque on a member hinged at both ends has no load path"}},
      {"PFrame",
       R"("Member Releases",3,2,2,1,1,2,1)",
       {"Member release 3: member 2 already has release record 1"}},
      {"PFrame",
       R"("Support Displacements",3,2,0.1,0,0,3,0,0,0.01,3,0.5,0,0)",
       {"Support displacement 1: joint 2 is no support",
        "Support displacement 2 (joint 3): 0.01 is prescribed for the rotation, which support 2 "
        "leaves "
        "free",
        "Support displacement 3: joint 3 already has support displacement record 2"}},
      {"PFrame",
       R"("Joints",3,0,0,0,0,6,4,"Members",2,1,2,1,1,3,3,1,1)",
       {"Member 1: joints 1 and 2 coincide, so the member has no length",
        "Member 2: joints 3 and 3 coincide, so the member has no length"}},
      {"Beam",
       R"("Joints",3,0,4,4)",
       {"Member 2: joints 2 and 3 coincide in X, so the member has no length"}},
      // Data the type's windows do not offer stays unused, so it cannot block the analysis.
      {"PTruss", R"("Member Releases",1,9,9,"Member Loads",1,9,42,0,0,-1,-1)", {}},
  };
  for (const auto& [type, text] : kValid) EXPECT_EQ(CheckModel(Model(type)), Messages{}) << type;
  for (const Case& c : cases)
    EXPECT_EQ(CheckModel(Model(c.type, c.sections)), c.expected) << c.type << c.sections;
}

// A count larger than the tables behind it (a model not read from a file) is named, not read
// past, once for each section however many tables it keeps.
TEST(CheckModel, NamesACountTheTableCannotHoldOncePerSection) {
  ModelStore model = Model("PFrame");
  model.JointCount = 4;
  model.TempChangeCount = 2;
  const Messages problems = CheckModel(model);
  ASSERT_EQ(problems.size(), 2u) << ::testing::PrintToString(problems);
  EXPECT_NE(problems[0].find("4 records need 4 x 2 values, but the table holds 3 x 2"),
            std::string::npos)
      << problems[0];
  EXPECT_NE(problems[1].find("Temperature Changes: 2 records need 2 x 1 values"), std::string::npos)
      << problems[1];
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
