// The batch tool's options as its users read them: the help, as the tool printed it before its
// options were a table, and the man page and the README, which must name every option.
#include "cli/BatchOptionTable.h"

#include <gtest/gtest.h>

#include <cctype>

#include "support/Golden.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

// Whether `text` holds `option` as a whole word: "--diagram" is not found in "--diagrams".
bool Names(const std::string& text, const std::string& option) {
  for (std::size_t at = text.find(option); at != std::string::npos;
       at = text.find(option, at + 1)) {
    const std::size_t after = at + option.size();
    if (after == text.size() ||
        !(std::isalnum(static_cast<unsigned char>(text[after])) || text[after] == '-'))
      return true;
  }
  return false;
}

TEST(BatchOptionTable, UsageAndHelpReadAsCheckedByEye) {
  testing::ExpectGoldenFile(BatchUsageText() + BatchHelpText(), "tests/cli/golden/help.txt");
}

TEST(BatchOptionTable, TheManPageAndTheReadmeNameEveryOption) {
  const std::string readme = testing::ReadWholeFile(testing::SourcePath("README.md"));
  const std::size_t section = readme.find("## The batch tool");
  ASSERT_NE(section, std::string::npos);
  const std::string paragraph = readme.substr(section, readme.find("\n## ", section) - section);
  // roff writes each hyphen of an option as "\-".
  std::string manPage =
      testing::ReadWholeFile(testing::SourcePath("packaging/stavelorn-report.1.in"));
  for (std::size_t at; (at = manPage.find("\\-")) != std::string::npos;) manPage.erase(at, 1);
  for (const BatchOptionRow& row : BatchOptionRows()) {
    EXPECT_TRUE(Names(paragraph, row.name)) << "the README's batch tool lacks " << row.name;
    EXPECT_TRUE(Names(manPage, row.name)) << "the man page lacks " << row.name;
  }
}

}  // namespace
}  // namespace stavelorn
