// GameSettings::Load then Save of arbitrary bytes as the settings file, in a
// game folder of its own, then Load of what was saved. What it checks, and
// why:
//  - Load and Save both succeed and raise no hard error, whatever the file
//    holds: a player's hand-edited file never stops the tool.
//  - The save keeps everything the format keeps: every chapter, key and value
//    of the old file is in the new one, unchanged unless the tool owns the
//    key (the keys that a save into an empty folder writes); every key the
//    tool owns is there; comments and headers keep their order, with only
//    the changes the writer's rules make (see the config_file target).
//  - What the save wrote loads back as the record it was saved from: flags,
//    numbers and GUIDs exactly, floats to the six decimals the format keeps
//    (a float beyond the float range, which loads as infinity, is written as
//    "inf" and reads back as 0, as the value forms give).
// That a second save settles the file follows from the layout settling
// (config_file) and a stored value's text settling (config_values); those
// targets check it, so this one saves once and stays fast.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <utility>

#include "FuzzSupport.h"
#include "assets/AssetRegistry.h"
#include "config/ConfigFile.h"
#include "engine/DeviceManager.h"
#include "settings/GameSettings.h"

namespace {

EngineServices* s_services = nullptr;
// The settings file in the game folder, which is the current folder of the
// file system in memory.
const std::string s_path = ".\\Assets\\PC\\ANY_LANG\\MISC\\QVConfig.INI";
GameSettings* s_settings = nullptr;
// Every key that the tool owns, as a save into an empty folder writes them.
ConfigContent* s_owned = nullptr;

ConfigContent ReadSettingsFile() {
  ConfigFile config;
  FUZZ_CHECK(ReadConfig(config, s_path) == kErrNone);
  return ConfigContent::Of(config);
}

bool SameLoadedFloat(float saved, float loaded) {
  // Kept as the old file spelled it, or written as "inf" and read as 0.
  if (!std::isfinite(saved)) return loaded == saved || loaded == 0.0f;
  const double difference = std::fabs(static_cast<double>(saved) - loaded);
  return difference <= 5e-7 + std::fabs(static_cast<double>(saved)) * 1e-7;
}

bool SameLoadedRecord(const SettingsRecord& saved, const SettingsRecord& loaded) {
  float SettingsRecord::*const floats[] = {&SettingsRecord::m_first_repeat_delay,
                                           &SettingsRecord::m_lod_body1,
                                           &SettingsRecord::m_lod_body2,
                                           &SettingsRecord::m_lod_body3,
                                           &SettingsRecord::m_lod_eye1,
                                           &SettingsRecord::m_lod_eye2,
                                           &SettingsRecord::m_lod_acc1};
  SettingsRecord exact = loaded;
  for (const auto field : floats) {
    if (!SameLoadedFloat(saved.*field, loaded.*field)) return false;
    exact.*field = saved.*field;
  }
  const SettingsRecord& a = saved;
  const SettingsRecord& b = exact;
  return a.m_soft_render == b.m_soft_render && a.m_movies == b.m_movies &&
         a.m_debug_keys == b.m_debug_keys && a.m_super_easy == b.m_super_easy &&
         a.m_ribbon == b.m_ribbon && a.m_endurance == b.m_endurance &&
         a.m_original_zarvex == b.m_original_zarvex && a.m_wireframe == b.m_wireframe &&
         a.m_flat_menus == b.m_flat_menus && a.m_next_style == b.m_next_style &&
         a.m_line_clears == b.m_line_clears && a.m_sound == b.m_sound && a.m_music == b.m_music &&
         a.m_preload_qvs_sounds == b.m_preload_qvs_sounds && a.m_flat_world == b.m_flat_world &&
         a.m_medium_world == b.m_medium_world && a.m_flat_blocks == b.m_flat_blocks &&
         a.m_hud_scoreboard == b.m_hud_scoreboard && a.m_ripple == b.m_ripple &&
         a.m_personal == b.m_personal && a.m_shadow == b.m_shadow &&
         a.m_shadow_size == b.m_shadow_size && a.m_background_minos == b.m_background_minos &&
         a.m_mood_debug == b.m_mood_debug && a.m_players == b.m_players &&
         a.m_performance == b.m_performance;
}

// The value of a key in a content, or null; ConfigContent keeps each
// chapter's keys in rising order.
const std::string* ValueIn(const ConfigContent& content, const std::string& chapter,
                           const std::string& key) {
  const auto found = content.m_chapters.find(chapter);
  if (found == content.m_chapters.end()) return nullptr;
  const ConfigContent::Keys& keys = found->second;
  const auto below = [](const auto& entry, const std::string& k) { return entry.first < k; };
  const auto at = std::lower_bound(keys.begin(), keys.end(), key, below);
  return at != keys.end() && at->first == key ? &at->second : nullptr;
}

// Whether every key of `part` is in `whole`.
bool KeysWithin(const ConfigContent& part, const ConfigContent& whole) {
  for (const auto& [chapter, keys] : part.m_chapters) {
    for (const auto& [key, value] : keys) {
      if (ValueIn(whole, chapter, key) == nullptr) return false;
    }
  }
  return true;
}

// The old file's content after a store: its keys with the owned ones
// replaced, the tool's keys added, the chapter order as the writer leaves it.
void CheckStored(const ConfigContent& old_file, const ConfigContent& stored) {
  std::set<std::string> listed;
  std::vector<std::pair<bool, std::string>> order;
  for (const auto& [header, text] : old_file.m_order) {
    if (header && text.empty()) continue;
    order.emplace_back(header, text);
    if (header) listed.insert(text);
  }
  for (const auto& [chapter, keys] : stored.m_chapters) {
    if (!chapter.empty() && !listed.contains(chapter)) order.emplace_back(true, chapter);
    for (const auto& [key, value] : keys) {
      if (ValueIn(*s_owned, chapter, key) != nullptr) continue;
      // A key the tool does not own comes only from the old file, unchanged.
      const std::string* old_value = ValueIn(old_file, chapter, key);
      FUZZ_CHECK(old_value != nullptr && *old_value == value);
    }
  }
  FUZZ_CHECK(KeysWithin(*s_owned, stored));
  FUZZ_CHECK(KeysWithin(old_file, stored));
  FUZZ_CHECK(stored.m_order == order);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  MemoryFiles();
  s_services = new EngineServices();
  new DeviceManager();
  s_settings = new GameSettings();
  // A save into an empty folder writes exactly the keys the tool owns.
  FUZZ_CHECK(s_settings->Save(kAssetQVConfig_INI, nullptr) == kErrNone);
  s_owned = new ConfigContent(ReadSettingsFile());
  std::size_t owned = 0;
  for (const auto& [chapter, keys] : s_owned->m_chapters) owned += keys.size();
  // 23 options (all but GAME's and MoodDebug), PERFORMANCE, 13 keys of each player.
  FUZZ_CHECK(owned == 23 + 1 + 4 * 13);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  s_services->Reset();
  WriteWholeFile(s_path, {reinterpret_cast<const char*>(data), size});
  const ConfigContent old_file = ReadSettingsFile();

  s_settings->Reset();
  FUZZ_CHECK(s_settings->Load(kAssetQVConfig_INI, nullptr) == kErrNone);
  const SettingsRecord loaded = *s_settings;
  FUZZ_CHECK(s_settings->Save(kAssetQVConfig_INI, nullptr) == kErrNone);
  FUZZ_CHECK(!s_services->HasHardError());
  CheckStored(old_file, ReadSettingsFile());

  s_settings->Reset();
  FUZZ_CHECK(s_settings->Load(kAssetQVConfig_INI, nullptr) == kErrNone);
  FUZZ_CHECK(SameLoadedRecord(loaded, *s_settings));
  FUZZ_CHECK(!s_services->HasHardError() && s_services->Boxes() == 0);
  return 0;
}
