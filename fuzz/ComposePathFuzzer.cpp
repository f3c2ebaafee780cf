// DeviceManager::ComposePath, and the operations built on it, on arbitrary
// descriptor fields. The input is one line of an asset table, fields joined
// by "|": directory|name|extension|platform|language|archive|mode|binary|
// device|answers, the numbers read as 32-bit decimals (any value, not just
// the table's), device 0 to 3 choosing none, HD, SaveGame or Tool Assets,
// and the bits of answers deciding whether a file exists and which folder
// fails to be made. The file system records every path it is asked about,
// answers whether a file exists from the input, and keeps what is made in
// memory, fresh for each input. What it checks, and why:
//  - The composed path is the device's root, the platform part ("PC\" for
//    flag 1, else "ANY_PLAT\"), the language part ("ENGLISH\" for 1, else
//    "ANY_LANG\"), then the name and the extension (with its dot added) after
//    the directory and a backslash unless it is a plain file without one:
//    every field's text appears whole, whatever bytes it holds, and nothing
//    is doubled or cut.
//  - Only the default device (or none) asks whether the file exists, once,
//    at its own root; the answer decides FileExists.
//  - CreatePath asks for every folder before each backslash, in order, and
//    stops at the first that fails; RemoveFile removes exactly the composed
//    path, never one with a wildcard, and fails when there is no file;
//    PrepareFile names the handle with the composed path or leaves it
//    unnamed on failure; each refusal (archive, read mode, read-only device)
//    gives its own code and touches nothing.
//  - None of it raises a hard error.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <cstdlib>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "engine/AssetDescriptor.h"
#include "engine/Device.h"
#include "engine/DeviceManager.h"
#include "engine/FileHandle.h"
#include "engine/OpenMode.h"
#include "platform/FileSystem.h"
#include "MemoryFileSystem.h"
#include "support/RecordingFileSystem.h"

namespace {

EngineServices* s_services = nullptr;
DeviceManager* s_devices = nullptr;

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t at = 0;
  while (fields.size() < 9) {
    const std::size_t bar = line.find('|', at);
    if (bar == std::string::npos) break;
    fields.push_back(line.substr(at, bar - at));
    at = bar + 1;
  }
  fields.push_back(line.substr(std::min(at, line.size())));
  fields.resize(10);
  return fields;
}

std::int32_t Number(const std::string& field) {
  return static_cast<std::int32_t>(std::strtoll(field.c_str(), nullptr, 10));
}

