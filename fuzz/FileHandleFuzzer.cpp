// FileHandle writes and reads, and Boid::ReadString with both line endings,
// of arbitrary bytes through small buffers. The last bytes of the input choose
// the buffer sizes (1 byte to 1 KB, or the tool's 4096 bytes), how the
// data is written and read (one call or pieces) and how often the rest of the
// input is repeated, up to 256 KB, so that a single line or value spans
// up to a thousand buffers. What it checks, and why:
//  - Whatever is written in one call or in pieces, as bytes or as a line,
//    reaches the file unchanged, Tell counts it, and Close succeeds.
//  - Reading it back in one call or in pieces gives the same bytes, the
//    handle is then at its end, one byte more is a read error (reported, not
//    a crash), and a Seek back into the data reads the rest again.
//  - ReadString, on a file handle and on a plain memory stream, splits the
//    data into the lines that the line rules give (written out again here,
//    independently): with CR LF endings up to and including each CR, the byte
//    after it dropped, and within each 1023-byte run of a line the text cut
//    at its first zero byte; with zero-byte endings at each zero byte. The
//    configuration reader, which takes its bytes in large blocks, gives the
//    same lines. Only a CR as the very last byte may raise a read error,
//    since its line feed is read past the end.
//  - Nothing recurses once per buffer: every call that reaches the file
//    system notes how deep the stack is, and no operation may go deeper than
//    a fixed bound, however many buffers its data spans. Measuring the depth
//    finds a recursion with a thousand buffers, long before the stack
//    itself would overflow, so the inputs stay small and the runs fast.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <cstring>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "MemoryFileSystem.h"
#include "config/ConfigLineReader.h"
#include "engine/Boid.h"
#include "engine/FileHandle.h"
#include "engine/OpenMode.h"
#include "platform/FileSystem.h"
#include "support/RecordingFileSystem.h"

namespace {

// Keeps the deepest stack position seen in any call to the file system.
class StackProbe {
 public:
  void Start() { m_deepest = reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0)); }
  std::uintptr_t Deepest() const { return m_deepest; }
  [[gnu::noinline]] void Note() {
    m_deepest = std::min(m_deepest, reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0)));
  }

 private:
  std::uintptr_t m_deepest = 0;
};

EngineServices* s_services = nullptr;
StackProbe* s_probe = nullptr;
RecordingFileSystem* s_files = nullptr;
std::string s_path;

// A thousand buffers of up to 256 bytes: larger buffers go through the same
// calls, so more bytes would only make the run slow.
constexpr std::size_t kMaxBytes = 256u << 10;
constexpr std::size_t kBytewiseLimit = 8u << 10;
constexpr std::uint8_t kRepeatFirst = 0x90;
// Data beyond this many buffer-fulls is cut: byte-by-byte line reading costs
// a refill per buffer, and this many keep a run short while being far more
// than a recursion per buffer could hide in.
constexpr std::size_t kMaxBuffersFull = 1u << 10;
// The deepest that the stack may go below the target's own frame: ample for
// the calls from the target to the file system, a small part of what a
// thousand nested calls would take.
constexpr std::uintptr_t kStackBound = 16 * 1024;
constexpr std::size_t kRunSize = 1023;

using Lines = std::vector<std::string>;

// A quarter each of 1 to 16 bytes and of the tool's 4096, half of 1 to 1024.
std::uint32_t BufferSize(FuzzedDataProvider& input) {
  const auto choice = input.ConsumeIntegral<std::uint16_t>();
  switch (choice % 4) {
    case 0:
      return 1 + (choice >> 2) % 16;
    case 3:
      return 4096;
    default:
      return 1 + (choice >> 2) % 1024;
  }
}

