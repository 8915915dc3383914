#include "ui/AccessibleNames.h"

#include <gtest/gtest.h>

#include <string>

namespace stavelorn {
namespace {

TEST(AccessibleNames, CaptionsAreSpokenWithoutMarksPaddingOrPunctuation) {
  const struct {
    const char* caption;
    const char* spoken;
    const char* unpadded;
  } cases[] = {
      {"&New Project...     ", "New Project", "&New Project..."},
      {" Project Title : ", "Project Title", "Project Title :"},
      {"End Of Joints Input. Close", "End Of Joints Input. Close", "End Of Joints Input. Close"},
      {"Title && Type", "Title & Type", "Title && Type"},
      {"Trailing mark&", "Trailing mark", "Trailing mark&"},
      {"   ", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SpokenCaption(c.caption), c.spoken) << c.caption;
    EXPECT_EQ(UnpaddedCaption(c.caption), c.unpadded) << c.caption;
  }
}

TEST(AccessibleNames, ValueLabelsSayWhatAndTheValue) {
  const struct {
    const char* what;
    const char* value;
    const char* spoken;
  } cases[] = {
      {"Precision of the results", " Double precision ",
       "Precision of the results: Double precision"},
      {"Units", "Units: kip, in, °C", "Units: kip, in, °C"},
      {"Units", "Unitsless", "Units: Unitsless"},
      {"Units", "", "Units"},
  };
  for (const auto& c : cases) EXPECT_EQ(LabelledValue(c.what, c.value), c.spoken) << c.value;
}

}  // namespace
}  // namespace stavelorn