std::string ExpectedRelative(const std::string& directory, const std::string& name,
                             const std::string& extension, std::int32_t platform,
                             std::int32_t language, std::int32_t archive) {
  const std::string dotted = extension.empty() || extension[0] == '.' ? extension : "." + extension;
  std::string relative = platform == 1 ? "PC\\" : "ANY_PLAT\\";
  relative += language == 1 ? "ENGLISH\\" : "ANY_LANG\\";
  if (archive != 0 || !directory.empty()) relative += directory + "\\";
  return relative + name + dotted;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  s_services = new EngineServices();
  s_devices = new DeviceManager();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  s_services->Reset();
  const std::vector<std::string> fields =
      Fields(std::string(reinterpret_cast<const char*>(data), size));
  const std::string& directory = fields[0];
  const std::string& name = fields[1];
  const std::string& extension = fields[2];
  const std::int32_t platform = Number(fields[3]);
  const std::int32_t language = Number(fields[4]);
  const std::int32_t archive = Number(fields[5]);
  const std::int32_t mode = Number(fields[6]);
  const std::int32_t binary = Number(fields[7]);
  const std::uint32_t answers = static_cast<std::uint32_t>(Number(fields[9]));
  const AssetDescriptor descriptor(directory, name, extension, static_cast<PlatformFlag>(platform),
                                   static_cast<LanguageFlag>(language),
                                   static_cast<ArchiveFlag>(archive), static_cast<OpenMode>(mode),
                                   static_cast<BinaryFlag>(binary));
  Device* const choices[] = {nullptr, s_devices->GetHdDevice(), s_devices->GetSaveDevice(),
                             s_devices->GetDefaultDevice()};
  Device* const device = choices[static_cast<std::uint32_t>(Number(fields[8])) % 4];
  Device* const used = device != nullptr ? device : s_devices->GetDefaultDevice();
  const bool asks = used == s_devices->GetDefaultDevice();
  MemoryFileSystem memory;
  RecordingFileSystem files(memory);
  platform::FileSystem* const previous = platform::SetFileSystem(&files);
  const bool exists = (answers & 1) != 0;
  files.exists_answer = exists;
  // MakeDirectory fails on this call (from 1); 0 never.
  const std::size_t failing_folder = (answers >> 1) % 64;
  if (failing_folder != 0) {
    files.fault = RecordingFileSystem::Fault{RecordingFileSystem::Operation::kMakeDirectory,
                                             static_cast<int>(failing_folder) - 1};
  }

  const std::string path =
      used->GetRoot() + ExpectedRelative(directory, name, extension, platform, language, archive);
  if (exists) memory.SetContents(path, "");
  files.Clear();
  FUZZ_CHECK(s_devices->ComposePath(descriptor, device) == path);
  FUZZ_CHECK(files.asked == (asks ? std::vector<std::string>{path} : std::vector<std::string>{}));

  files.Clear();
  FUZZ_CHECK(s_devices->FileExists(descriptor, device) == exists);
  FUZZ_CHECK(!files.asked.empty() && files.asked.back() == path);

  // Every folder before each backslash, in order, up to the first failure.
  files.Clear();
  const ErrorCode made = s_devices->CreatePath(descriptor, used);
  if (archive == 1) {
    FUZZ_CHECK(made == kErrArchiveReadOnly && files.made_directories.empty());
  } else if (!used->IsWritable()) {
    FUZZ_CHECK(made == kErrDeviceReadOnly && files.made_directories.empty());
  } else {
    std::vector<std::string> folders;
    for (std::size_t at = path.find('\\'); at != std::string::npos; at = path.find('\\', at + 1)) {
      if (folders.size() == failing_folder && failing_folder != 0) break;
      folders.push_back(path.substr(0, at));
    }
    FUZZ_CHECK(files.made_directories == folders);
    const bool failed = failing_folder != 0 && failing_folder <= folders.size();
    FUZZ_CHECK(made == (failed ? kErrCannotWrite : kErrNone));
  }

  files.Clear();
  const ErrorCode removed = s_devices->RemoveFile(descriptor, device, DeviceManager::Confirm::kYes);
  const bool refused = archive == 1 || mode == 0 || used->IsReadOnly();
  const bool wildcard = path.find_first_of("*?") != std::string::npos;
  FUZZ_CHECK(files.removed ==
             (refused || wildcard ? std::vector<std::string>{} : std::vector<std::string>{path}));
  FUZZ_CHECK(refused ? removed.IsError()
                     : removed == (exists || wildcard ? kErrNone : kErrDeleteFailed));
  FUZZ_CHECK(s_devices->RemoveFile(descriptor, device, DeviceManager::Confirm::kNo) == kErrUnknown);

  files.Clear();
  FileHandle handle(16);
  const ErrorCode prepared = s_devices->PrepareFile(handle, descriptor, device);
  const bool ready = archive == 0 && exists && !(used->IsReadOnly() && mode != 0);
  FUZZ_CHECK(prepared.IsSuccess() == ready);
  FUZZ_CHECK(handle.GetName() == (ready ? path : std::string()));
  FUZZ_CHECK(files.opened.empty());
  FUZZ_CHECK(!s_services->HasHardError() && s_services->Boxes() == 0);
  platform::SetFileSystem(previous);
  return 0;
}
