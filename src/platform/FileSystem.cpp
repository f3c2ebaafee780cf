#include "platform/FileSystem.h"

#include "platform/Seam.h"

namespace platform {
namespace {

constinit Seam<FileSystem> s_seam(&RealFileSystem);

}  // namespace

FileSystem& GetFileSystem() {
  return s_seam.Get();
}

FileSystem* SetFileSystem(FileSystem* file_system) {
  return s_seam.Set(file_system);
}

}  // namespace platform
