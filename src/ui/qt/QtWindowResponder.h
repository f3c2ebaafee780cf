#pragma once

#include <string>

#include "platform/InstanceResponder.h"

class QWidget;

namespace ui::qt {

// Answers later starts about this process's top-level windows, whatever
// window they are, as a window lookup by title would.
class QtWindowResponder final : public platform::InstanceResponder {
 public:
  bool HasTopLevelWindow(const std::string& title) override;
  void TakeFocus(const std::string& title) override;

 private:
  static QWidget* Find(const std::string& title);
};

}  // namespace ui::qt
