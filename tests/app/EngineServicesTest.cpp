#include <gtest/gtest.h>

#include "app/EngineServices.h"
#include "engine/DeviceManager.h"
#include "engine/ErrorReporter.h"
#include "engine/Log.h"
#include "settings/GameSettings.h"
#include "support/LogCapture.h"
#include "support/TempDirectory.h"

namespace {

// Creation keeps a service that exists and makes the log before the devices
// (their registration reaches it); the window's end releases only the log and
// the reporter, the process's end the other two.
TEST(EngineServices, CreatedWhenMissingReleasedInTwoSteps) {
  TempDirectory folder;
  LogCapture capture(LogCapture::Services::kLeaveAlone);
  GameSettings* existing = new GameSettings();
  existing->m_movies = false;

  EngineServices::Create();
  EXPECT_NE(ErrorReporter::s_instance, nullptr);
  EXPECT_NE(Log::s_instance, nullptr);
  EXPECT_NE(DeviceManager::s_instance, nullptr);
  EXPECT_EQ(GameSettings::s_instance, existing);
  EXPECT_FALSE(GameSettings::s_instance->m_movies);
  EXPECT_TRUE(capture.Contains("Registering Devices\n"));

  EngineServices::ReleaseWindowServices();
  EXPECT_EQ(Log::s_instance, nullptr);
  EXPECT_EQ(ErrorReporter::s_instance, nullptr);
  EXPECT_NE(DeviceManager::s_instance, nullptr);
  EXPECT_EQ(GameSettings::s_instance, existing);

  EngineServices::ReleaseProcessServices();
  EXPECT_EQ(DeviceManager::s_instance, nullptr);
  EXPECT_EQ(GameSettings::s_instance, nullptr);

  // A new opening starts afresh, with the defaults.
  EngineServices::Create();
  ASSERT_NE(GameSettings::s_instance, nullptr);
  EXPECT_TRUE(GameSettings::s_instance->m_movies);
  EngineServices::ReleaseWindowServices();
  EngineServices::ReleaseProcessServices();
}

}  // namespace
