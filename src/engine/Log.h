#pragma once

#include <cstdarg>
#include <cstdint>
#include <functional>
#include <memory>

#include "engine/String.h"

class Mutex;

// The process-wide log. Every message is formatted under the "KUtlMutex"
// system mutex and, when channel 4 is enabled, appended to _LOG\PClog.txt.
// A new Log has only channel 0 enabled, so nothing reaches the file in
// normal use.
class Log {
 public:
  static constexpr std::size_t kBufferSize = 512;
  static constexpr unsigned kChannelCount = 8;
  static constexpr unsigned kMessageChannel = 4;

  // The process-wide log: null until one is created. The constructor makes
  // the new object the instance when there is none; the destructor clears
  // the pointer when it points at the object destroyed.
  static Log* s_instance;

  Log();
  virtual ~Log();
  Log(const Log&) = delete;
  Log& operator=(const Log&) = delete;

  // Formats the message (cut to 511 characters) and writes it on channel 4.
  // Messages carry their own line ends. Pass outside text as an argument of
  // "%s", never as the format.
  [[gnu::format(printf, 2, 3)]] void Printf(const char* format, ...);
  void PrintfV(const char* format, std::va_list args);

  bool IsEnabled(unsigned channel) const;

  // Nothing in the tool enables a channel other than 0; these exist for the
  // game's debug builds and for tests of the log file.
  void EnableChannel(unsigned channel);
  void DisableChannel(unsigned channel);

  // The text of the last message.
  const char* GetBuffer() const { return m_buffer; }

  // Appends `text` to _LOG\PClog.txt. The first call of the process empties
  // the file and decides, once, whether the file is used at all: without the
  // _LOG folder nothing is ever written.
  static void WriteToFile(const char* text);

  // Forgets the first-write decision, so the next WriteToFile starts the file
  // again. For tests that run several "processes" in one.
  static void ResetFileState();

  // Called with every formatted message, whether or not its channel is
  // enabled, while the mutex is held. Returns the observer installed before.
  // Tests use it to see what the engine logs.
  using Observer = std::function<void(const char* text)>;
  static Observer SetObserver(Observer observer);

 private:
  std::unique_ptr<Mutex> m_mutex;
  char m_buffer[kBufferSize] = {};
  std::uint32_t m_channels[kChannelCount] = {};
};

// Writes to the process-wide log when there is one; does nothing otherwise.
[[gnu::format(printf, 1, 2)]] void LogPrintf(const char* format, ...);
