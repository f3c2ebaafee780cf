// Linked into the benchmark builds only: once the first top-level window has
// painted, writes "painted" on standard output and ends the process at once,
// so the benchmark driver can time process start to first paint.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <unistd.h>

namespace {

class FirstPaintFilter final : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType()) {
      m_seen = true;
      // The window's children paint in the same pass; report after it.
      QTimer::singleShot(0, [] {
        static const char kLine[] = "painted\n";
        [[maybe_unused]] const ssize_t written = ::write(1, kLine, sizeof kLine - 1);
        ::_exit(0);
      });
    }
    return false;
  }

 private:
  bool m_seen = false;
};

void InstallFirstPaintFilter() {
  QCoreApplication::instance()->installEventFilter(new FirstPaintFilter);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallFirstPaintFilter)
