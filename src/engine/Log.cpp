#include "engine/Log.h"

#include <cstdarg>
#include <cstdio>
#include <utility>

#include "engine/Mutex.h"
#include "platform/CFormat.h"
#include "platform/FileSystem.h"

namespace {

constexpr const char* kLogPath = "_LOG\\PClog.txt";
constexpr const char* kMutexName = "KUtlMutex";
// A channel whose entry holds this value is disabled.
constexpr std::uint32_t kDisabled = 5;

// The log file's own state, shared by every Log of the process.
bool s_first_write = true;
bool s_file_enabled = false;

Log::Observer& CurrentObserver() {
  static Log::Observer observer;
  return observer;
}

}  // namespace

Log* Log::s_instance = nullptr;

Log::Log() : m_mutex(std::make_unique<Mutex>(kMutexName)) {
  m_channels[0] = 0;
  for (unsigned channel = 1; channel < kChannelCount; ++channel) m_channels[channel] = kDisabled;
  if (s_instance == nullptr) s_instance = this;
}

Log::~Log() {
  if (s_instance == this) s_instance = nullptr;
}

void Log::Printf(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  PrintfV(format, args);
  va_end(args);
}

void Log::PrintfV(const char* format, std::va_list args) {
  m_mutex->Lock();
  m_buffer[0] = '\0';
  platform::FormatCLocale(m_buffer, kBufferSize, format, args);
  m_buffer[kBufferSize - 1] = '\0';
  if (const Observer& observer = CurrentObserver()) observer(m_buffer);
  if (IsEnabled(kMessageChannel)) WriteToFile(m_buffer);
  m_mutex->Unlock();
}

bool Log::IsEnabled(unsigned channel) const {
  return channel < kChannelCount && m_channels[channel] != kDisabled;
}

void Log::EnableChannel(unsigned channel) {
  if (channel < kChannelCount) m_channels[channel] = 0;
}

void Log::DisableChannel(unsigned channel) {
  if (channel < kChannelCount) m_channels[channel] = kDisabled;
}

void Log::WriteToFile(const char* text) {
  platform::FileSystem& file_system = platform::GetFileSystem();
  platform::NativeFile* file = nullptr;
  if (s_first_write) {
    // The first message decides, once, whether the file is used at all; the
    // _LOG folder is never created, so without it the log stays silent.
    if (const auto opened = file_system.Open(kLogPath, "w")) file = *opened;
    s_file_enabled = file != nullptr;
    s_first_write = false;
  }
  if (!s_file_enabled) return;
  if (file == nullptr) {
    const auto opened = file_system.Open(kLogPath, "a+");
    if (!opened) return;
    file = *opened;
  }
  const std::string line(text);
  file_system.Write(file, line.data(), line.size());
  file_system.Close(file);
}

void Log::ResetFileState() {
  s_first_write = true;
  s_file_enabled = false;
}

Log::Observer Log::SetObserver(Observer observer) {
  return std::exchange(CurrentObserver(), std::move(observer));
}

void LogPrintf(const char* format, ...) {
  if (Log::s_instance == nullptr) return;
  std::va_list args;
  va_start(args, format);
  Log::s_instance->PrintfV(format, args);
  va_end(args);
}
