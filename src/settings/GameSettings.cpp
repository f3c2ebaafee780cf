#include "settings/GameSettings.h"

GameSettings* GameSettings::s_instance = nullptr;

GameSettings::GameSettings()
{
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
