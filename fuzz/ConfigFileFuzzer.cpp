// ConfigFile::Read of arbitrary bytes, then Write, then Read and Write twice
// more. What it checks, and why:
//  - Read returns 0 and reports no hard error, whatever the bytes: a bad
//    line is reported and skipped, never fatal.
//  - The walk of what was read keeps its promises: names in upper case,
//    chapters and keys in strictly rising order, no empty chapter.
//  - The first store loses and changes nothing the format keeps: reading its
//    output back gives the same chapters, keys and values, and the same
//    comments and headers in the same order, with two changes that the
//    writer's rules make: a header with an empty name is written as an empty
//    line and so is gone, and every chapter that no header names exactly
//    (one spelled in lower case in the file, or the empty name's, which is
//    written first of all) is listed after the others once its header has
//    been written.
//  - The first store writes only lines that read back without an error.
//  - From the second store on the layout is settled: after those two changes
//    every chapter is named by a header of its own spelling, so reading the
//    second output gives what reading the first gave, and the third output is
//    the second byte for byte.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

#include "FuzzSupport.h"
#include "config/ConfigFile.h"

namespace {

EngineServices* s_services = nullptr;

// What reading the first store's output must give: the chapter order without
// empty header names, then a header for every chapter that no header named
// exactly (in name order, as the second pass writes them), the empty name
// excepted.
ConfigContent ExpectedAfterStore(const ConfigContent& read) {
  ConfigContent expected;
  expected.m_chapters = read.m_chapters;
  std::set<std::string> listed;
  for (const auto& [header, text] : read.m_order) {
    if (header && text.empty()) continue;
    expected.m_order.emplace_back(header, text);
    if (header) listed.insert(text);
  }
  for (const auto& [name, keys] : read.m_chapters) {
    if (!name.empty() && !listed.contains(name)) expected.m_order.emplace_back(true, name);
  }
  return expected;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  MemoryFiles();
  s_services = new EngineServices();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string in = "in.ini", once_path = "once.ini", twice_path = "twice.ini",
                           thrice = "thrice.ini";
  s_services->Reset();
  WriteWholeFile(in, {reinterpret_cast<const char*>(data), size});

  ConfigFile first;
  FUZZ_CHECK(ReadConfig(first, in) == kErrNone);
  FUZZ_CHECK(!s_services->HasHardError());
  first.Dump();
  const ConfigContent read = ConfigContent::Of(first);
  const std::string once = WriteConfig(first, once_path);

  s_services->Reset();
  ConfigFile second;
  FUZZ_CHECK(ReadConfig(second, once_path) == kErrNone);
  FUZZ_CHECK(!s_services->HasHardError() && !s_services->HasSoftError());
  const ConfigContent reread = ConfigContent::Of(second);
  FUZZ_CHECK(reread.m_chapters == read.m_chapters);
  FUZZ_CHECK(reread == ExpectedAfterStore(read));
  const std::string twice = WriteConfig(second, twice_path);

  ConfigFile third;
  FUZZ_CHECK(ReadConfig(third, twice_path) == kErrNone);
  FUZZ_CHECK(ConfigContent::Of(third) == reread);
  FUZZ_CHECK(WriteConfig(third, thrice) == twice);
  FUZZ_CHECK(!s_services->HasHardError() && s_services->Boxes() == 0);
  return 0;
}
