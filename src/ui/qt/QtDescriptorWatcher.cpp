#include "ui/qt/QtDescriptorWatcher.h"

namespace ui::qt {

void QtDescriptorWatcher::Watch(int descriptor, std::function<void()> on_readable) {
  auto notifier = std::make_unique<QSocketNotifier>(descriptor, QSocketNotifier::Read);
  QObject::connect(notifier.get(), &QSocketNotifier::activated, std::move(on_readable));
  m_notifiers[descriptor] = std::move(notifier);
}

void QtDescriptorWatcher::Unwatch(int descriptor) {
  m_notifiers.erase(descriptor);
}

}  // namespace ui::qt
