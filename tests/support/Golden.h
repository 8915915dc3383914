// Golden text files: a whole output compared with a file under tests/ that was checked by eye.
// STAVELORN_UPDATE_GOLDEN=1 rewrites the files from the output instead.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "model/ProjectFile.h"
#include "reports/TextReportPrinter.h"
#include "support/SampleModels.h"

namespace stavelorn::testing {

// `relative` is the golden file's path from the source tree's root.
inline void ExpectGoldenFile(const std::string& text, const std::string& relative) {
  const std::string path = SourcePath(relative);
  if (std::getenv("STAVELORN_UPDATE_GOLDEN")) std::ofstream(path, std::ios::binary) << text;
  EXPECT_EQ(text, ReadWholeFile(path)) << relative;
}

// The document `print` sends to a text printer, ended as a finished one.
inline std::string PrintedText(const std::function<void(ReportPrinter&)>& print) {
  std::ostringstream out;
  TextReportPrinter printer(out);
  print(printer);
  printer.EndDocument();
  return out.str();
}

// How many times `part` stands in `text`, overlaps included.
inline int Occurrences(const std::string& text, const std::string& part) {
  int n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

// Each named text read into a new model, which the reader must refuse, against the golden file
// `relative`: a line per text with its name and the error's number and words, then what `kept`
// says of the model as the refusal left it ("" for nothing).
inline void ExpectRefusals(const std::vector<std::pair<std::string, std::string>>& texts,
                           const std::string& relative,
                           const std::function<std::string(const ModelStore&)>& kept) {
  std::string log;
  for (const auto& [name, text] : texts) {
    ModelStore model;
    model.Reset();
    const RunResult error = ReadProjectText(model, text);
    EXPECT_TRUE(error) << name;
    if (!error) continue;
    const std::string after = kept(model);
    log += name + ": " + std::to_string(error->Number) + " " + error->Description + "\n" +
           (after.empty() ? "" : "  " + after + "\n");
  }
  ExpectGoldenFile(log, relative);
}

}  // namespace stavelorn::testing
