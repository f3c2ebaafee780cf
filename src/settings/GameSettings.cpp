#include "settings/GameSettings.h"

#include "config/ConfigFile.h"
#include "engine/DeviceManager.h"
#include "engine/FileHandle.h"
#include "engine/Log.h"
#include "engine/OpenMode.h"
#include "settings/SettingsKeys.h"

GameSettings* GameSettings::s_instance = nullptr;

namespace {

constexpr uint32_t kSettingsBufferSize = 4096;

// Player keys in the order Load and Save take them: RIGHT comes before LEFT.
constexpr GameAction kPlayerKeyOrder[kGameActionCount] = {
    GameAction::UP,          GameAction::DOWN,       GameAction::RIGHT,    GameAction::LEFT,
    GameAction::CANCEL,      GameAction::SELECT,     GameAction::HOLD,     GameAction::START,
    GameAction::ROTATERIGHT, GameAction::ROTATELEFT, GameAction::SOFTDROP, GameAction::HARDDROP,
};

}  // namespace

GameSettings::GameSettings()
{
    if (s_instance == nullptr) {
        s_instance = this;
    }
    Reset();
}

GameSettings::~GameSettings()
{
    if (s_instance == this) {
        s_instance = nullptr;
    }
}

void GameSettings::Reset()
{
    static_cast<SettingsRecord&>(*this) = SettingsRecord{};
}

ErrorCode GameSettings::Load(const AssetDescriptor& descriptor, Device* device)
{
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
    if (const ErrorCode opened = file.Open(kOpenRead, 0, FileHandle::kNoLimit);
        opened.IsError()) {
        return opened;
    }
    ConfigFile config;
    const ErrorCode result = config.Read(file);
    file.Close();

    LogPrintf("Using the following config:\n");
    config.Dump();

    // Every field's current value is the default for its missing key.
    auto flag = [&](const String& key, const String& chapter, bool& field) {
        field = config.GetBool(key, chapter, field);
    };
    auto number = [&](const String& key, const String& chapter, int32_t& field) {
        field = config.GetInt(key, chapter, field);
    };
    auto real = [&](const String& key, const String& chapter, float& field) {
        field = config.GetFloat(key, chapter, field);
    };

    flag(kKeySoftRender, kChapterSystem, m_soft_render);
    flag(kKeyMovies, kChapterSystem, m_movies);
    flag(kKeyDebugKeys, kChapterSystem, m_debug_keys);

    flag(kKeySuperEasy, kChapterGame, m_super_easy);
    flag(kKeyRibbon, kChapterGame, m_ribbon);
    flag(kKeyEndurance, kChapterGame, m_endurance);
    flag(kKeyOriginalZarvex, kChapterGame, m_original_zarvex);
    flag(kKeyWireframe, kChapterGame, m_wireframe);
    number(kKeyNextStyle, kChapterGame, m_next_style);
    real(kKeyFirstRepeatDelay, kChapterGame, m_first_repeat_delay);

    flag(kKeySound, kChapterWorlds, m_sound);
    flag(kKeyMusic, kChapterWorlds, m_music);
    flag(kKeyPreloadQvsSounds, kChapterWorlds, m_preload_qvs_sounds);
    flag(kKeyFlatWorld, kChapterWorlds, m_flat_world);
    flag(kKeyMediumWorld, kChapterWorlds, m_medium_world);
    flag(kKeyFlatBlocks, kChapterWorlds, m_flat_blocks);
    flag(kKeyFlatMenus, kChapterWorlds, m_flat_menus);
    flag(kKeyHudScoreboard, kChapterWorlds, m_hud_scoreboard);
    flag(kKeyRipple, kChapterWorlds, m_ripple);
    flag(kKeyLineClears, kChapterWorlds, m_line_clears);

    flag(kKeyPersonal, kChapterMinos, m_personal);
    flag(kKeyShadow, kChapterMinos, m_shadow);
    number(kKeyShadowSize, kChapterMinos, m_shadow_size);
    flag(kKeyBackgroundMinos, kChapterMinos, m_background_minos);
    real(kKeyLodBody1, kChapterMinos, m_lod_body1);
    real(kKeyLodBody2, kChapterMinos, m_lod_body2);
    real(kKeyLodBody3, kChapterMinos, m_lod_body3);
    real(kKeyLodEye1, kChapterMinos, m_lod_eye1);
    real(kKeyLodEye2, kChapterMinos, m_lod_eye2);
    real(kKeyLodAcc1, kChapterMinos, m_lod_acc1);
    flag(kKeyMoodDebug, kChapterMinos, m_mood_debug);

    for (std::size_t player = 0; player < kPlayerCount; ++player) {
        const String& chapter = PlayerChapter(player);
        PlayerControls& controls = m_players[player];
        for (const GameAction action : kPlayerKeyOrder) {
            number(ActionKey(action), chapter, controls[action]);
        }
        controls.m_device = config.GetGuid(kKeyGuid, chapter, controls.m_device);
    }

    auto performance = static_cast<int32_t>(m_performance);
    number(kKeyPerformance, kChapterSystem, performance);
    m_performance = static_cast<QualityLevel>(performance);
    return result;
}

