#pragma once

#include "engine/String.h"

// The game's asset directories, built before main ahead of the descriptors.
// kDir + the directory name. FONTS, SOUNDS and MUSIC are named by no
// descriptor; an empty directory stands for the device's root.

extern const String kDirMINO;
extern const String kDirBAKDROPS;
extern const String kDirANISCR;
extern const String kDirMENUS;
extern const String kDirMISC;
extern const String kDirFONTS;
extern const String kDirSOUNDS;
extern const String kDirMUSIC;
extern const String kDirNET;
extern const String kDirMTNWLD;
extern const String kDirFIREWLD;
extern const String kDirOCEANWLD;
extern const String kDirICEWLD;
extern const String kDirFORSTWLD;
extern const String kDirCLOUDWLD;
extern const String kDirMULTIWLD;
extern const String kDirFLATWLD;
extern const String kDirORIGWLD;
extern const String kDirMOVIES;
extern const String kDirSCRIPTS;
