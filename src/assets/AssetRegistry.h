#pragma once

#include "engine/AssetDescriptor.h"
#include "engine/SceneAssetDescriptor.h"

// Every file of the game, one process-wide descriptor each, built before main
// in this order (after the directory names) and destroyed in reverse.
// Naming: kAsset + the file name exactly as written + "_" + the extension
// without its dot, e.g. kAssetQVConfig_INI for QVConfig.INI; a file that
// the game reads as a scene is a SceneAssetDescriptor naming "Scene Root".
// The tool itself uses only kAssetQVConfig_INI, the settings file.

extern const AssetDescriptor kAssetQVConfig_INI;
extern const AssetDescriptor kAssetQVPLINFO_DAT;
extern const AssetDescriptor kAssetMINOMOOD_INI;
extern const AssetDescriptor kAssetMENUMOOD_INI;
extern const AssetDescriptor kAssetPAIRMAP_INI;
extern const AssetDescriptor kAssetARCMOOD_INI;
extern const SceneAssetDescriptor kAssetCOLRGRID_NIF;
extern const SceneAssetDescriptor kAssetMINOALL_NIF;
extern const SceneAssetDescriptor kAssetLP_MINO_NIF;
extern const SceneAssetDescriptor kAssetLP_MINO2_NIF;
extern const SceneAssetDescriptor kAssetMINOALL_KF;
extern const SceneAssetDescriptor kAssetEYEALL_KF;
extern const SceneAssetDescriptor kAssetEYEALL_NIF;
extern const SceneAssetDescriptor kAssetLP_EYE_NIF;
extern const SceneAssetDescriptor kAssetMINOACC_NIF;
extern const AssetDescriptor kAssetANISCR_BAD;
extern const AssetDescriptor kAssetANIPAIR_KF;
extern const AssetDescriptor kAssetMINOPP01_KF;
extern const AssetDescriptor kAssetMINOPP02_KF;
extern const AssetDescriptor kAssetMINOPP03_KF;
extern const AssetDescriptor kAssetMINOPP04_KF;
extern const AssetDescriptor kAssetMINOPP05_KF;
extern const AssetDescriptor kAssetMINOPP06_KF;
extern const AssetDescriptor kAssetMINOPP07_KF;
extern const AssetDescriptor kAssetMINOPP08_KF;
extern const AssetDescriptor kAssetMINOPP09_KF;
extern const AssetDescriptor kAssetMINOPP10_KF;
extern const SceneAssetDescriptor kAssetPORTRIP_NIF;
extern const AssetDescriptor kAssetBLKCOLOR_INI;
extern const AssetDescriptor kAssetIMENUBAK_NIF;
extern const AssetDescriptor kAssetHIS00_NIF;
extern const AssetDescriptor kAssetHIS01_NIF;
extern const AssetDescriptor kAssetHIS02_NIF;
extern const AssetDescriptor kAssetHIS03_NIF;
extern const AssetDescriptor kAssetHIS04_NIF;
extern const AssetDescriptor kAssetRUL00_NIF;
extern const AssetDescriptor kAssetRUL01_NIF;
extern const AssetDescriptor kAssetRUL02_NIF;
extern const AssetDescriptor kAssetRUL03_NIF;
extern const AssetDescriptor kAssetRUL04_NIF;
extern const AssetDescriptor kAssetRUL05_NIF;
extern const AssetDescriptor kAssetRUL06_NIF;
extern const AssetDescriptor kAssetRUL07_NIF;
extern const AssetDescriptor kAssetCRE00_NIF;
extern const AssetDescriptor kAssetCRE01_NIF;
extern const AssetDescriptor kAssetCRE02_NIF;
extern const AssetDescriptor kAssetCRE03_NIF;
extern const AssetDescriptor kAssetCRE04_NIF;
extern const AssetDescriptor kAssetCRE05_NIF;
extern const AssetDescriptor kAssetCRE06_NIF;
extern const AssetDescriptor kAssetCRE07_NIF;
extern const AssetDescriptor kAssetIMENU_NIF;
extern const AssetDescriptor kAssetIMENUF_NIF;
extern const SceneAssetDescriptor kAssetPMENU_NIF;
extern const SceneAssetDescriptor kAssetPMENUF_NIF;
extern const SceneAssetDescriptor kAssetPARCADE_NIF;
extern const SceneAssetDescriptor kAssetPARCADEF_NIF;
extern const AssetDescriptor kAssetMTNWLD_NIF;
extern const AssetDescriptor kAssetFIREWLD_NIF;
extern const AssetDescriptor kAssetOCEANWLD_NIF;
extern const AssetDescriptor kAssetICEWLD_NIF;
extern const AssetDescriptor kAssetFORSTWLD_NIF;
extern const AssetDescriptor kAssetCLOUDWLD_NIF;
extern const AssetDescriptor kAssetMTNMID_NIF;
extern const AssetDescriptor kAssetFIREMID_NIF;
extern const AssetDescriptor kAssetOCEANMID_NIF;
extern const AssetDescriptor kAssetICEMID_NIF;
extern const AssetDescriptor kAssetFORSTMID_NIF;
extern const AssetDescriptor kAssetCLOUDMID_NIF;
extern const AssetDescriptor kAssetMULTIWLD_NIF;
extern const AssetDescriptor kAssetMULTIMID_NIF;
extern const AssetDescriptor kAssetFLATWLD_NIF;
extern const AssetDescriptor kAssetFLATMULTI_NIF;
extern const AssetDescriptor kAssetORIGWLD_NIF;
extern const AssetDescriptor kAssetDUST_TGA;
extern const AssetDescriptor kAssetSTAR_TGA;
extern const AssetDescriptor kAssetFLOWER1_TGA;
extern const AssetDescriptor kAssetFLOWER2_TGA;
extern const AssetDescriptor kAssetFLOWER3_TGA;
extern const AssetDescriptor kAssetFLOWER4_TGA;
extern const SceneAssetDescriptor kAssetSCORE_NIF;
extern const SceneAssetDescriptor kAssetMSCORE_NIF;
extern const SceneAssetDescriptor kAssetFSCORE_NIF;
extern const SceneAssetDescriptor kAssetOSCORE_NIF;
extern const SceneAssetDescriptor kAssetMFSCORE_NIF;
extern const AssetDescriptor kAssetZAR2001_QVS;
extern const AssetDescriptor kAssetCASCADE_QVS;
extern const AssetDescriptor kAssetHOTLINE_QVS;
extern const AssetDescriptor kAssetTNT_QVS;
extern const AssetDescriptor kAssetSQUARE_QVS;
extern const AssetDescriptor kAssetCONNECT_QVS;
extern const AssetDescriptor kAssetORIGINAL_QVS;
extern const AssetDescriptor kAssetLEARNING_QVS;
extern const AssetDescriptor kAssetMZAR2001_QVS;
extern const AssetDescriptor kAssetMCASCADE_QVS;
extern const AssetDescriptor kAssetMHOTLINE_QVS;
extern const AssetDescriptor kAssetMTNT_QVS;
extern const AssetDescriptor kAssetMSQUARE_QVS;
extern const AssetDescriptor kAssetMCONNECT_QVS;
extern const AssetDescriptor kAssetSAMPLE_QVS;
extern const AssetDescriptor kAssetTEST_QVS;
extern const AssetDescriptor kAssetRIBBON_QVS;
extern const AssetDescriptor kAssetRibbonMarathon_QVS;
extern const AssetDescriptor kAssetEndure_QVS;
extern const AssetDescriptor kAssetBLOKMESH_NIF;
extern const AssetDescriptor kAssetREFCUBE_NIF;
extern const AssetDescriptor kAssetQMV_BIK;
extern const AssetDescriptor kAssetWZH_BIK;
extern const AssetDescriptor kAssetLOGO_BIK;
extern const AssetDescriptor kAssetLEGAL_BIK;
extern const AssetDescriptor kAssetINTRO_BIK;
extern const AssetDescriptor kAssetFINAL_BIK;
extern const AssetDescriptor kAssetNET_INI;
