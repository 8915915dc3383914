#include "app/MenuRoutes.h"

#include <gtest/gtest.h>

#include "editors/DataWindows.h"
#include "support/SampleModels.h"
#include "support/ScriptedMessages.h"

namespace stavelorn {
namespace {

// Every data menu item opens the list window of its own data, with a preview exactly where the
// controller asks for one; results items open their results windows.
TEST(MenuRoutes, EachDataMenuOpensItsOwnListWindow) {
  ModelStore model = testing::FullModel("PFrame");
  ScriptedMessages messages;
  int dataWindows = 0, resultsWindows = 0;
  for (const MenuItemInfo& info : MenuItems()) {
    const MenuRoute route = RouteOf(info.Item);
    if (route.Target == MenuTarget::ResultsWindow) ++resultsWindows;
    if (route.Target != MenuTarget::DataWindow) continue;
    ++dataWindows;
    DataWindow window = MakeDataWindow(route.Window, model, messages);
    EXPECT_EQ(window.Editor->Window().Id, route.Window);
    EXPECT_EQ(static_cast<bool>(window.DrawPreview), window.Editor->Window().Preview);
  }
  EXPECT_EQ(dataWindows, 9);
  EXPECT_EQ(resultsWindows, 3);
  EXPECT_THROW(MakeDataWindow(FormId::Disp, model, messages), std::invalid_argument);
}

}  // namespace
}  // namespace stavelorn
