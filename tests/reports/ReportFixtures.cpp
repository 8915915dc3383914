#include "reports/ReportFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "model/ProjectFile.h"
#include "model/StructType.h"

namespace stavelorn {

std::string GoldenPath(const std::string& name) {
  return std::string(STAVELORN_SOURCE_DIR) + "/tests/reports/golden/" + name;
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

ModelStore LoadGoldenModel(const std::string& name) {
  ModelStore model;
  model.Reset();
  if (RunResult error = ReadProjectText(model, ReadWholeFile(GoldenPath(name + ".str"))))
    throw std::runtime_error(name + ".str: " + UnexpectedErrorText(*error));
  return model;
}

void FillHandResults(ModelStore& model) {
  const int perJoint = model.CoordsPerJoint;
  const int total = model.JointCount * perJoint;
  auto restrained = [&](int joint, int k) {
    for (int s = 1; s <= model.SupportCount; ++s)
      if (model.Supports(s, 1) == joint && model.Supports(s, k + 1) == 1) return true;
    return false;
  };
  model.CoordNumbers.Redim(total);
  int next = 0;
  int free = 0;
  for (bool fixed : {false, true}) {
    for (int j = 1; j <= model.JointCount; ++j)
      for (int k = 1; k <= perJoint; ++k)
        if (restrained(j, k) == fixed)
          model.CoordNumbers((j - 1) * perJoint + k) = static_cast<std::int16_t>(++next);
    if (!fixed) free = next;
  }
  model.DofCount = static_cast<std::int16_t>(free);
  model.RestrainedCount = static_cast<std::int16_t>(total - free);
  model.JointDisplacements.Redim(free);
  for (int n = 1; n <= free; ++n) model.JointDisplacements(n) = (n % 2 == 0 ? -n : n) / 1000.0f;
  model.MemberEndForces.Redim(model.MemberCount, 2 * perJoint);
  for (int m = 1; m <= model.MemberCount; ++m)
    for (int c = 1; c <= 2 * perJoint; ++c)
      model.MemberEndForces(m, c) = static_cast<float>(c > perJoint ? -(10 * m + c) : 10 * m + c);
  for (int m = 1; IsTruss(model.StructType) && m <= model.MemberCount; ++m) {
    float q = m % 3 == 1 ? -(10.0f * m + 1) : m % 3 == 2 ? 10.0f * m + 1 : 0.0f;
    model.MemberEndForces(m, 1) = q;
    model.MemberEndForces(m, perJoint + 1) = -q;
  }
  model.SupportReactions.Redim(total - free);
  for (int r = 1; r <= total - free; ++r) model.SupportReactions(r) = 100.0f * (free + r) + 0.5f;
  model.AnalysisStatus = kAnalysisComplete;
}

std::string LineAfter(const std::vector<std::string>& lines, const std::string& text, int offset) {
  auto it = std::find_if(lines.begin(), lines.end(), [&](const std::string& line) {
    return line.find(text) != std::string::npos;
  });
  EXPECT_NE(it, lines.end()) << text;
  return it == lines.end() ? "" : *(it + offset);
}

}  // namespace stavelorn
