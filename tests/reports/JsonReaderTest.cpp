// The JSON the batch tool writes of the results, and the reader the answer checks read with:
// values in every form JSON writes them, and each fault named with its line.
#include "reports/JsonReader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "reports/ResultsJson.h"
#include "support/Golden.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

// A value in one line: its kind, a number exactly as
// written, a string's contents with its escapes resolved (a control character shown as ^ and its
// letter), lists and members in order.
std::string Canonical(const JsonValue& v) {
  const char* const kinds[] = {"null", "bool ", "number ", "string ", "list", "object"};
  std::string text = kinds[static_cast<int>(v.kind)];
  for (char c : v.text) text += c >= ' ' ? std::string(1, c) : "^" + std::string(1, c + '@');
  for (const JsonValue& item : v.items) text += " [" + Canonical(item) + "]";
  for (const auto& [key, member] : v.members) text += " {" + key + ": " + Canonical(member) + "}";
  return text;
}

// Each text read, against a file checked by eye: its value in one line, or the reader's fault
// (a list 65 deep is read, one deeper refused); then a number too large and a string read as
// numbers, and a member that is not there.
TEST(JsonReader, ReadsEveryFormAndNamesTheLineOfEachFault) {
  const std::string deep = std::string(65, '[') + std::string(65, ']');
  std::vector<std::string> texts = {deep, "[" + deep + "]"};
  std::istringstream list(  // separated by '|'
      R"({"a": [1, -2.5e+3, 0.25E-2, true, false, null], "b": {}, "c": []})"
      R"(| "q\"b\\s\/n\nt\tu\u0041" |)"
      "\n[\n1 ,\r\n\t2\n]\n|[\n1,\n]|[1 2]|{\"a\" 1}|{\"a\": 1,}|{1: 2}|{\"a\": 1 \"b\": 2}|[1] x|"
      "|nul|-|-a|1.|1.e3|1e|1e+|\"abc|\"a\nb\"|\"a\\|tru");
  for (std::string json; std::getline(list, json, '|');) texts.push_back(json);
  std::string text;
  for (const std::string& json : texts) {
    try {
      text += Canonical(ParseJson(json));
    } catch (const JsonError& fault) {
      text += std::string("fault: ") + fault.what();
    }
    text += "\n";
  }
  const JsonValue object = ParseJson(R"({"n": 1e400, "s": "1"})");
  for (const char* key : {"n", "s", "none"}) {
    try {
      text += std::to_string(object[key].Number()) + "\n";
    } catch (const JsonError& fault) {
      text += std::string(key) + ": " + fault.what() + "\n";
    }
  }
  testing::ExpectGoldenFile(text, "tests/reports/golden/json-reader.txt");
}

// The JSON of results filled by hand (each value recognisable where it stands: every joint's own
// displacements, the settlement at a settled restraint, every member's end forces, every support's
// reactions), of a plane frame in named units with an accuracy note and its diagrams, of a truss,
// a grid and a space frame, against a file checked by eye.
TEST(ResultsJson, HandFilledResultsMatchTheCheckedFile) {
  const testing::AnalysedModel pframe = testing::HandResultsModel("pframe-kip-in");
  std::string text =
      ResultsJson(pframe.Model, pframe.Results, true, "\"Stiff\" \\ \n\tnote", nullptr, true);
  for (const char* name : {"ptruss", "grid", "sframe"}) {
    const testing::AnalysedModel hand = testing::HandResultsModel(name);
    text += ResultsJson(hand.Model, hand.Results);
  }
  testing::ExpectGoldenFile(text, "tests/reports/golden/results.json");
}

}  // namespace
}  // namespace stavelorn
