#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "assets/AssetRegistry.h"
#include "engine/DeviceManager.h"
#include "settings/GameSettings.h"
#include "support/LogCapture.h"
#include "support/TempDirectory.h"

// A fresh game folder per test with the engine services the settings need,
// recording every log message and every message box.
class SettingsFixture : public ::testing::Test {
protected:
    static constexpr const char* kSettingsPath = "Assets/PC/ANY_LANG/MISC/QVConfig.INI";

    static void WriteSettingsFile(const std::string& bytes)
    {
        std::filesystem::create_directories(std::filesystem::path(kSettingsPath).parent_path());
        std::ofstream out(kSettingsPath, std::ios::binary | std::ios::trunc);
        out << bytes;
    }

    static std::string ReadSettingsFile()
    {
        std::ifstream in(kSettingsPath, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    int CountLog(const std::string& text) const
    {
        int count = 0;
        for (const std::string& line : m_capture.Messages()) {
            count += line.find(text) != std::string::npos ? 1 : 0;
        }
        return count;
    }

    std::vector<std::string> Boxes() const
    {
        std::vector<std::string> boxes;
        for (const LogCapture::Box& box : m_capture.Boxes()) {
            boxes.push_back(box.caption + ": " + box.text);
        }
        return boxes;
    }

    TempDirectory m_folder;
    LogCapture m_capture;
    std::unique_ptr<DeviceManager> m_devices = std::make_unique<DeviceManager>();
    std::unique_ptr<GameSettings> m_settings = std::make_unique<GameSettings>();
};
