#include "MemoryFileSystem.h"

#include <algorithm>
#include <cstring>
#include <utility>

// A position in a file's shared bytes.
struct MemoryFileSystem::Handle {
  std::shared_ptr<std::string> bytes;
  std::size_t position = 0;
  bool reading = false;
  bool writing = false;
  bool appending = false;
};

MemoryFileSystem::MemoryFileSystem() = default;
MemoryFileSystem::~MemoryFileSystem() = default;

MemoryFileSystem::Handle& MemoryFileSystem::Of(platform::NativeFile* file) {
  return *reinterpret_cast<Handle*>(file);
}

std::string MemoryFileSystem::Key(const std::string& path) {
  std::string key = path;
  std::replace(key.begin(), key.end(), '\\', '/');
  while (key.size() > 1 && key.back() == '/') key.pop_back();
  return key;
}

platform::SystemError MemoryFileSystem::NoSuchFile() {
  return {2, "No such file or directory"};
}

bool MemoryFileSystem::FolderExists(const std::string& key) const {
  return key.empty() || key == "." || key == "/" || m_folders.contains(key);
}

bool MemoryFileSystem::ParentExists(const std::string& key) const {
  const std::size_t slash = key.rfind('/');
  return FolderExists(slash == std::string::npos ? std::string() : Key(key.substr(0, slash)));
}

platform::SystemResult<platform::NativeFile*> MemoryFileSystem::Open(const std::string& path,
                                                                     const char* mode) {
  const std::string key = Key(path);
  const bool plus = std::strchr(mode, '+') != nullptr;
  auto handle = std::make_unique<Handle>();
  handle->reading = mode[0] == 'r' || plus;
  handle->writing = mode[0] != 'r' || plus;
  handle->appending = mode[0] == 'a';
  auto found = m_files.find(key);
  if (mode[0] == 'r') {
    if (found == m_files.end()) return NoSuchFile();
  } else if (found == m_files.end()) {
    if (!ParentExists(key) || FolderExists(key)) return NoSuchFile();
    found = m_files.emplace(key, std::make_shared<std::string>()).first;
  } else if (mode[0] == 'w') {
    found->second->clear();
  }
  handle->bytes = found->second;
  ++m_open_files;
  return reinterpret_cast<platform::NativeFile*>(handle.release());
}

std::optional<platform::SystemError> MemoryFileSystem::Close(platform::NativeFile* file) {
  if (file == nullptr) return std::nullopt;
  delete &Of(file);
  --m_open_files;
  return std::nullopt;
}

std::size_t MemoryFileSystem::Read(platform::NativeFile* file, void* buffer, std::size_t count) {
  Handle& handle = Of(file);
  if (!handle.reading || handle.position >= handle.bytes->size()) return 0;
  const std::size_t moved = std::min(count, handle.bytes->size() - handle.position);
  std::memcpy(buffer, handle.bytes->data() + handle.position, moved);
  handle.position += moved;
  return moved;
}

std::size_t MemoryFileSystem::Write(platform::NativeFile* file, const void* buffer,
                                    std::size_t count) {
  Handle& handle = Of(file);
  if (!handle.writing) return 0;
  std::string& bytes = *handle.bytes;
  if (handle.appending) handle.position = bytes.size();
  // Writing past the end fills the gap with zeros, as a seek past the end does.
  if (bytes.size() < handle.position + count) bytes.resize(handle.position + count);
  std::memcpy(bytes.data() + handle.position, buffer, count);
  handle.position += count;
  return count;
}

std::optional<platform::SystemError> MemoryFileSystem::Seek(platform::NativeFile* file,
                                                            std::int64_t offset,
                                                            platform::SeekOrigin origin) {
  Handle& handle = Of(file);
  const std::int64_t base = origin == platform::SeekOrigin::kStart ? 0
                            : origin == platform::SeekOrigin::kCurrent
                                ? static_cast<std::int64_t>(handle.position)
                                : static_cast<std::int64_t>(handle.bytes->size());
  if (base + offset < 0) return platform::SystemError{22, "Invalid argument"};
  handle.position = static_cast<std::size_t>(base + offset);
  return std::nullopt;
}

platform::SystemResult<std::int64_t> MemoryFileSystem::Tell(platform::NativeFile* file) {
  return static_cast<std::int64_t>(Of(file).position);
}

std::optional<platform::SystemError> MemoryFileSystem::Flush(platform::NativeFile*) {
  return std::nullopt;
}

bool MemoryFileSystem::Exists(const std::string& path) {
  const std::string key = Key(path);
  return m_files.contains(key) || FolderExists(key);
}

std::optional<platform::SystemError> MemoryFileSystem::Remove(const std::string& path) {
  if (m_files.erase(Key(path)) == 1) return std::nullopt;
  return NoSuchFile();
}

platform::SystemResult<platform::MadeDirectory> MemoryFileSystem::MakeDirectory(
    const std::string& path) {
  const std::string key = Key(path);
  if (FolderExists(key) || m_files.contains(key)) return platform::MadeDirectory::kAlreadyExists;
  m_folders.insert(key);
  return platform::MadeDirectory::kCreated;
}

std::optional<std::uint64_t> MemoryFileSystem::FreeSpace() {
  return std::uint64_t{1} << 32;
}

std::optional<std::string> MemoryFileSystem::Contents(const std::string& path) const {
  const auto found = m_files.find(Key(path));
  if (found == m_files.end()) return std::nullopt;
  return *found->second;
}

void MemoryFileSystem::SetContents(const std::string& path, std::string bytes) {
  const std::string key = Key(path);
  auto found = m_files.find(key);
  if (found == m_files.end()) {
    m_files.emplace(key, std::make_shared<std::string>(std::move(bytes)));
  } else {
    *found->second = std::move(bytes);
  }
}
