#include "ui/qt/UserInterfaceThread.h"

#include <QApplication>
#include <QThread>

namespace ui::qt {

bool OnUserInterfaceThread() {
  const QCoreApplication* application = QCoreApplication::instance();
  return application != nullptr && dynamic_cast<const QApplication*>(application) != nullptr &&
         QThread::currentThread() == application->thread();
}

}  // namespace ui::qt
