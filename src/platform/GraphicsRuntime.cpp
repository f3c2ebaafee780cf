#include "platform/GraphicsRuntime.h"

#include "platform/Seam.h"

namespace platform {
namespace {

constinit Seam<GraphicsRuntime> s_seam(&RealGraphicsRuntime);

}  // namespace

GraphicsRuntime& GetGraphicsRuntime() {
  return s_seam.Get();
}

GraphicsRuntime* SetGraphicsRuntime(GraphicsRuntime* runtime) {
  return s_seam.Set(runtime);
}

}  // namespace platform
