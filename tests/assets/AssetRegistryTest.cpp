#include "assets/AssetRegistry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assets/AssetDirectories.h"
#include "engine/DeviceManager.h"
#include "support/LogCapture.h"
#include "support/TempDirectory.h"

namespace {

// Every descriptor in the order of the game's table.
const std::vector<const AssetDescriptor*>& TableOrder() {
  static const std::vector<const AssetDescriptor*> order = {
      &kAssetQVConfig_INI,       &kAssetQVPLINFO_DAT, &kAssetMINOMOOD_INI,
      &kAssetMENUMOOD_INI,       &kAssetPAIRMAP_INI,  &kAssetARCMOOD_INI,
      &kAssetCOLRGRID_NIF,       &kAssetMINOALL_NIF,  &kAssetLP_MINO_NIF,
      &kAssetLP_MINO2_NIF,       &kAssetMINOALL_KF,   &kAssetEYEALL_KF,
      &kAssetEYEALL_NIF,         &kAssetLP_EYE_NIF,   &kAssetMINOACC_NIF,
      &kAssetANISCR_BAD,         &kAssetANIPAIR_KF,   &kAssetMINOPP01_KF,
      &kAssetMINOPP02_KF,        &kAssetMINOPP03_KF,  &kAssetMINOPP04_KF,
      &kAssetMINOPP05_KF,        &kAssetMINOPP06_KF,  &kAssetMINOPP07_KF,
      &kAssetMINOPP08_KF,        &kAssetMINOPP09_KF,  &kAssetMINOPP10_KF,
      &kAssetPORTRIP_NIF,        &kAssetBLKCOLOR_INI, &kAssetIMENUBAK_NIF,
      &kAssetHIS00_NIF,          &kAssetHIS01_NIF,    &kAssetHIS02_NIF,
      &kAssetHIS03_NIF,          &kAssetHIS04_NIF,    &kAssetRUL00_NIF,
      &kAssetRUL01_NIF,          &kAssetRUL02_NIF,    &kAssetRUL03_NIF,
      &kAssetRUL04_NIF,          &kAssetRUL05_NIF,    &kAssetRUL06_NIF,
      &kAssetRUL07_NIF,          &kAssetCRE00_NIF,    &kAssetCRE01_NIF,
      &kAssetCRE02_NIF,          &kAssetCRE03_NIF,    &kAssetCRE04_NIF,
      &kAssetCRE05_NIF,          &kAssetCRE06_NIF,    &kAssetCRE07_NIF,
      &kAssetIMENU_NIF,          &kAssetIMENUF_NIF,   &kAssetPMENU_NIF,
      &kAssetPMENUF_NIF,         &kAssetPARCADE_NIF,  &kAssetPARCADEF_NIF,
      &kAssetMTNWLD_NIF,         &kAssetFIREWLD_NIF,  &kAssetOCEANWLD_NIF,
      &kAssetICEWLD_NIF,         &kAssetFORSTWLD_NIF, &kAssetCLOUDWLD_NIF,
      &kAssetMTNMID_NIF,         &kAssetFIREMID_NIF,  &kAssetOCEANMID_NIF,
      &kAssetICEMID_NIF,         &kAssetFORSTMID_NIF, &kAssetCLOUDMID_NIF,
      &kAssetMULTIWLD_NIF,       &kAssetMULTIMID_NIF, &kAssetFLATWLD_NIF,
      &kAssetFLATMULTI_NIF,      &kAssetORIGWLD_NIF,  &kAssetDUST_TGA,
      &kAssetSTAR_TGA,           &kAssetFLOWER1_TGA,  &kAssetFLOWER2_TGA,
      &kAssetFLOWER3_TGA,        &kAssetFLOWER4_TGA,  &kAssetSCORE_NIF,
      &kAssetMSCORE_NIF,         &kAssetFSCORE_NIF,   &kAssetOSCORE_NIF,
      &kAssetMFSCORE_NIF,        &kAssetZAR2001_QVS,  &kAssetCASCADE_QVS,
      &kAssetHOTLINE_QVS,        &kAssetTNT_QVS,      &kAssetSQUARE_QVS,
      &kAssetCONNECT_QVS,        &kAssetORIGINAL_QVS, &kAssetLEARNING_QVS,
      &kAssetMZAR2001_QVS,       &kAssetMCASCADE_QVS, &kAssetMHOTLINE_QVS,
      &kAssetMTNT_QVS,           &kAssetMSQUARE_QVS,  &kAssetMCONNECT_QVS,
      &kAssetSAMPLE_QVS,         &kAssetTEST_QVS,     &kAssetRIBBON_QVS,
      &kAssetRibbonMarathon_QVS, &kAssetEndure_QVS,   &kAssetBLOKMESH_NIF,
      &kAssetREFCUBE_NIF,        &kAssetQMV_BIK,      &kAssetWZH_BIK,
      &kAssetLOGO_BIK,           &kAssetLEGAL_BIK,    &kAssetINTRO_BIK,
      &kAssetFINAL_BIK,          &kAssetNET_INI,
  };
  return order;
}

}  // namespace

