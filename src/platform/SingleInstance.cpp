#include "platform/SingleInstance.h"

#include "platform/Seam.h"

namespace platform {
namespace {

constinit Seam<SingleInstance> s_seam(&RealSingleInstance);

}  // namespace

SingleInstance& GetSingleInstance() {
  return s_seam.Get();
}

SingleInstance* SetSingleInstance(SingleInstance* single_instance) {
  return s_seam.Set(single_instance);
}

}  // namespace platform
