#include <gtest/gtest.h>

#include "MainWindowFixture.h"
#include "app/ConfigApp.h"
#include "app/ConfigDialog.h"
#include "platform/SingleInstance.h"
#include "resources/ResourceIds.h"

namespace {

// The single-instance name as the application uses it, with a scripted
// other instance; it is also the responder handed to Add and records the calls.
struct FakeSingleInstance final : platform::SingleInstance, platform::InstanceResponder {
  struct Name final : platform::InstanceName {
    explicit Name(bool& held) : m_held(held) { m_held = true; }
    ~Name() override { m_held = false; }
    bool& m_held;
  };

  bool Find(const std::string& name) override { return Call("find " + name, m_other_holds); }
  bool HolderHasWindow(const std::string& name, const std::string& title) override {
    return Call("window " + name + " " + title, m_other_has_window);
  }
  void HolderTakeFocus(const std::string& name, const std::string& title) override {
    Call("focus " + name + " " + title, false);
  }
  std::unique_ptr<platform::InstanceName> Add(const std::string& name,
                                              platform::InstanceResponder&) override {
    return Call("add " + name, m_other_holds) ? nullptr : std::make_unique<Name>(m_held);
  }
  bool HasTopLevelWindow(const std::string&) override { return false; }
  void TakeFocus(const std::string&) override {}
  bool Call(const std::string& call, bool result) { return m_calls.push_back(call), result; }

  bool m_other_holds = false, m_other_has_window = false, m_held = false;
  std::vector<std::string> m_calls;
};

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
    instance.m_other_holds = i > 0;
    instance.m_other_has_window = i == 2;
    const bool opens = i < 2;
    ConfigApp app(instance, instance);
    const std::size_t windows_before = m_backend.Windows().size();
    if (opens) {
      m_backend.In(resources::kMainDialog)
          .Run([&] {
            EXPECT_EQ(instance.m_held, i == 0);
            EXPECT_NE(app.GetMainWindow(), nullptr);
          })
          .Escape();
    }
    EXPECT_FALSE(app.InitInstance());
    EXPECT_FALSE(instance.m_held);
    EXPECT_EQ(app.GetMainWindow(), nullptr);
    EXPECT_EQ(instance.m_calls, calls[i]);
    EXPECT_EQ(m_backend.Windows().size() - windows_before, opens ? 1u : 0u);
    EngineServices::ReleaseProcessServices();
  }
}

}  // namespace