// The line rules, written out directly.
Lines ExpectedLines(const std::string& data, LineEnding ending) {
  Lines lines;
  std::size_t at = 0;
  while (at < data.size()) {
    if (ending == LineEnding::kZeroByte) {
      const std::size_t zero = std::min(data.find('\0', at), data.size());
      lines.push_back(data.substr(at, zero - at));
      at = zero + 1;
      continue;
    }
    const std::size_t cr = data.find('\r', at);
    const std::size_t end = cr == std::string::npos ? data.size() : cr + 1;
    std::string line;
    for (std::size_t run = at; run < end; run += kRunSize) {
      const std::size_t run_end = std::min(run + kRunSize, end);
      const void* zero = std::memchr(data.data() + run, 0, run_end - run);
      line.append(
          data, run,
          zero == nullptr ? run_end - run : static_cast<const char*>(zero) - (data.data() + run));
    }
    lines.push_back(std::move(line));
    at = cr == std::string::npos ? data.size() : cr + 2;
  }
  return lines;
}

// Whether ReadString gives exactly the expected lines, compared as they come.
bool ReadsLines(Boid& stream, const Lines& expected) {
  String line;
  std::size_t count = 0;
  while (!stream.AtEnd() && !stream.IsFailed()) {
    stream.ReadString(line);
    if (count == expected.size() || line != expected[count]) return false;
    ++count;
  }
  return count == expected.size();
}

void CheckWrite(const std::string& data, std::uint32_t buffer, std::uint32_t piece, bool as_line,
                LineEnding ending, std::string& expected_file) {
  FileHandle file(buffer);
  file.SetFileName(s_path);
  FUZZ_CHECK(file.Open(kOpenWrite) == kErrNone);
  file.SetLineEnding(ending);
  if (as_line) {
    file.WriteString(data);
    expected_file =
        data + (ending == LineEnding::kCrLf ? std::string("\r\n") : std::string(1, '\0'));
  } else {
    const std::size_t step = piece == 0 ? std::max<std::size_t>(data.size(), 1) : piece;
    for (std::size_t at = 0; at < data.size(); at += step) {
      const auto count = static_cast<std::uint32_t>(std::min(step, data.size() - at));
      FUZZ_CHECK(file.Write(data.data() + at, count) == kErrNone);
    }
    expected_file = data;
  }
  FUZZ_CHECK(file.Tell() == expected_file.size());
  FUZZ_CHECK(file.Close() == kErrNone);
  FUZZ_CHECK(ReadWholeFile(s_path) == expected_file);
}

void CheckRead(const std::string& file_bytes, std::uint32_t buffer, std::uint32_t piece,
               std::uint32_t seek_to) {
  FileHandle file(buffer);
  file.SetFileName(s_path);
  FUZZ_CHECK(file.Open(kOpenRead) == kErrNone);
  std::string back(file_bytes.size(), '\0');
  const std::size_t step = piece == 0 ? std::max<std::size_t>(back.size(), 1) : piece;
  for (std::size_t at = 0; at < back.size(); at += step) {
    const auto count = static_cast<std::uint32_t>(std::min(step, back.size() - at));
    FUZZ_CHECK(file.Read(back.data() + at, count) == kErrNone);
  }
  FUZZ_CHECK(back == file_bytes);
  FUZZ_CHECK(file.AtEnd());
  if (!file_bytes.empty()) {
    const std::uint32_t target = seek_to % file_bytes.size();
    FUZZ_CHECK(file.Seek(target, 0) == kErrNone);
    std::string rest(file_bytes.size() - target, '\0');
    FUZZ_CHECK(file.Read(rest.data(), static_cast<std::uint32_t>(rest.size())) == kErrNone);
    FUZZ_CHECK(rest == file_bytes.substr(target));
  }
  char beyond = 0;
  s_services->Reset();
  FUZZ_CHECK(file.Read(&beyond, 1) == kErrReadBuffer);
  FUZZ_CHECK(s_services->HardErrorCode() == kErrCannotRead);
  s_services->Reset();
  FUZZ_CHECK(file.Close() == kErrNone);
}

