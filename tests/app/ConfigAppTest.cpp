#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "app/ConfigApp.h"
#include "app/ConfigDialog.h"
#include "platform/SingleInstance.h"
#include "resources/ResourceIds.h"

namespace {

// The single-instance name as the application uses it, with a scripted
// other instance.
class FakeSingleInstance final : public platform::SingleInstance {
 public:
  class Name final : public platform::InstanceName {
   public:
    explicit Name(FakeSingleInstance& owner) : m_owner(owner) { m_owner.m_held = true; }
    ~Name() override { m_owner.m_held = false; }

   private:
    FakeSingleInstance& m_owner;
  };

  bool Find(const std::string& name) override {
    m_calls.push_back("find " + name);
    return m_other_holds;
  }
  bool HolderHasWindow(const std::string& name, const std::string& title) override {
    m_calls.push_back("window " + name + " " + title);
    return m_other_has_window;
  }
  void HolderTakeFocus(const std::string& name, const std::string& title) override {
    m_calls.push_back("focus " + name + " " + title);
  }
  std::unique_ptr<platform::InstanceName> Add(const std::string& name,
                                              platform::InstanceResponder& responder) override {
    m_calls.push_back("add " + name);
    m_responder = &responder;
    if (m_other_holds) {
      return nullptr;
    }
    return std::make_unique<Name>(*this);
  }

  bool m_other_holds = false;
  bool m_other_has_window = false;
  bool m_held = false;
  platform::InstanceResponder* m_responder = nullptr;
  std::vector<std::string> m_calls;
};

class NoWindows final : public platform::InstanceResponder {
 public:
  bool HasTopLevelWindow(const std::string&) override { return false; }
  void TakeFocus(const std::string&) override {}
};

using ConfigAppTest = MainWindowTest;

// Alone: the name is held exactly while the main window runs.
TEST_F(ConfigAppTest, HoldsTheNameWhileTheWindowRuns) {
  FakeSingleInstance instance;
  NoWindows responder;
  ConfigApp app(instance, responder);
  m_backend.In(resources::kMainDialog).Run([&] {
    EXPECT_TRUE(instance.m_held);
    EXPECT_NE(app.GetMainWindow(), nullptr);
  });
  m_backend.Escape();
  EXPECT_FALSE(app.InitInstance());
  EXPECT_FALSE(instance.m_held);
  EXPECT_EQ(app.GetMainWindow(), nullptr);
  EXPECT_EQ(instance.m_responder, &responder);
  EXPECT_EQ(instance.m_calls,
            (std::vector<std::string>{"find QVConfigAppAtom", "add QVConfigAppAtom"}));
  EXPECT_EQ(m_backend.Windows().size(), 1u);
}

// Another instance with its window: it gets the focus, no window here.
TEST_F(ConfigAppTest, SecondStartFocusesTheFirstAndEnds) {
  FakeSingleInstance instance;
  instance.m_other_holds = true;
  instance.m_other_has_window = true;
  NoWindows responder;
  ConfigApp app(instance, responder);
  EXPECT_FALSE(app.InitInstance());
  EXPECT_EQ(instance.m_calls,
            (std::vector<std::string>{"find QVConfigAppAtom",
                                      "window QVConfigAppAtom Zarvex Configuration",
                                      "focus QVConfigAppAtom Zarvex Configuration"}));
  EXPECT_TRUE(m_backend.Windows().empty());
}

// A holder without that window does not stop the start.
TEST_F(ConfigAppTest, WindowlessHolderDoesNotBlock) {
  FakeSingleInstance instance;
  instance.m_other_holds = true;
  NoWindows responder;
  ConfigApp app(instance, responder);
  m_backend.Escape();
  EXPECT_FALSE(app.InitInstance());
  EXPECT_EQ(m_backend.Windows().size(), 1u);
  EXPECT_EQ(instance.m_calls,
            (std::vector<std::string>{"find QVConfigAppAtom",
                                      "window QVConfigAppAtom Zarvex Configuration",
                                      "add QVConfigAppAtom"}));
}

}  // namespace
