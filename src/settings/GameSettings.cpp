#include "settings/GameSettings.h"

#include "config/ConfigFile.h"
#include "engine/DeviceManager.h"
#include "engine/FileHandle.h"
#include "engine/Log.h"
#include "engine/OpenMode.h"
#include "settings/SettingsKeys.h"

#include <variant>
#include <vector>

GameSettings* GameSettings::s_instance = nullptr;

namespace {

constexpr uint32_t kSettingsBufferSize = 4096;

// Player keys in the order Load and Save take them: RIGHT comes before LEFT.
constexpr GameAction kPlayerKeyOrder[kGameActionCount] = {
    GameAction::UP,          GameAction::DOWN,       GameAction::RIGHT,    GameAction::LEFT,
    GameAction::CANCEL,      GameAction::SELECT,     GameAction::HOLD,     GameAction::START,
    GameAction::ROTATERIGHT, GameAction::ROTATELEFT, GameAction::SOFTDROP, GameAction::HARDDROP,
};

// One option key: its field, and whether Save writes it. The GAME chapter and
// MoodDebug belong to the game: the tool reads them but never stores them, so
// they reach the file only as the old file had them.
enum class Stored { kYes, kNo };
using OptionField =
    std::variant<bool SettingsRecord::*, int32_t SettingsRecord::*, float SettingsRecord::*>;
struct OptionKey {
  const String& key;
  const String& chapter;
  OptionField field;
  Stored stored;
};

// The option keys in the order Load reads them; Save takes the stored ones in
// the same order. Built on first use, after the key names exist.
const std::vector<OptionKey>& OptionKeys() {
  using R = SettingsRecord;
  static const std::vector<OptionKey> keys = {
      {kKeySoftRender, kChapterSystem, &R::m_soft_render, Stored::kYes},
      {kKeyMovies, kChapterSystem, &R::m_movies, Stored::kYes},
      {kKeyDebugKeys, kChapterSystem, &R::m_debug_keys, Stored::kYes},

      {kKeySuperEasy, kChapterGame, &R::m_super_easy, Stored::kNo},
      {kKeyRibbon, kChapterGame, &R::m_ribbon, Stored::kNo},
      {kKeyEndurance, kChapterGame, &R::m_endurance, Stored::kNo},
      {kKeyOriginalZarvex, kChapterGame, &R::m_original_zarvex, Stored::kNo},
      {kKeyWireframe, kChapterGame, &R::m_wireframe, Stored::kNo},
      {kKeyNextStyle, kChapterGame, &R::m_next_style, Stored::kNo},
      {kKeyFirstRepeatDelay, kChapterGame, &R::m_first_repeat_delay, Stored::kNo},

      {kKeySound, kChapterWorlds, &R::m_sound, Stored::kYes},
      {kKeyMusic, kChapterWorlds, &R::m_music, Stored::kYes},
      {kKeyPreloadQvsSounds, kChapterWorlds, &R::m_preload_qvs_sounds, Stored::kYes},
      {kKeyFlatWorld, kChapterWorlds, &R::m_flat_world, Stored::kYes},
      {kKeyMediumWorld, kChapterWorlds, &R::m_medium_world, Stored::kYes},
      {kKeyFlatBlocks, kChapterWorlds, &R::m_flat_blocks, Stored::kYes},
      {kKeyFlatMenus, kChapterWorlds, &R::m_flat_menus, Stored::kYes},
      {kKeyHudScoreboard, kChapterWorlds, &R::m_hud_scoreboard, Stored::kYes},
      {kKeyRipple, kChapterWorlds, &R::m_ripple, Stored::kYes},
      {kKeyLineClears, kChapterWorlds, &R::m_line_clears, Stored::kYes},

      {kKeyPersonal, kChapterMinos, &R::m_personal, Stored::kYes},
      {kKeyShadow, kChapterMinos, &R::m_shadow, Stored::kYes},
      {kKeyShadowSize, kChapterMinos, &R::m_shadow_size, Stored::kYes},
      {kKeyBackgroundMinos, kChapterMinos, &R::m_background_minos, Stored::kYes},
      {kKeyLodBody1, kChapterMinos, &R::m_lod_body1, Stored::kYes},
      {kKeyLodBody2, kChapterMinos, &R::m_lod_body2, Stored::kYes},
      {kKeyLodBody3, kChapterMinos, &R::m_lod_body3, Stored::kYes},
      {kKeyLodEye1, kChapterMinos, &R::m_lod_eye1, Stored::kYes},
      {kKeyLodEye2, kChapterMinos, &R::m_lod_eye2, Stored::kYes},
      {kKeyLodAcc1, kChapterMinos, &R::m_lod_acc1, Stored::kYes},
      {kKeyMoodDebug, kChapterMinos, &R::m_mood_debug, Stored::kNo},
  };
  return keys;
}

// Every field's current value is the default for its missing key.
void ReadValue(const ConfigFile& config, const OptionKey& option, bool& field) {
  field = config.GetBool(option.key, option.chapter, field);
}
void ReadValue(const ConfigFile& config, const OptionKey& option, int32_t& field) {
  field = config.GetInt(option.key, option.chapter, field);
}
void ReadValue(const ConfigFile& config, const OptionKey& option, float& field) {
  field = config.GetFloat(option.key, option.chapter, field);
}

void WriteValue(ConfigFile& config, const OptionKey& option, bool field) {
  config.SetBool(option.key, option.chapter, field);
}
void WriteValue(ConfigFile& config, const OptionKey& option, int32_t field) {
  config.SetInt(option.key, option.chapter, field);
}
void WriteValue(ConfigFile& config, const OptionKey& option, float field) {
  config.SetFloat(option.key, option.chapter, field);
}

}  // namespace