void CheckLines(const std::string& file_bytes, std::uint32_t buffer, LineEnding ending) {
  const bool ends_in_cr = !file_bytes.empty() && file_bytes.back() == '\r';
  const Lines crlf_lines = ExpectedLines(file_bytes, LineEnding::kCrLf);
  // ReadString takes one byte per call, so it cannot nest per buffer; on
  // longer data it would only make the run slow.
  if (file_bytes.size() <= kBytewiseLimit) {
    const Lines expected =
        ending == LineEnding::kCrLf ? crlf_lines : ExpectedLines(file_bytes, ending);
    s_services->Reset();
    FileHandle file(buffer);
    file.SetFileName(s_path);
    FUZZ_CHECK(file.Open(kOpenRead) == kErrNone);
    file.SetLineEnding(ending);
    FUZZ_CHECK(ReadsLines(file, expected));
    FUZZ_CHECK(!s_services->HasHardError() || (ending == LineEnding::kCrLf && ends_in_cr));

    Boid memory(static_cast<std::uint32_t>(file_bytes.size()) + 1);
    memory.Write(file_bytes.data(), static_cast<std::uint32_t>(file_bytes.size()));
    memory.Seek(0, 0);
    memory.SetLineEnding(ending);
    FUZZ_CHECK(ReadsLines(memory, expected));
  }
  FileHandle file(buffer);
  file.SetFileName(s_path);
  FUZZ_CHECK(file.Open(kOpenRead) == kErrNone);
  ConfigLineReader reader(file);
  std::size_t count = 0;
  std::string line;
  while (reader.Next(line)) {
    FUZZ_CHECK(count < crlf_lines.size() && line == crlf_lines[count]);
    ++count;
  }
  FUZZ_CHECK(count == crlf_lines.size());
  s_services->Reset();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  s_path = "data.bin";
  s_probe = new StackProbe();
  s_files = new RecordingFileSystem(MemoryFiles());
  s_files->on_call = [] { s_probe->Note(); };
  platform::SetFileSystem(s_files);
  s_services = new EngineServices();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  s_services->Reset();
  // The recorder keeps every call it sees; only the stack probe is wanted.
  s_files->Clear();
  FuzzedDataProvider input(data, size);
  const std::uint32_t write_buffer = BufferSize(input);
  const std::uint32_t read_buffer = BufferSize(input);
  const std::uint8_t repeat = input.ConsumeIntegral<std::uint8_t>();
  const auto write_piece = input.ConsumeIntegral<std::uint16_t>() % 2048u;
  const auto read_piece = input.ConsumeIntegral<std::uint16_t>() % 2048u;
  const auto seek_to = input.ConsumeIntegral<std::uint32_t>();
  const bool as_line = input.ConsumeBool();
  const LineEnding ending = input.ConsumeBool() ? LineEnding::kCrLf : LineEnding::kZeroByte;
  // The lines are read with either ending, whichever the file was written with.
  const LineEnding read_ending = input.ConsumeBool() ? LineEnding::kCrLf : LineEnding::kZeroByte;
  const std::string piece = input.ConsumeRemainingBytesAsString();

  // Mostly the input once; eight values of the repeat byte make it 16 to
  // 2^18 times longer, within the limits. They are bytes that neither text
  // nor the runs of 0x00 and 0xFF that the mutator likes to insert hold
  // often, so that not every other input is that long.
  const bool repeated = repeat >= kRepeatFirst && repeat < kRepeatFirst + 8;
  std::size_t copies = repeated ? std::size_t{1} << ((repeat - kRepeatFirst) * 2 + 4) : 1;
  const std::size_t limit =
      std::min(kMaxBytes, kMaxBuffersFull * std::min(write_buffer, read_buffer));
  if (!piece.empty()) copies = std::min(copies, limit / piece.size() + 1);
  std::string bytes;
  bytes.reserve(piece.size() * copies);
  for (std::size_t i = 0; i < copies; ++i) bytes += piece;
  if (bytes.size() > limit) bytes.resize(limit);

  const auto top = reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
  s_probe->Start();
  std::string file_bytes;
  CheckWrite(bytes, write_buffer, write_piece, as_line, ending, file_bytes);
  FUZZ_CHECK(!s_services->HasHardError() && !s_services->HasSoftError());
  CheckRead(file_bytes, read_buffer, read_piece, seek_to);
  CheckLines(file_bytes, read_buffer, read_ending);
  FUZZ_CHECK(top - s_probe->Deepest() < kStackBound);
  return 0;
}
