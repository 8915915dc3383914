// Small models for tests: every section of a type filled with values of at most seven
// significant digits, so they survive the project file unchanged.
#pragma once

#include <string>

#include "analysis/StructureResults.h"
#include "model/ModelStore.h"

namespace stavelorn::testing {

// A model of the given type with every table the type can hold filled (releases included, even
// for trusses, whose files must leave them out).
ModelStore FullModel(const std::string& structType);

// Whether two models hold the same title, type, counts and table contents within their counts;
// the first difference is described in `difference`.
bool SameModelData(const ModelStore& a, const ModelStore& b, std::string& difference);

// A portal frame of three load cases ("Dead", "Live", "Wind": member loads, a point load and a
// sway load) and two combinations, as project-file text.
inline constexpr char kThreeCaseFrame[] =
    "\"Portal frame in three load cases (kN, m)\"\r\n\"PFrame\"\r\n\"Joints\",4\r\n0,0\r\n0,5\r\n"
    "8,5\r\n8,0\r\n\"Supports\",2\r\n1,1,1,1\r\n4,1,1,0\r\n\"Materials\",1\r\n2E+08,1.2E-05\r\n"
    "\"Cross-Sections\",2\r\n0.0078,0.000115\r\n0.0098,0.00023\r\n\"Members\",3\r\n1,2,1,1\r\n"
    "2,3,1,2\r\n4,3,1,1\r\n\"Load Cases\",3\r\n\"Dead\"\r\n\"Live\"\r\n\"Wind\"\r\n"
    "\"Load Case\",1\r\n\"Member Loads\",1\r\n2,3,10,0,0,0\r\n\"Load Case\",2\r\n"
    "\"Member Loads\",2\r\n2,3,15,0,0,0\r\n2,1,40,0,2,0\r\n\"Load Case\",3\r\n"
    "\"Joint Loads\",1\r\n2,12,0,0\r\n\"Load Combinations\",2\r\n\"1.2D+1.6L\",1.2,1.6,0\r\n"
    "\"1.2D+L+W\",1.2,1,1\r\n";

// A model read from project-file text (lines may end in LF); a reading error is thrown, so the
// test that asked for it fails with the reader's message.
ModelStore ModelFromText(const std::string& text);

// The project-file text the writer gives `model`; a writing error is thrown.
std::string FileText(const ModelStore& model);

// The whole of a file, byte for byte; a file that cannot be read is thrown as an error.
std::string ReadWholeFile(const std::string& path);

// The repository's folder, for examples and golden files.
std::string SourcePath(const std::string& relative);

// The example project examples/<name>.str as the program reads it; a reading error is thrown.
// The example projects under examples/, one of each structure type.
inline constexpr const char* kExampleNames[] = {"continuous-beam",   "roof-truss", "portal-frame",
                                                "space-truss-tower", "grid-floor", "space-frame"};

ModelStore ExampleModel(const std::string& name);

// The project file at `relative` in the repository, read; a reading error is thrown.
ModelStore ModelFromFile(const std::string& relative);

// The text of examples/<name>.str, byte for byte.
std::string ExampleText(const std::string& name);

// The model with a spring of stiffness `stiffness` at every restrained coordinate of one support
// (the first that settles, else the first) and, where the type turns supports, its last support
// made a roller turned by 20 degrees: free along its turned first axis, held along the second.
ModelStore OnSpringsAndTurned(const ModelStore& model, float stiffness = 5e4f);

// A golden report's model (tests/reports/golden/NAME.str; "NAME-kip-in" names its units kip, in,
// °F) with results filled in by hand instead of an analysis, each recognisable where it is shown:
// coordinates numbered free ones first, joint by joint; displacement n is +-n/1000, end force c of
// member m is +-(10 m + c), reaction n is 100 n + 0.5; truss bars cycle through tension,
// compression and zero.
struct AnalysedModel {
  ModelStore Model;
  StructureResults Results;
};
AnalysedModel HandResultsModel(const std::string& name);

}  // namespace stavelorn::testing
