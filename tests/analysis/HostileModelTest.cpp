#include <gtest/gtest.h>

#include <string>

#include "analysis/AnalysisRun.h"
#include "model/ProjectFile.h"

namespace stavelorn {
namespace {

// A plane frame file: two fixed columns and a beam, with sections replaced as a case needs.
std::string Frame(const std::string& joints, const std::string& members,
                  const std::string& extra = "") {
  return "\"t\"\r\n\"PFrame\"\r\n\"Joints\"," + joints +
         "\"Supports\",2\r\n1,1,1,1\r\n4,1,1,1\r\n"
         "\"Materials\",1\r\n200,0\r\n\"Cross-Sections\",1\r\n10,100\r\n\"Members\"," +
         members + "\"Joint Loads\",1\r\n2,5,0,0\r\n" + extra;
}

const std::string kJoints = "4\r\n0,0\r\n0,4\r\n6,4\r\n6,0\r\n";
const std::string kMembers = "3\r\n1,2,1,1\r\n2,3,1,1\r\n4,3,1,1\r\n";

struct Hostile {
  const char* name;
  std::string file;
  int readError;        // error number of the reading, 0 when the file reads
  const char* message;  // part of the rejection, or "" when the model must be analysed
};

// Models that reach the analysis through a file: each is stopped with a message that names its
// fault, at the reading or at the checks, and none reaches the engine to crash it.
TEST(HostileModels, AreStoppedWithAMessageThatNamesTheFault) {
  const Hostile cases[] = {
      {"sound frame", Frame(kJoints, kMembers), 0, ""},
      {"all joints coincident", Frame("4\r\n1,1\r\n1,1\r\n1,1\r\n1,1\r\n", kMembers), 0,
       "Member 1: joints 1 and 2 coincide"},
      {"member from a joint to itself", Frame(kJoints, "3\r\n1,2,1,1\r\n3,3,1,1\r\n4,3,1,1\r\n"), 0,
       "Member 2: joints 3 and 3 coincide"},
      {"NaN in the file", Frame("4\r\n0,0\r\nnan,4\r\n6,4\r\n6,0\r\n", kMembers), 13, ""},
      {"overflowing number", Frame(kJoints, kMembers, "\"Materials\",1\r\n1e40,0\r\n"), 6, ""},
      {"count below its records", Frame("3\r\n0,0\r\n0,4\r\n6,4\r\n6,0\r\n", kMembers), 13, ""},
      {"32767 space-frame joints",
       "\"t\"\r\n\"SFrame\"\r\n\"Joints\",32767\r\n" +
           [] {
             std::string rows;
             for (int j = 0; j < 32767; ++j) rows += std::to_string(j) + ",0,0\r\n";
             return rows;
           }(),
       0, "more than the 32767 that can be numbered"},
  };
  for (const Hostile& c : cases) {
    ModelStore model;
    model.Reset();
    RunResult error = ReadProjectText(model, c.file);
    EXPECT_EQ(error ? error->Number : 0, c.readError)
        << c.name << (error ? ": " + error->Description : "");
    if (error) continue;
    AnalysisRun run = CheckAndAnalyze(model);
    if (*c.message == '\0') {
      EXPECT_FALSE(run.Rejected) << c.name << ": " << run.RejectionText;
      EXPECT_EQ(model.AnalysisStatus, kAnalysisComplete) << c.name;
    } else {
      EXPECT_TRUE(run.Rejected) << c.name;
      EXPECT_NE(run.RejectionText.find(c.message), std::string::npos)
          << c.name << ": " << run.RejectionText;
      EXPECT_EQ(model.AnalysisStatus, kNoResults) << c.name;
    }
  }
}

}  // namespace
}  // namespace stavelorn
