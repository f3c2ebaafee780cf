#include "ControllerOpening.h"

#include <QApplication>
#include <SDL.h>

#include <chrono>
#include <memory>
#include <vector>

#include "controls/ControllerDialog.h"
#include "platform/MessageBox.h"
#include "resources/GameResources.h"
#include "resources/ResourceIds.h"
#include "settings/GameSettings.h"
#include "support/VirtualPad.h"
#include "ui/qt/QtDialogBackend.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPadCount = 2;

// SDL's joystick part, started for as long as this lives when asked to be.
struct JoystickPart {
  explicit JoystickPart(bool wanted) {
    if (!wanted) return;
    // As the gamepad system does before its own start: SDL must leave SIGINT
    // and SIGTERM to the toolkit.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    started = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
  }
  ~JoystickPart() {
    if (started) SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
  }
  JoystickPart(const JoystickPart&) = delete;
  JoystickPart& operator=(const JoystickPart&) = delete;
  bool started = false;
};
constexpr unsigned kOpenTimer = 1;

// The controller window, ended by its first paint, which it times from
// `click` (taken before its construction).
class TimedControllerDialog final : public ControllerDialog {
 public:
  TimedControllerDialog(PlayerControls& player_block, Dialog* parent, Clock::time_point click)
      : ControllerDialog(player_block, parent), m_click(click) {}

  std::optional<double> Milliseconds() const { return m_milliseconds; }

 protected:
  void OnPaint(ui::PaintContext& context) override {
    ControllerDialog::OnPaint(context);
    if (m_milliseconds) return;
    m_milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - m_click).count();
    EndDialog(platform::kIdCancel);
  }

 private:
  Clock::time_point m_click;
  std::optional<double> m_milliseconds;
};

// Stands in for the main window: the controller window has an owner as it
// does in the tool, and Qt has shown a window before the click. Once it has
// painted, it opens the controller window from its event loop, as a click on
// Configure would, `openings` times.
class HostWindow final : public Dialog {
 public:
  explicit HostWindow(int openings) : Dialog(resources::kMainDialog), m_openings(openings) {}

  std::optional<double> LastFigure() const { return m_last_figure; }

 protected:
  void OnPaint(ui::PaintContext& context) override {
    Dialog::OnPaint(context);
    if (m_clicked) return;
    m_clicked = true;
    SetTimer(kOpenTimer, 0);
  }

  void OnTimer(unsigned timer_id) override {
    if (timer_id != kOpenTimer) return;
    KillTimer(kOpenTimer);
    for (int opening = 0; opening < m_openings; ++opening) {
      const Clock::time_point click = Clock::now();
      TimedControllerDialog controller(GameSettings::s_instance->m_players[0], this, click);
      controller.DoModal();
      m_last_figure = controller.Milliseconds();
    }
    EndDialog(platform::kIdOk);
  }

 private:
  int m_openings;
  bool m_clicked = false;
  std::optional<double> m_last_figure;
};

}  // namespace

std::optional<double> TimeControllerOpening(int& argc, char** argv, Opening opening,
                                            PadSetup pads) {
  QApplication application(argc, argv);
  ui::qt::QtDialogBackend backend;
  resources::GameResources resources;
  GameSettings settings;
  // Attaching virtual pads needs SDL's joystick part, so with pads it is
  // started here, before any clock; the opening then starts only the
  // game-controller part. Without pads SDL is not started at all.
  const JoystickPart joystick_part(pads == PadSetup::kTwoPads);
  if (pads == PadSetup::kTwoPads && !joystick_part.started) return std::nullopt;
  std::vector<std::unique_ptr<test::VirtualPad>> virtual_pads;
  for (int pad = 0; joystick_part.started && pad < kPadCount; ++pad) {
    virtual_pads.push_back(std::make_unique<test::VirtualPad>("Virtual Pad"));
    if (!virtual_pads.back()->Plugged()) return std::nullopt;
  }
  HostWindow host(opening == Opening::kCold ? 1 : 2);
  if (host.DoModal() != platform::kIdOk) return std::nullopt;
  return host.LastFigure();
}
