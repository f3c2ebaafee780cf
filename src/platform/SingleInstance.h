#pragma once

#include <memory>
#include <string>

#include "platform/InstanceName.h"

namespace platform {

// The per-user name that keeps a program from running twice, and the channel
// through which a later start talks to the process that holds the name.
class SingleInstance {
 public:
  virtual ~SingleInstance() = default;

  // True when a live process of this user holds `name`. A name whose holder
  // has died is never found.
  virtual bool Find(const std::string& name) = 0;

  // Asks the holder of `name` whether it shows a top-level window titled
  // `title`. False when there is no holder or it does not answer in time.
  virtual bool HolderHasWindow(const std::string& name, const std::string& title) = 0;

  // Asks the holder of `name` to give the focus to its window titled `title`;
  // does not wait for it to happen.
  virtual void HolderTakeFocus(const std::string& name, const std::string& title) = 0;

  // Takes `name` for this process; later starts are answered by the
  // installed InstanceResponder. Null when the name cannot be taken (another
  // live process holds it).
  virtual std::unique_ptr<InstanceName> Add(const std::string& name) = 0;
};

// The installed single-instance channel, else the real one.
SingleInstance& GetSingleInstance();
// Installs `single_instance` (not owned; null restores the real one) and
// returns the one installed before (null when that was the real one).
SingleInstance* SetSingleInstance(SingleInstance* single_instance);
// The real channel of this platform, defined by its backend.
SingleInstance& RealSingleInstance();

}  // namespace platform
