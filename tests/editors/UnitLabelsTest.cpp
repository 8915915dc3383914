// With named units every list heading and entry-dialog label of a value carries the unit of its
// quantity; without them the windows read as they always have.
#include <gtest/gtest.h>

#include "editors/EditorSession.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

// A space frame names every kind of value a list can hold (truss-free, with loads of each kind).
struct Row {
  FormId form;
  std::vector<const char*> headings;  // the units of grid columns 1.. ("" for none)
  std::vector<const char*> labels;    // the units of the dialog's visible value fields, in order
};

TEST(UnitLabels, EveryValueColumnAndFieldShowsItsUnit) {
  const Row rows[] = {
      {FormId::JointA, {"m", "m", "m", ""}, {"m", "m", "m"}},
      {FormId::MatA, {"kN/m²", "kN/m²", "1/°C"}, {"kN/m²", "1/°C", "kN/m²"}},
      {FormId::CrossA, {"m²", "m⁴", "m⁴", "m⁴"}, {"m²", "m⁴", "m⁴", "m⁴"}},
      {FormId::JLoadA,
       {"kN", "kN", "kN", "kN·m", "kN·m", "kN·m"},
       {"kN", "kN", "kN", "kN·m", "kN·m", "kN·m"}},
      {FormId::JSettleA, {"m", "m", "m", "", "", ""}, {"m", "m", "m", "", "", ""}},
      {FormId::MemTempA, {"°C"}, {"°C"}},
      {FormId::MemErrA, {"m"}, {"m"}},
      // The new load is a uniform one: w, then a and b.
      {FormId::MemLoadA, {"kN/m"}, {"kN/m", "m", "m"}},
  };
  for (bool named : {true, false}) {
    for (const Row& row : rows) {
      ModelStore model = testing::FullModel("SFrame");
      if (named) model.Units = NamedUnits(ForceUnit::kN, LengthUnit::m, TemperatureUnit::C);
      testing::Session s(row.form, model);
      SCOPED_TRACE(static_cast<int>(row.form));
      for (std::size_t c = 0; c < row.headings.size(); ++c) {
        const std::string heading = s.editor.Grid().Text(0, static_cast<int>(c) + 1);
        const std::string unit = row.headings[c];
        if (named && !unit.empty())
          EXPECT_NE(heading.find("[" + unit + "]"), std::string::npos) << heading;
        else
          EXPECT_EQ(heading.find('['), std::string::npos) << heading;
      }
      std::vector<std::string> labels;
      s.windows.Then([&](ListEditor& ed) {
        for (const EntryField& field : ed.Dialog().Text)
          if (field.Visible && !field.ReadOnly && field.Label.find("No.") == std::string::npos)
            labels.push_back(field.Label);
        ed.CancelEntry();
      });
      s.editor.Add();
      ASSERT_EQ(labels.size(), row.labels.size());
      for (std::size_t i = 0; i < labels.size(); ++i) {
        const std::string unit = row.labels[i];
        if (named && !unit.empty())
          EXPECT_NE(labels[i].find("[" + unit + "]"), std::string::npos) << labels[i];
        else
          EXPECT_EQ(labels[i].find('['), std::string::npos) << labels[i];
      }
    }
  }
}

}  // namespace
}  // namespace stavelorn

namespace stavelorn {
namespace {

// A joint load's column and field name the component by the symbol the tooltip words it by
// ("Fx = 10"), the unit after it.
TEST(UnitLabels, JointLoadsNameTheirComponentsBySymbol) {
  ModelStore model = testing::FullModel("SFrame");
  model.Units = NamedUnits(ForceUnit::kN, LengthUnit::m, TemperatureUnit::C);
  testing::Session s(FormId::JLoadA, model);
  const char* headings[] = {"X-Force (Fx) [kN]",    "Y-Force (Fy) [kN]",    "Z-Force (Fz) [kN]",
                            "X-Moment (Mx) [kN·m]", "Y-Moment (My) [kN·m]", "Z-Moment (Mz) [kN·m]"};
  for (int k = 1; k <= 6; ++k) EXPECT_EQ(s.editor.Grid().Text(0, k), headings[k - 1]);
  s.windows.Then([](ListEditor& ed) {
    EXPECT_EQ(ed.Dialog().Text[7].Label, "Z-Moment (Mz) [kN·m] :");
    ed.CancelEntry();
  });
  s.editor.Add();
}

}  // namespace
}  // namespace stavelorn
