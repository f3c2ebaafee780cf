#include "platform/SingleInstance.h"

#include "platform/posix/SocketSingleInstance.h"

namespace platform {

SingleInstance& RealSingleInstance() {
  static SocketSingleInstance real;
  return real;
}

}  // namespace platform
