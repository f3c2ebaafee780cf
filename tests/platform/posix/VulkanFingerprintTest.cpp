#include "platform/posix/VulkanFingerprint.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/posix/ScopedVariable.h"
#include "support/TempDirectory.h"

namespace {

void Touch(const std::string& path) {
  std::filesystem::last_write_time(
      path, std::filesystem::last_write_time(path) + std::chrono::seconds(10));
}

}  // namespace

// The fingerprint follows the manifests where the loader looks, the libraries
// they name and the variables that choose drivers and layers; nothing else
// moves it.
TEST(VulkanFingerprint, FollowsManifestsLibrariesAndVariables) {
  TempDirectory folder;
  const std::string drivers = folder.Path() + "/icd.d";
  const std::string layers = folder.Path() + "/implicit_layer.d";
  const std::string libraries = folder.Path() + "/lib";
  TempDirectory::WriteFile(drivers + "/a_icd.json",
                           R"({ "ICD": { "library_path" : "libdriver_a.so" } })");
  TempDirectory::WriteFile(libraries + "/libdriver_a.so", "a");
  TempDirectory::WriteFile(layers + "/layer.json", R"({"layer": {
      "library_path": "./liblayer.so",
      "disable_environment": { "QV_TEST_NO_LAYER": "1" } }})");
  TempDirectory::WriteFile(layers + "/liblayer.so", "l");
  ScopedVariable driver_files("VK_DRIVER_FILES", std::nullopt);
  ScopedVariable layer_switch("QV_TEST_NO_LAYER", std::nullopt);
  ScopedVariable unrelated("QV_TEST_UNRELATED", std::nullopt);

  const platform::posix::VulkanFingerprint fingerprint({drivers, layers}, {libraries});
  auto changes = [&](const std::function<void()>& change) {
    const std::string before = fingerprint.Compute();
    change();
    return fingerprint.Compute() != before;
  };
  EXPECT_FALSE(changes([] {}));
  EXPECT_TRUE(changes([&] { Touch(drivers + "/a_icd.json"); }));
  EXPECT_TRUE(changes([&] {
    TempDirectory::WriteFile(drivers + "/b_icd.json", R"({"ICD": {"library_path": "/b.so"}})");
  }));
  EXPECT_TRUE(changes([&] { driver_files.Set(drivers + "/b_icd.json"); }));
  EXPECT_TRUE(changes([&] { driver_files.Set(drivers + "/a_icd.json"); }));
  EXPECT_TRUE(changes([&] { Touch(libraries + "/libdriver_a.so"); }));
  EXPECT_TRUE(changes([&] { Touch(layers + "/liblayer.so"); }));
  EXPECT_TRUE(changes([&] { layer_switch.Set("1"); }));
  EXPECT_FALSE(changes([&] {
    unrelated.Set("1");
    TempDirectory::WriteFile(drivers + "/notes.txt", "not a manifest");
  }));
}

// This process's own places: stable on an unchanged machine, and a driver
// chosen by variable counts with the library it names.
TEST(VulkanFingerprint, ThisProcessFollowsChosenDriver) {
  const std::string here = platform::posix::VulkanFingerprint::ForThisProcess().Compute();
  EXPECT_EQ(platform::posix::VulkanFingerprint::ForThisProcess().Compute(), here);

  TempDirectory folder;
  const std::string library = folder.Path() + "/libchosen.so";
  TempDirectory::WriteFile(library, "c");
  TempDirectory::WriteFile(folder.Path() + "/chosen.json",
                           R"({"ICD": {"library_path": ")" + library + R"("}})");
  const ScopedVariable driver_files("VK_DRIVER_FILES", folder.Path() + "/chosen.json");
  const platform::posix::VulkanFingerprint chosen = platform::posix::VulkanFingerprint::ForThisProcess();
  const std::string before = chosen.Compute();
  Touch(library);
  EXPECT_NE(chosen.Compute(), before);
}