// All 113 descriptors exist before main, were built in table order, once each.
TEST(AssetRegistry, BuiltOnceInTableOrder) {
  const auto& order = TableOrder();
  ASSERT_EQ(order.size(), 113u);
  EXPECT_GE(AssetDescriptor::GetLiveCount(), 113u);
  for (std::size_t i = 1; i < order.size(); ++i) {
    EXPECT_EQ(order[i]->GetSerial(), order[i - 1]->GetSerial() + 1)
        << order[i]->GetName() << order[i]->GetExtension();
  }
  int scenes = 0;
  for (const AssetDescriptor* descriptor : order) {
    if (const auto* scene = dynamic_cast<const SceneAssetDescriptor*>(descriptor)) {
      ++scenes;
      EXPECT_EQ(scene->GetNode(), "Scene Root");
      EXPECT_EQ(scene->GetArchiveFlag(), 0);
      EXPECT_EQ(scene->GetOpenMode(), 0);
      EXPECT_EQ(scene->GetBinaryFlag(), 1);
    }
    EXPECT_EQ(descriptor->GetExtension().front(), '.');
    EXPECT_EQ(descriptor->GetBinaryFlag(), 1);
  }
  EXPECT_EQ(scenes, 19);
}

// Spot checks of rows whose fields differ from their neighbours.
TEST(AssetRegistry, RowsCarryTheirFields) {
  EXPECT_EQ(kAssetQVConfig_INI.GetDirectory(), "MISC");
  EXPECT_EQ(kAssetQVConfig_INI.GetName(), "QVConfig");
  EXPECT_EQ(kAssetQVConfig_INI.GetExtension(), ".INI");
  EXPECT_EQ(kAssetQVConfig_INI.GetPlatformFlag(), 1);
  EXPECT_EQ(kAssetQVConfig_INI.GetLanguageFlag(), 0);
  EXPECT_EQ(kAssetQVConfig_INI.GetArchiveFlag(), 0);
  EXPECT_EQ(kAssetQVConfig_INI.GetOpenMode(), 2);
  EXPECT_EQ(kAssetQVConfig_INI.GetBinaryFlag(), 1);
  EXPECT_EQ(kAssetQVPLINFO_DAT.GetDirectory(), "");
  EXPECT_EQ(kAssetQVPLINFO_DAT.GetOpenMode(), 2);
  EXPECT_EQ(kAssetMINOALL_NIF.GetExtension(), ".NIF");
  EXPECT_EQ(kAssetMINOALL_KF.GetExtension(), ".KF");
  EXPECT_NE(&kAssetMINOALL_NIF, static_cast<const AssetDescriptor*>(&kAssetMINOALL_KF));
  EXPECT_EQ(kAssetCOLRGRID_NIF.GetPlatformFlag(), 1);
  EXPECT_EQ(kAssetLP_MINO_NIF.GetPlatformFlag(), 0);
  EXPECT_EQ(kAssetHIS04_NIF.GetLanguageFlag(), 1);
  EXPECT_EQ(kAssetHIS04_NIF.GetDirectory(), "BAKDROPS");
  EXPECT_EQ(kAssetDUST_TGA.GetDirectory(), "MTNWLD");
  EXPECT_EQ(kAssetSTAR_TGA.GetDirectory(), "FIREWLD");
  EXPECT_EQ(kAssetFLOWER4_TGA.GetDirectory(), "FORSTWLD");
  EXPECT_EQ(kAssetCLOUDMID_NIF.GetDirectory(), "CLOUDWLD");
  EXPECT_EQ(kAssetRibbonMarathon_QVS.GetName(), "RibbonMarathon");
  EXPECT_EQ(kAssetEndure_QVS.GetDirectory(), "SCRIPTS");
  EXPECT_EQ(kAssetSCORE_NIF.GetLanguageFlag(), 1);
  EXPECT_EQ(kAssetFSCORE_NIF.GetLanguageFlag(), 0);
  EXPECT_EQ(kAssetREFCUBE_NIF.GetPlatformFlag(), 0);
  EXPECT_EQ(kAssetFINAL_BIK.GetLanguageFlag(), 1);
  EXPECT_EQ(kAssetNET_INI.GetDirectory(), "NET");
  EXPECT_EQ(kAssetANISCR_BAD.GetArchiveFlag(), 0);
  EXPECT_EQ(kDirFONTS, "FONTS");
  EXPECT_EQ(kDirSCRIPTS, "SCRIPTS");
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
