#include "assets/AssetRegistry.h"

#include "assets/AssetDirectories.h"

// Both lists live in this one file: within a file, process-wide objects are
// built in the order they are defined, so the directory names exist before
// the descriptors that copy them.

const String kDirMINO = "MINO";
const String kDirBAKDROPS = "BAKDROPS";
const String kDirANISCR = "ANISCR";
const String kDirMENUS = "MENUS";
const String kDirMISC = "MISC";
const String kDirFONTS = "FONTS";
const String kDirSOUNDS = "SOUNDS";
const String kDirMUSIC = "MUSIC";
const String kDirNET = "NET";
const String kDirMTNWLD = "MTNWLD";
const String kDirFIREWLD = "FIREWLD";
const String kDirOCEANWLD = "OCEANWLD";
const String kDirICEWLD = "ICEWLD";
const String kDirFORSTWLD = "FORSTWLD";
const String kDirCLOUDWLD = "CLOUDWLD";
const String kDirMULTIWLD = "MULTIWLD";
const String kDirFLATWLD = "FLATWLD";
const String kDirORIGWLD = "ORIGWLD";
const String kDirMOVIES = "MOVIES";
const String kDirSCRIPTS = "SCRIPTS";

// The flags by their bare names, so that a row reads as its columns: platform,
// language, archive, open mode, binary.
using enum PlatformFlag;
using enum LanguageFlag;
using enum ArchiveFlag;
using enum BinaryFlag;

// The node every scene descriptor names.
constexpr const char* kSceneRoot = "Scene Root";

const AssetDescriptor kAssetQVConfig_INI(kDirMISC, "QVConfig", ".INI", kPerPlatform, kAnyLanguage,
                                         kPlainFile, kOpenReadWrite, kBinary);
const AssetDescriptor kAssetQVPLINFO_DAT(String(), "QVPLINFO", ".DAT", kPerPlatform, kAnyLanguage,
                                         kPlainFile, kOpenReadWrite, kBinary);
