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

// Rows whose fields differ from their neighbours, as "DIR/NAME.EXT platform language archive
// open-mode binary".
TEST(AssetRegistry, RowsCarryTheirFields) {
  const auto digit = [](auto flag) { return std::to_string(static_cast<int>(flag)); };
  const auto row = [&](const AssetDescriptor& d) {
    return d.GetDirectory() + "/" + d.GetName() + d.GetExtension() + " " +
           digit(d.GetPlatformFlag()) + digit(d.GetLanguageFlag()) + digit(d.GetArchiveFlag()) +
           digit(d.GetOpenMode()) + digit(d.GetBinaryFlag());
  };
  const std::pair<const AssetDescriptor*, const char*> rows[] = {
      {&kAssetQVConfig_INI, "MISC/QVConfig.INI 10021"},
      {&kAssetQVPLINFO_DAT, "/QVPLINFO.DAT 10021"},
      {&kAssetCOLRGRID_NIF, "MINO/COLRGRID.NIF 10001"},
      {&kAssetMINOALL_KF, "MINO/MINOALL.KF 00001"},
      {&kAssetANISCR_BAD, "ANISCR/ANISCR.BAD 00001"},
      {&kAssetHIS04_NIF, "BAKDROPS/HIS04.NIF 11001"},
      {&kAssetCLOUDMID_NIF, "CLOUDWLD/CLOUDMID.NIF 10001"},
      {&kAssetSTAR_TGA, "FIREWLD/STAR.TGA 10001"},
      {&kAssetFSCORE_NIF, "MENUS/FSCORE.NIF 10001"},
      {&kAssetSCORE_NIF, "MENUS/SCORE.NIF 11001"},
      {&kAssetRibbonMarathon_QVS, "SCRIPTS/RibbonMarathon.QVS 00001"},
      {&kAssetREFCUBE_NIF, "MISC/REFCUBE.NIF 00001"},
      {&kAssetFINAL_BIK, "MOVIES/FINAL.BIK 11001"},
      {&kAssetNET_INI, "NET/NET.INI 00001"}};
  for (const auto& [descriptor, expected] : rows) EXPECT_EQ(row(*descriptor), expected);
  EXPECT_EQ(kDirFONTS, "FONTS");
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
