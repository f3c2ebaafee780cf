#include "platform/GraphicsAdapter.h"

#include "platform/Seam.h"

namespace platform {
namespace {

constinit Seam<GraphicsAdapter> s_seam(&RealGraphicsAdapter);

}  // namespace

GraphicsAdapter& GetGraphicsAdapter() {
  return s_seam.Get();
}

GraphicsAdapter* SetGraphicsAdapter(GraphicsAdapter* adapter) {
  return s_seam.Set(adapter);
}

}  // namespace platform