const AssetDescriptor kAssetMINOMOOD_INI(kDirMINO, "MINOMOOD", ".INI", kAnyPlatform, kAnyLanguage,
                                         kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetMENUMOOD_INI(kDirMINO, "MENUMOOD", ".INI", kAnyPlatform, kAnyLanguage,
                                         kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetPAIRMAP_INI(kDirMINO, "PAIRMAP", ".INI", kAnyPlatform, kAnyLanguage,
                                        kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetARCMOOD_INI(kDirMINO, "ARCMOOD", ".INI", kAnyPlatform, kAnyLanguage,
                                        kPlainFile, kOpenRead, kBinary);
const SceneAssetDescriptor kAssetCOLRGRID_NIF(kDirMINO, "COLRGRID", ".NIF", kSceneRoot,
                                              kPerPlatform, kAnyLanguage);
const SceneAssetDescriptor kAssetMINOALL_NIF(kDirMINO, "MINOALL", ".NIF", kSceneRoot, kAnyPlatform,
                                             kAnyLanguage);
const SceneAssetDescriptor kAssetLP_MINO_NIF(kDirMINO, "LP_MINO", ".NIF", kSceneRoot, kAnyPlatform,
                                             kAnyLanguage);
const SceneAssetDescriptor kAssetLP_MINO2_NIF(kDirMINO, "LP_MINO2", ".NIF", kSceneRoot,
                                              kAnyPlatform, kAnyLanguage);
const SceneAssetDescriptor kAssetMINOALL_KF(kDirMINO, "MINOALL", ".KF", kSceneRoot, kAnyPlatform,
                                            kAnyLanguage);
const SceneAssetDescriptor kAssetEYEALL_KF(kDirMINO, "EYEALL", ".KF", kSceneRoot, kAnyPlatform,
                                           kAnyLanguage);
const SceneAssetDescriptor kAssetEYEALL_NIF(kDirMINO, "EYEALL", ".NIF", kSceneRoot, kAnyPlatform,
                                            kAnyLanguage);
const SceneAssetDescriptor kAssetLP_EYE_NIF(kDirMINO, "LP_EYE", ".NIF", kSceneRoot, kAnyPlatform,
                                            kAnyLanguage);
const SceneAssetDescriptor kAssetMINOACC_NIF(kDirMINO, "MINOACC", ".NIF", kSceneRoot, kPerPlatform,
                                             kAnyLanguage);
const AssetDescriptor kAssetANISCR_BAD(kDirANISCR, "ANISCR", ".BAD", kAnyPlatform, kAnyLanguage,
                                       kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetANIPAIR_KF(kDirMINO, "ANIPAIR", ".KF", kAnyPlatform, kAnyLanguage,
                                       kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetMINOPP01_KF(kDirMINO, "MINOPP01", ".KF", kAnyPlatform, kAnyLanguage,
                                        kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetMINOPP02_KF(kDirMINO, "MINOPP02", ".KF", kAnyPlatform, kAnyLanguage,
                                        kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetMINOPP03_KF(kDirMINO, "MINOPP03", ".KF", kAnyPlatform, kAnyLanguage,
                                        kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetMINOPP04_KF(kDirMINO, "MINOPP04", ".KF", kAnyPlatform, kAnyLanguage,
                                        kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetMINOPP05_KF(kDirMINO, "MINOPP05", ".KF", kAnyPlatform, kAnyLanguage,
                                        kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetMINOPP06_KF(kDirMINO, "MINOPP06", ".KF", kAnyPlatform, kAnyLanguage,
                                        kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetMINOPP07_KF(kDirMINO, "MINOPP07", ".KF", kAnyPlatform, kAnyLanguage,
                                        kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetMINOPP08_KF(kDirMINO, "MINOPP08", ".KF", kAnyPlatform, kAnyLanguage,
                                        kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetMINOPP09_KF(kDirMINO, "MINOPP09", ".KF", kAnyPlatform, kAnyLanguage,
                                        kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetMINOPP10_KF(kDirMINO, "MINOPP10", ".KF", kAnyPlatform, kAnyLanguage,
                                        kPlainFile, kOpenRead, kBinary);
const SceneAssetDescriptor kAssetPORTRIP_NIF(kDirMINO, "PORTRIP", ".NIF", kSceneRoot, kPerPlatform,
                                             kAnyLanguage);
const AssetDescriptor kAssetBLKCOLOR_INI(kDirMINO, "BLKCOLOR", ".INI", kAnyPlatform, kAnyLanguage,
                                         kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetIMENUBAK_NIF(kDirBAKDROPS, "IMENUBAK", ".NIF", kPerPlatform,
                                         kPerLanguage, kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetHIS00_NIF(kDirBAKDROPS, "HIS00", ".NIF", kPerPlatform, kPerLanguage,
                                      kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetHIS01_NIF(kDirBAKDROPS, "HIS01", ".NIF", kPerPlatform, kPerLanguage,
                                      kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetHIS02_NIF(kDirBAKDROPS, "HIS02", ".NIF", kPerPlatform, kPerLanguage,
                                      kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetHIS03_NIF(kDirBAKDROPS, "HIS03", ".NIF", kPerPlatform, kPerLanguage,
                                      kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetHIS04_NIF(kDirBAKDROPS, "HIS04", ".NIF", kPerPlatform, kPerLanguage,
                                      kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetRUL00_NIF(kDirBAKDROPS, "RUL00", ".NIF", kPerPlatform, kPerLanguage,
                                      kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetRUL01_NIF(kDirBAKDROPS, "RUL01", ".NIF", kPerPlatform, kPerLanguage,
                                      kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetRUL02_NIF(kDirBAKDROPS, "RUL02", ".NIF", kPerPlatform, kPerLanguage,
                                      kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetRUL03_NIF(kDirBAKDROPS, "RUL03", ".NIF", kPerPlatform, kPerLanguage,
                                      kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetRUL04_NIF(kDirBAKDROPS, "RUL04", ".NIF", kPerPlatform, kPerLanguage,
                                      kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetRUL05_NIF(kDirBAKDROPS, "RUL05", ".NIF", kPerPlatform, kPerLanguage,
                                      kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetRUL06_NIF(kDirBAKDROPS, "RUL06", ".NIF", kPerPlatform, kPerLanguage,
                                      kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetRUL07_NIF(kDirBAKDROPS, "RUL07", ".NIF", kPerPlatform, kPerLanguage,
                                      kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetCRE00_NIF(kDirBAKDROPS, "CRE00", ".NIF", kPerPlatform, kPerLanguage,
                                      kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetCRE01_NIF(kDirBAKDROPS, "CRE01", ".NIF", kPerPlatform, kPerLanguage,
                                      kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetCRE02_NIF(kDirBAKDROPS, "CRE02", ".NIF", kPerPlatform, kPerLanguage,
                                      kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetCRE03_NIF(kDirBAKDROPS, "CRE03", ".NIF", kPerPlatform, kPerLanguage,
                                      kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetCRE04_NIF(kDirBAKDROPS, "CRE04", ".NIF", kPerPlatform, kPerLanguage,
                                      kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetCRE05_NIF(kDirBAKDROPS, "CRE05", ".NIF", kPerPlatform, kPerLanguage,
                                      kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetCRE06_NIF(kDirBAKDROPS, "CRE06", ".NIF", kPerPlatform, kPerLanguage,
                                      kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetCRE07_NIF(kDirBAKDROPS, "CRE07", ".NIF", kPerPlatform, kPerLanguage,
                                      kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetIMENU_NIF(kDirMENUS, "IMENU", ".NIF", kPerPlatform, kPerLanguage,
                                      kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetIMENUF_NIF(kDirMENUS, "IMENUF", ".NIF", kPerPlatform, kPerLanguage,
                                       kPlainFile, kOpenRead, kBinary);
const SceneAssetDescriptor kAssetPMENU_NIF(kDirMENUS, "PMENU", ".NIF", kSceneRoot, kPerPlatform,
                                           kPerLanguage);
const SceneAssetDescriptor kAssetPMENUF_NIF(kDirMENUS, "PMENUF", ".NIF", kSceneRoot, kPerPlatform,
                                            kPerLanguage);
const SceneAssetDescriptor kAssetPARCADE_NIF(kDirMENUS, "PARCADE", ".NIF", kSceneRoot, kPerPlatform,
                                             kPerLanguage);
const SceneAssetDescriptor kAssetPARCADEF_NIF(kDirMENUS, "PARCADEF", ".NIF", kSceneRoot,
                                              kPerPlatform, kPerLanguage);
const AssetDescriptor kAssetMTNWLD_NIF(kDirMTNWLD, "MTNWLD", ".NIF", kPerPlatform, kAnyLanguage,
                                       kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetFIREWLD_NIF(kDirFIREWLD, "FIREWLD", ".NIF", kPerPlatform, kAnyLanguage,
                                        kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetOCEANWLD_NIF(kDirOCEANWLD, "OCEANWLD", ".NIF", kPerPlatform,
                                         kAnyLanguage, kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetICEWLD_NIF(kDirICEWLD, "ICEWLD", ".NIF", kPerPlatform, kAnyLanguage,
                                       kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetFORSTWLD_NIF(kDirFORSTWLD, "FORSTWLD", ".NIF", kPerPlatform,
                                         kAnyLanguage, kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetCLOUDWLD_NIF(kDirCLOUDWLD, "CLOUDWLD", ".NIF", kPerPlatform,
                                         kAnyLanguage, kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetMTNMID_NIF(kDirMTNWLD, "MTNMID", ".NIF", kPerPlatform, kAnyLanguage,
                                       kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetFIREMID_NIF(kDirFIREWLD, "FIREMID", ".NIF", kPerPlatform, kAnyLanguage,
                                        kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetOCEANMID_NIF(kDirOCEANWLD, "OCEANMID", ".NIF", kPerPlatform,
                                         kAnyLanguage, kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetICEMID_NIF(kDirICEWLD, "ICEMID", ".NIF", kPerPlatform, kAnyLanguage,
                                       kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetFORSTMID_NIF(kDirFORSTWLD, "FORSTMID", ".NIF", kPerPlatform,
                                         kAnyLanguage, kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetCLOUDMID_NIF(kDirCLOUDWLD, "CLOUDMID", ".NIF", kPerPlatform,
                                         kAnyLanguage, kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetMULTIWLD_NIF(kDirMULTIWLD, "MULTIWLD", ".NIF", kPerPlatform,
                                         kAnyLanguage, kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetMULTIMID_NIF(kDirMULTIWLD, "MULTIMID", ".NIF", kPerPlatform,
                                         kAnyLanguage, kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetFLATWLD_NIF(kDirFLATWLD, "FLATWLD", ".NIF", kPerPlatform, kAnyLanguage,
                                        kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetFLATMULTI_NIF(kDirFLATWLD, "FLATMULTI", ".NIF", kPerPlatform,
                                          kAnyLanguage, kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetORIGWLD_NIF(kDirORIGWLD, "ORIGWLD", ".NIF", kPerPlatform, kAnyLanguage,
                                        kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetDUST_TGA(kDirMTNWLD, "DUST", ".TGA", kPerPlatform, kAnyLanguage,
                                     kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetSTAR_TGA(kDirFIREWLD, "STAR", ".TGA", kPerPlatform, kAnyLanguage,
                                     kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetFLOWER1_TGA(kDirFORSTWLD, "FLOWER1", ".TGA", kPerPlatform, kAnyLanguage,
                                        kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetFLOWER2_TGA(kDirFORSTWLD, "FLOWER2", ".TGA", kPerPlatform, kAnyLanguage,
                                        kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetFLOWER3_TGA(kDirFORSTWLD, "FLOWER3", ".TGA", kPerPlatform, kAnyLanguage,
                                        kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetFLOWER4_TGA(kDirFORSTWLD, "FLOWER4", ".TGA", kPerPlatform, kAnyLanguage,
                                        kPlainFile, kOpenRead, kBinary);
const SceneAssetDescriptor kAssetSCORE_NIF(kDirMENUS, "SCORE", ".NIF", kSceneRoot, kPerPlatform,
                                           kPerLanguage);
const SceneAssetDescriptor kAssetMSCORE_NIF(kDirMENUS, "MSCORE", ".NIF", kSceneRoot, kPerPlatform,
                                            kPerLanguage);
const SceneAssetDescriptor kAssetFSCORE_NIF(kDirMENUS, "FSCORE", ".NIF", kSceneRoot, kPerPlatform,
                                            kAnyLanguage);
const SceneAssetDescriptor kAssetOSCORE_NIF(kDirMENUS, "OSCORE", ".NIF", kSceneRoot, kPerPlatform,
                                            kAnyLanguage);
const SceneAssetDescriptor kAssetMFSCORE_NIF(kDirMENUS, "MFSCORE", ".NIF", kSceneRoot, kPerPlatform,
                                             kAnyLanguage);
const AssetDescriptor kAssetZAR2001_QVS(kDirSCRIPTS, "ZAR2001", ".QVS", kAnyPlatform, kAnyLanguage,
                                        kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetCASCADE_QVS(kDirSCRIPTS, "CASCADE", ".QVS", kAnyPlatform, kAnyLanguage,
                                        kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetHOTLINE_QVS(kDirSCRIPTS, "HOTLINE", ".QVS", kAnyPlatform, kAnyLanguage,
                                        kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetTNT_QVS(kDirSCRIPTS, "TNT", ".QVS", kAnyPlatform, kAnyLanguage,
                                    kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetSQUARE_QVS(kDirSCRIPTS, "SQUARE", ".QVS", kAnyPlatform, kAnyLanguage,
                                       kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetCONNECT_QVS(kDirSCRIPTS, "CONNECT", ".QVS", kAnyPlatform, kAnyLanguage,
                                        kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetORIGINAL_QVS(kDirSCRIPTS, "ORIGINAL", ".QVS", kAnyPlatform,
                                         kAnyLanguage, kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetLEARNING_QVS(kDirSCRIPTS, "LEARNING", ".QVS", kAnyPlatform,
                                         kAnyLanguage, kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetMZAR2001_QVS(kDirSCRIPTS, "MZAR2001", ".QVS", kAnyPlatform,
                                         kAnyLanguage, kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetMCASCADE_QVS(kDirSCRIPTS, "MCASCADE", ".QVS", kAnyPlatform,
                                         kAnyLanguage, kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetMHOTLINE_QVS(kDirSCRIPTS, "MHOTLINE", ".QVS", kAnyPlatform,
                                         kAnyLanguage, kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetMTNT_QVS(kDirSCRIPTS, "MTNT", ".QVS", kAnyPlatform, kAnyLanguage,
                                     kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetMSQUARE_QVS(kDirSCRIPTS, "MSQUARE", ".QVS", kAnyPlatform, kAnyLanguage,
                                        kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetMCONNECT_QVS(kDirSCRIPTS, "MCONNECT", ".QVS", kAnyPlatform,
                                         kAnyLanguage, kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetSAMPLE_QVS(kDirSCRIPTS, "SAMPLE", ".QVS", kAnyPlatform, kAnyLanguage,
                                       kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetTEST_QVS(kDirSCRIPTS, "TEST", ".QVS", kAnyPlatform, kAnyLanguage,
                                     kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetRIBBON_QVS(kDirSCRIPTS, "RIBBON", ".QVS", kAnyPlatform, kAnyLanguage,
                                       kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetRibbonMarathon_QVS(kDirSCRIPTS, "RibbonMarathon", ".QVS", kAnyPlatform,
                                               kAnyLanguage, kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetEndure_QVS(kDirSCRIPTS, "Endure", ".QVS", kAnyPlatform, kAnyLanguage,
                                       kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetBLOKMESH_NIF(kDirMISC, "BLOKMESH", ".NIF", kPerPlatform, kAnyLanguage,
                                         kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetREFCUBE_NIF(kDirMISC, "REFCUBE", ".NIF", kAnyPlatform, kAnyLanguage,
                                        kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetQMV_BIK(kDirMOVIES, "QMV", ".BIK", kPerPlatform, kPerLanguage,
                                    kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetWZH_BIK(kDirMOVIES, "WZH", ".BIK", kPerPlatform, kPerLanguage,
                                    kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetLOGO_BIK(kDirMOVIES, "LOGO", ".BIK", kPerPlatform, kPerLanguage,
                                     kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetLEGAL_BIK(kDirMOVIES, "LEGAL", ".BIK", kPerPlatform, kPerLanguage,
                                      kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetINTRO_BIK(kDirMOVIES, "INTRO", ".BIK", kPerPlatform, kPerLanguage,
                                      kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetFINAL_BIK(kDirMOVIES, "FINAL", ".BIK", kPerPlatform, kPerLanguage,
                                      kPlainFile, kOpenRead, kBinary);
const AssetDescriptor kAssetNET_INI(kDirNET, "NET", ".INI", kAnyPlatform, kAnyLanguage, kPlainFile,
                                    kOpenRead, kBinary);
