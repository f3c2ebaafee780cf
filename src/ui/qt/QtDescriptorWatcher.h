#pragma once

#include <QSocketNotifier>

#include <functional>
#include <map>
#include <memory>

#include "platform/DescriptorWatcher.h"

namespace ui::qt {

// Serves the single-instance channel from Qt's event loop, so requests are
// answered on the user-interface thread between two events.
class QtDescriptorWatcher final : public platform::DescriptorWatcher {
 public:
  void Watch(int descriptor, std::function<void()> on_readable) override;
  void Unwatch(int descriptor) override;

 private:
  std::map<int, std::unique_ptr<QSocketNotifier>> m_notifiers;
};

}  // namespace ui::qt
