#include <gtest/gtest.h>

#include "MainWindowFixture.h"
#include "app/ConfigApp.h"
#include "app/ConfigDialog.h"
#include "platform/Installed.h"
#include "platform/SingleInstance.h"
#include "resources/ResourceIds.h"
#include "support/FakeSingleInstance.h"

namespace {

using ConfigAppTest = MainWindowTest;

// Alone, or beside a holder without that window (a stale name): the name is
// taken and held exactly while the main window runs. Beside a holder with its
// window: that one is asked for the focus and no window opens here.
TEST_F(ConfigAppTest, SingleInstanceRules) {
  const std::string find = "find QVConfigAppAtom", add = "add QVConfigAppAtom",
                    window = "window QVConfigAppAtom Zarvex Configuration";
  const std::vector<std::string> calls[] = {
      {find, add},
      {find, window, add},
      {find, window, "focus QVConfigAppAtom Zarvex Configuration"}};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    FakeSingleInstance instance;
    instance.other_holds = i > 0;
    instance.other_has_window = i == 2;
    platform::Installed installed(instance, &platform::SetSingleInstance);
    const bool opens = i < 2;
    ConfigApp app;
    const std::size_t windows_before = m_backend.Windows().size();
    if (opens) {
      m_backend.In(resources::kMainDialog)
          .Run([&] {
            EXPECT_EQ(instance.held, i == 0);
            EXPECT_NE(app.GetMainWindow(), nullptr);
          })
          .Escape();
    }
    EXPECT_FALSE(app.InitInstance());
    EXPECT_FALSE(instance.held);
    EXPECT_EQ(app.GetMainWindow(), nullptr);
    EXPECT_EQ(instance.calls, calls[i]);
    EXPECT_EQ(m_backend.Windows().size() - windows_before, opens ? 1u : 0u);
    EngineServices::ReleaseProcessServices();
  }
}

}  // namespace
