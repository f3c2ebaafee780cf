#include "platform/posix/SdlLibrary.h"

#include <dlfcn.h>

#include <mutex>
#include <optional>
#include <string>

namespace platform::posix {
namespace {

std::string LoaderError(const char* fallback) {
  const char* text = dlerror();
  return text != nullptr ? text : fallback;
}

}  // namespace

SystemResult<SdlLibrary> LoadSdlLibrary(const char* library_name) {
  void* handle = dlopen(library_name, RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    return SystemError{0, LoaderError(library_name)};
  }
  SdlLibrary library;
#define QV_SDL_RESOLVE(name)                                                     \
  library.name = reinterpret_cast<decltype(library.name)>(dlsym(handle, #name)); \
  if (library.name == nullptr) {                                                 \
    SystemError error{0, LoaderError(#name)};                                    \
    dlclose(handle);                                                             \
    return error;                                                                \
  }
  QV_SDL_FUNCTIONS(QV_SDL_RESOLVE)
#undef QV_SDL_RESOLVE
  return library;
}

SystemResult<const SdlLibrary*> SdlLibraryForThisProcess() {
  // Filled once and never emptied, so the pointers handed out stay valid.
  static std::mutex mutex;
  static std::optional<SdlLibrary> loaded;
  const std::lock_guard<std::mutex> lock(mutex);
  if (!loaded) {
    SystemResult<SdlLibrary> library = LoadSdlLibrary(kSdlLibraryName);
    if (!library) {
      return library.Error();
    }
    loaded = *library;
  }
  return &*loaded;
}

}  // namespace platform::posix
