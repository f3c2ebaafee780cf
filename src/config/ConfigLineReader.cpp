#include "config/ConfigLineReader.h"

#include <algorithm>
#include <cstring>

#include "engine/FileHandle.h"

namespace {

// The handle's line reader collects a line in runs of this many bytes and
// appends each run as a zero-terminated text.
constexpr std::size_t kRunSize = 1023;

// Drops, within each run of a line, everything from its first zero byte on.
void CutRunsAtZeroBytes(std::string& line) {
  std::string kept;
  for (std::size_t start = 0; start < line.size(); start += kRunSize) {
    const std::size_t length = std::min(kRunSize, line.size() - start);
    const char* run = line.data() + start;
    const void* zero = std::memchr(run, 0, length);
    kept.append(run, zero == nullptr
                         ? length
                         : static_cast<std::size_t>(static_cast<const char*>(zero) - run));
  }
  line.swap(kept);
}

}  // namespace

ConfigLineReader::ConfigLineReader(FileHandle& file)
    : m_file(file), m_block(std::make_unique_for_overwrite<char[]>(kBlockSize)) {
  const uint32_t size = file.Size();
  const uint32_t position = file.Tell();
  m_remaining = size > position ? size - position : 0;
}

ConfigLineReader::~ConfigLineReader() = default;

bool ConfigLineReader::Refill() {
  const uint32_t count = std::min(kBlockSize, m_remaining);
  if (count == 0 || m_file.IsFailed()) {
    return false;
  }
  m_file.Read(m_block.get(), count);
  if (m_file.IsFailed()) {
    m_remaining = 0;
    return false;
  }
  m_remaining -= count;
  m_at = 0;
  m_end = count;
  return true;
}

bool ConfigLineReader::TakeByte() {
  if (m_at == m_end && !Refill()) {
    return false;
  }
  ++m_at;
  return true;
}

bool ConfigLineReader::Next(std::string& line) {
  line.clear();
  if (m_at == m_end && !Refill()) {
    return false;
  }
  bool ended = false;
  while (!ended) {
    const char* start = m_block.get() + m_at;
    const auto* cr = static_cast<const char*>(std::memchr(start, '\r', m_end - m_at));
    const uint32_t length = cr == nullptr ? m_end - m_at : static_cast<uint32_t>(cr - start) + 1;
    line.append(start, length);
    m_at += length;
    ended = cr != nullptr;
    if (!ended && !Refill()) {
      break;
    }
  }
  if (ended) {
    TakeByte();
  }
  if (std::memchr(line.data(), 0, line.size()) != nullptr) {
    CutRunsAtZeroBytes(line);
  }
  return true;
}
