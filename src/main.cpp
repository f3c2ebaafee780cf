// The configuration tool: wires the Qt backend and the real platform pieces
// together and runs the application in the current folder, the game's.
#include <QApplication>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <QWidget>
#include <qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <clocale>
#include <map>
#include <memory>

#include "app/ConfigApp.h"
#include "engine/DeviceManager.h"
#include "platform/GraphicsAdapter.h"
#include "platform/GraphicsRuntime.h"
#include "platform/SingleInstance.h"
#include "platform/posix/DescriptorWatcher.h"
#include "platform/posix/PosixSingleInstance.h"
#include "resources/GameResources.h"
#include "settings/GameSettings.h"
#include "ui/qt/QtDialogBackend.h"

namespace {

// Serves the single-instance channel from Qt's event loop, so requests are
// answered on the user-interface thread between two events.
class QtDescriptorWatcher final : public platform::DescriptorWatcher {
 public:
  void Watch(int descriptor, std::function<void()> on_readable) override {
    auto notifier = std::make_unique<QSocketNotifier>(descriptor, QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, std::move(on_readable));
    m_notifiers[descriptor] = std::move(notifier);
  }
  void Unwatch(int descriptor) override { m_notifiers.erase(descriptor); }

 private:
  std::map<int, std::unique_ptr<QSocketNotifier>> m_notifiers;
};

// Answers later starts about this process's top-level windows, whatever
// window they are, as a window lookup by title would.
class QtWindowResponder final : public platform::InstanceResponder {
 public:
  bool HasTopLevelWindow(const std::string& title) override { return Find(title) != nullptr; }

  void TakeFocus(const std::string& title) override {
    QWidget* window = Find(title);
    if (window == nullptr) {
      return;
    }
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->raise();
    window->activateWindow();
    // On X11 the toolkit asks for the focus with the time of the last event
    // it saw, which the server refuses when the focus moved since then
    // (always, for a request that comes from another process). The player has
    // just started the tool again, so the request is theirs: ask with the
    // server's current time.
    if (auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>()) {
      xcb_set_input_focus(x11->connection(), XCB_INPUT_FOCUS_PARENT,
                          static_cast<xcb_window_t>(window->winId()), XCB_CURRENT_TIME);
      xcb_flush(x11->connection());
    }
  }

 private:
  static QWidget* Find(const std::string& title) {
    const QString wanted = QString::fromStdString(title);
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (widget->isVisible() && widget->windowTitle() == wanted) {
        return widget;
      }
    }
    return nullptr;
  }
};

}  // namespace

int main(int argc, char** argv) {
  // The adapter query takes longer than anything else in the first refresh;
  // it runs on its own thread while the toolkit starts.
  platform::StartGraphicsPreload();

  // The tool reads no command line: the toolkit gets the program name only.
  int toolkit_argc = argc > 0 ? 1 : 0;
  QApplication application(toolkit_argc, argv);
  // The toolkit takes the locale from the environment; numbers in files and
  // logs must not follow it.
  std::setlocale(LC_NUMERIC, "C");

  resources::GameResources resources;
  ui::qt::QtDialogBackend backend;
  QtDescriptorWatcher watcher;
  platform::PosixSingleInstance single_instance(watcher);
  QtWindowResponder responder;
  ConfigApp(single_instance, responder).InitInstance();

  // A second start ends before anything needed the graphics examination. The
  // process must not reach its exit handlers while that thread is still in
  // the driver's start-up, which they tear down under it (it then never
  // ends), so wait for its findings first. After a window ran they are long
  // there.
  platform::CurrentGraphicsRuntime().QueryVersion();

  // These two live until the process ends.
  delete GameSettings::s_instance;
  delete DeviceManager::s_instance;
  return 0;
}