ErrorCode GameSettings::Save(const AssetDescriptor& descriptor, Device* device)
{
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

    auto flag = [&](const String& key, const String& chapter, bool field) {
        config.SetBool(key, chapter, field);
    };
    auto number = [&](const String& key, const String& chapter, int32_t field) {
        config.SetInt(key, chapter, field);
    };
    auto real = [&](const String& key, const String& chapter, float field) {
        config.SetFloat(key, chapter, field);
    };

    flag(kKeySoftRender, kChapterSystem, m_soft_render);
    flag(kKeyMovies, kChapterSystem, m_movies);
    flag(kKeyDebugKeys, kChapterSystem, m_debug_keys);

    flag(kKeySound, kChapterWorlds, m_sound);
    flag(kKeyMusic, kChapterWorlds, m_music);
    flag(kKeyPreloadQvsSounds, kChapterWorlds, m_preload_qvs_sounds);
    flag(kKeyFlatWorld, kChapterWorlds, m_flat_world);
    flag(kKeyMediumWorld, kChapterWorlds, m_medium_world);
    flag(kKeyFlatBlocks, kChapterWorlds, m_flat_blocks);
    flag(kKeyFlatMenus, kChapterWorlds, m_flat_menus);
    flag(kKeyHudScoreboard, kChapterWorlds, m_hud_scoreboard);
    flag(kKeyRipple, kChapterWorlds, m_ripple);
    flag(kKeyLineClears, kChapterWorlds, m_line_clears);

    flag(kKeyPersonal, kChapterMinos, m_personal);
    flag(kKeyShadow, kChapterMinos, m_shadow);
    number(kKeyShadowSize, kChapterMinos, m_shadow_size);
    flag(kKeyBackgroundMinos, kChapterMinos, m_background_minos);
    real(kKeyLodBody1, kChapterMinos, m_lod_body1);
    real(kKeyLodBody2, kChapterMinos, m_lod_body2);
    real(kKeyLodBody3, kChapterMinos, m_lod_body3);
    real(kKeyLodEye1, kChapterMinos, m_lod_eye1);
    real(kKeyLodEye2, kChapterMinos, m_lod_eye2);
    real(kKeyLodAcc1, kChapterMinos, m_lod_acc1);

    for (std::size_t player = 0; player < kPlayerCount; ++player) {
        const String& chapter = PlayerChapter(player);
        const PlayerControls& controls = m_players[player];
        for (const GameAction action : kPlayerKeyOrder) {
            number(ActionKey(action), chapter, controls[action]);
        }
        config.SetGuid(kKeyGuid, chapter, controls.m_device);
    }

    number(kKeyPerformance, kChapterSystem, static_cast<int32_t>(m_performance));

    file.Open(kOpenWrite, 0, FileHandle::kNoLimit);
    const ErrorCode result = config.Write(file);
    if (file.IsOpen()) {
        file.Close();
    }
    return result;
}
