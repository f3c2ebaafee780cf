#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/InstanceName.h"

namespace platform {

// The per-user name that keeps a program from running twice, and the channel
// through which a later start talks to the process that holds the name.
class SingleInstance {
 public:
  virtual ~SingleInstance() = default;

  // Each question answers nothing when the system could not be asked (no
  // private place for the name, no answer in time), which is not a "no".

  // Whether a live process of this user holds `name`. A name whose holder
  // has died is never found.
  virtual std::optional<bool> Find(const std::string& name) = 0;

  // Whether the holder of `name` shows a top-level window titled `title`;
  // false also when nobody holds the name.
  virtual std::optional<bool> HolderHasWindow(const std::string& name,
                                              const std::string& title) = 0;

  // Asks the holder of `name` to give the focus to its window titled `title`;
  // does not wait for it to happen.
  virtual void HolderTakeFocus(const std::string& name, const std::string& title) = 0;

  // Takes `name` for this process; later starts are answered by the
  // installed InstanceResponder. Null when another live process holds it;
  // nothing when the system refuses it.
  virtual std::optional<std::unique_ptr<InstanceName>> Add(const std::string& name) = 0;
};

// The installed single-instance channel, else the real one.
SingleInstance& GetSingleInstance();
// Installs `single_instance` (not owned; null restores the real one) and
// returns the one installed before (null when that was the real one).
SingleInstance* SetSingleInstance(SingleInstance* single_instance);
// The real channel of this platform, defined by its backend.
SingleInstance& RealSingleInstance();

}  // namespace platform
