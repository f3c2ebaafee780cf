#pragma once

namespace platform {

// Held while this process owns a single-instance name; dropping it gives the
// name up.
class InstanceName {
 public:
  virtual ~InstanceName() = default;
};

}  // namespace platform
