#include "platform/InstanceResponder.h"

#include "platform/Seam.h"

namespace platform {
namespace {

constinit Seam<InstanceResponder> s_seam(&RealInstanceResponder);

}  // namespace

InstanceResponder& GetInstanceResponder() {
  return s_seam.Get();
}

InstanceResponder* SetInstanceResponder(InstanceResponder* responder) {
  return s_seam.Set(responder);
}

}  // namespace platform
