#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "app/ConfigApp.h"
#include "app/ConfigDialog.h"
#include "platform/SingleInstance.h"
#include "resources/ResourceIds.h"
#include "settings/GameSettings.h"

namespace {

// The single-instance name as the application uses it, with a scripted
// other instance; it is also the responder handed to Add.
class FakeSingleInstance final : public platform::SingleInstance,
                                 public platform::InstanceResponder {
 public:
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
                                              platform::InstanceResponder& responder) override {
    m_responder = &responder;
    return Call("add " + name, m_other_holds) ? nullptr : std::make_unique<Name>(m_held);
  }
  bool HasTopLevelWindow(const std::string&) override { return false; }
  void TakeFocus(const std::string&) override {}

  bool Call(const std::string& call, bool result) {
    m_calls.push_back(call);
    return result;
  }
  bool m_other_holds = false, m_other_has_window = false, m_held = false;
  platform::InstanceResponder* m_responder = nullptr;
  std::vector<std::string> m_calls;
};

using ConfigAppTest = MainWindowTest;

// Alone, or beside a holder without that window (a stale name): the name is
// taken and held exactly while the main window runs. Beside a holder with its
// window: that one is asked for the focus and no window opens here.
TEST_F(ConfigAppTest, SingleInstanceRules) {
  const std::string find = "find QVConfigAppAtom", add = "add QVConfigAppAtom",
                    window = "window QVConfigAppAtom Zarvex Configuration";
  struct Case {
    bool other_holds, other_has_window;
    std::size_t windows;
    std::vector<std::string> calls;
  };
  const Case cases[] = {
      {false, false, 1, {find, add}},
      {true, false, 1, {find, window, add}},
      {true, true, 0, {find, window, "focus QVConfigAppAtom Zarvex Configuration"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.calls.size() + c.other_has_window);
    FakeSingleInstance instance;
    instance.m_other_holds = c.other_holds;
    instance.m_other_has_window = c.other_has_window;
    ConfigApp app(instance, instance);
    const std::size_t windows_before = m_backend.Windows().size();
    if (c.windows == 1) {
      m_backend.In(resources::kMainDialog)
          .Run([&] {
            EXPECT_EQ(instance.m_held, !c.other_holds);
            EXPECT_NE(app.GetMainWindow(), nullptr);
          })
          .Escape();
    }
    EXPECT_FALSE(app.InitInstance());
    EXPECT_FALSE(instance.m_held);
    EXPECT_EQ(app.GetMainWindow(), nullptr);
    EXPECT_EQ(instance.m_calls, c.calls);
    EXPECT_EQ(m_backend.Windows().size() - windows_before, c.windows);
    if (c.windows == 1) {
      EXPECT_EQ(instance.m_responder, &instance);
    }
    delete GameSettings::s_instance;
  }
}

}  // namespace