GameSettings::GameSettings() {
  if (s_instance == nullptr) {
    s_instance = this;
  }
  Reset();
}

GameSettings::~GameSettings() {
  if (s_instance == this) {
    s_instance = nullptr;
  }
}

void GameSettings::Reset() {
  static_cast<SettingsRecord&>(*this) = SettingsRecord{};
}

ErrorCode GameSettings::Load(const AssetDescriptor& descriptor, Device* device) {
  DeviceManager* devices = DeviceManager::s_instance;
  if (devices == nullptr) {
    // Without a file system there is nothing to read; the record stays.
    return kErrInvalidDevice;
  }
  FileHandle file(kSettingsBufferSize);
  if (const ErrorCode prepared = devices->PrepareFile(file, descriptor, device);
      prepared.IsError()) {
    return prepared;
  }
  if (const ErrorCode opened = file.Open(kOpenRead, 0, FileHandle::kNoLimit); opened.IsError()) {
    return opened;
  }
  ConfigFile config;
  const ErrorCode result = config.Read(file);
  file.Close();

  LogPrintf("Using the following config:\n");
  config.Dump();

  for (const OptionKey& option : OptionKeys()) {
    std::visit([&](auto field) { ReadValue(config, option, this->*field); }, option.field);
  }

  for (std::size_t player = 0; player < kPlayerCount; ++player) {
    const String& chapter = PlayerChapter(player);
    PlayerControls& controls = m_players[player];
    for (const GameAction action : kPlayerKeyOrder) {
      controls[action] = config.GetInt(ActionKey(action), chapter, controls[action]);
    }
    controls.m_device = config.GetGuid(kKeyGuid, chapter, controls.m_device);
  }

  m_performance = static_cast<QualityLevel>(
      config.GetInt(kKeyPerformance, kChapterSystem, static_cast<int32_t>(m_performance)));
  return result;
}

ErrorCode GameSettings::Save(const AssetDescriptor& descriptor, Device* device) {
  DeviceManager* devices = DeviceManager::s_instance;
  if (devices == nullptr) {
    return kErrInvalidDevice;
  }
  FileHandle file(kSettingsBufferSize);
  ConfigFile config;

  // The old file is read first so that every chapter, key and comment the
  // tool does not own survives. The results of these steps are not looked
  // at: each failing step reports itself, and only the write decides. An
  // old file that cannot be opened is still read, so its loss is shown to
  // the player by the read's hard error before the file is replaced.
  if (devices->FileExists(descriptor, device)) {
    devices->PrepareFile(file, descriptor, device);
    file.Open(kOpenRead, 0, FileHandle::kNoLimit);
    config.Read(file);
    if (file.IsOpen()) {
      file.Close();
    }
    devices->RemoveFile(descriptor, device, DeviceManager::Confirm::kYes);
  }
  devices->CreateEmptyFile(descriptor, device, DeviceManager::MakeDirectories::kYes);
  devices->PrepareFile(file, descriptor, device);

  for (const OptionKey& option : OptionKeys()) {
    if (option.stored == Stored::kYes) {
      std::visit([&](auto field) { WriteValue(config, option, this->*field); }, option.field);
    }
  }

  for (std::size_t player = 0; player < kPlayerCount; ++player) {
    const String& chapter = PlayerChapter(player);
    const PlayerControls& controls = m_players[player];
    for (const GameAction action : kPlayerKeyOrder) {
      config.SetInt(ActionKey(action), chapter, controls[action]);
    }
    config.SetGuid(kKeyGuid, chapter, controls.m_device);
  }

  config.SetInt(kKeyPerformance, kChapterSystem, static_cast<int32_t>(m_performance));

  file.Open(kOpenWrite, 0, FileHandle::kNoLimit);
  const ErrorCode result = config.Write(file);
  if (file.IsOpen()) {
    file.Close();
  }
  return result;
}
