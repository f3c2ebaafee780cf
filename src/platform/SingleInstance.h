#pragma once

#include <memory>
#include <string>

namespace platform {

// What a running instance is asked by a later start of the same program.
class InstanceResponder {
 public:
  virtual ~InstanceResponder() = default;

  // True when this process shows a top-level window titled exactly `title`.
  virtual bool HasTopLevelWindow(const std::string& title) = 0;
  // Brings the window titled `title` forward and gives it the focus.
  virtual void TakeFocus(const std::string& title) = 0;
};

// Held while this process owns the name; dropping it gives the name up.
class InstanceName {
 public:
  virtual ~InstanceName() = default;
};

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

  // Takes `name` for this process and answers later starts through
  // `responder`, which must outlive the returned holder. Null when the name
  // cannot be taken (another live process holds it).
  virtual std::unique_ptr<InstanceName> Add(const std::string& name,
                                            InstanceResponder& responder) = 0;
};

}  // namespace platform
