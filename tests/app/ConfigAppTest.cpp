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
// window: that one is asked for the focus and no window opens here. A
// question the system cannot answer is no holder or no window, and a name it
// refuses is run without.
TEST_F(ConfigAppTest, SingleInstanceRules) {
  const std::string find = "find QVConfigAppAtom", add = "add QVConfigAppAtom",
                    window = "window QVConfigAppAtom Zarvex Configuration";
  struct Case {
    std::optional<bool> other_holds, other_has_window;
    bool refuses_name, held;
    std::vector<std::string> calls;
  };
  const Case cases[] = {
      {false, false, false, true, {find, add}},
      {true, false, false, false, {find, window, add}},
      {true, true, false, false, {find, window, "focus QVConfigAppAtom Zarvex Configuration"}},
      {std::nullopt, true, false, true, {find, add}},
      {true, std::nullopt, true, false, {find, window, add}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    FakeSingleInstance instance;
    instance.other_holds = c.other_holds;
    instance.other_has_window = c.other_has_window;
    instance.refuses_name = c.refuses_name;
    platform::Installed installed(instance, &platform::SetSingleInstance);
    const bool opens = c.calls.back() == add;
    ConfigApp app;
    const std::size_t windows_before = m_backend.Windows().size();
    if (opens) {
      m_backend.In(resources::kMainDialog)
          .Run([&] {
            EXPECT_EQ(instance.held, c.held);
            EXPECT_NE(app.GetMainWindow(), nullptr);
          })
          .Escape();
    }
    EXPECT_FALSE(app.InitInstance());
    EXPECT_FALSE(instance.held);
    EXPECT_EQ(app.GetMainWindow(), nullptr);
    EXPECT_EQ(instance.calls, c.calls);
    EXPECT_EQ(m_backend.Windows().size() - windows_before, opens ? 1u : 0u);
    EngineServices::ReleaseProcessServices();
  }
}

}  // namespace
