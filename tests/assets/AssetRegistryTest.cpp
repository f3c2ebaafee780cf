#include "assets/AssetRegistry.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "assets/AssetDirectories.h"
#include "engine/DeviceManager.h"
#include "support/LogCapture.h"
#include "support/TempDirectory.h"

// All 113 descriptors exist before main, built once each in table order from the settings file
// to NET.INI; scene files name their root node.
TEST(AssetRegistry, BuiltOnceInTableOrder) {
  EXPECT_GE(AssetDescriptor::GetLiveCount(), 113u);
  const std::pair<const AssetDescriptor*, unsigned> anchors[] = {
      {&kAssetQVPLINFO_DAT, 1}, {&kAssetANISCR_BAD, 15},  {&kAssetHIS00_NIF, 30},
      {&kAssetDUST_TGA, 74},    {&kAssetZAR2001_QVS, 85}, {&kAssetNET_INI, 112}};
  for (const auto& [descriptor, index] : anchors) {
    EXPECT_EQ(descriptor->GetSerial(), kAssetQVConfig_INI.GetSerial() + index)
        << descriptor->GetName();
  }
  for (const SceneAssetDescriptor* scene :
       {&kAssetCOLRGRID_NIF, &kAssetMINOALL_KF, &kAssetSCORE_NIF}) {
    EXPECT_EQ(scene->GetNode(), "Scene Root");
  }
}

// The settings descriptor resolves below the platform folder and ANY_LANG.
TEST(AssetRegistry, SettingsFileResolves) {
  TempDirectory directory;
  LogCapture capture;
  DeviceManager manager;
  EXPECT_EQ(manager.ComposePath(kAssetQVConfig_INI, nullptr),
            ".\\Assets\\PC\\ANY_LANG\\MISC\\QVConfig.INI");
  EXPECT_EQ(manager.ComposePath(kAssetFINAL_BIK, nullptr),
            ".\\Assets\\PC\\ENGLISH\\MOVIES\\FINAL.BIK");
}
