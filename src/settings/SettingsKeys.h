#pragma once

#include <cstddef>

#include "engine/String.h"
#include "settings/GameAction.h"

// The chapter and key names of QVConfig.INI, each one process-wide constant
// shared by Load and Save: 8 chapters and 45 keys. Names are matched without
// regard to case and written in upper case.

extern const String kChapterSystem;    // SYSTEM
extern const String kChapterGame;      // GAME
extern const String kChapterWorlds;    // WORLDS
extern const String kChapterMinos;     // MINOS
extern const String kChapterPlayer01;  // PLAYER01
extern const String kChapterPlayer02;  // PLAYER02
extern const String kChapterPlayer03;  // PLAYER03
extern const String kChapterPlayer04;  // PLAYER04

// SYSTEM
extern const String kKeySoftRender;
extern const String kKeyMovies;
extern const String kKeyDebugKeys;
extern const String kKeyPerformance;
// GAME
extern const String kKeySuperEasy;
extern const String kKeyRibbon;
extern const String kKeyEndurance;
extern const String kKeyOriginalZarvex;
extern const String kKeyWireframe;
extern const String kKeyNextStyle;
extern const String kKeyFirstRepeatDelay;
// WORLDS
extern const String kKeySound;
extern const String kKeyMusic;
extern const String kKeyPreloadQvsSounds;
extern const String kKeyFlatWorld;
extern const String kKeyMediumWorld;
extern const String kKeyFlatBlocks;
extern const String kKeyFlatMenus;
extern const String kKeyHudScoreboard;
extern const String kKeyRipple;
extern const String kKeyLineClears;
// MINOS
extern const String kKeyPersonal;
extern const String kKeyShadow;
extern const String kKeyShadowSize;
extern const String kKeyBackgroundMinos;
extern const String kKeyLodBody1;
extern const String kKeyLodBody2;
extern const String kKeyLodBody3;
extern const String kKeyLodEye1;
extern const String kKeyLodEye2;
extern const String kKeyLodAcc1;
extern const String kKeyMoodDebug;
// PLAYER01 to PLAYER04
extern const String kKeyUp;
extern const String kKeyDown;
extern const String kKeyLeft;
extern const String kKeyRight;
extern const String kKeyCancel;
extern const String kKeySelect;
extern const String kKeyHold;
extern const String kKeyStart;
extern const String kKeyRotateRight;
extern const String kKeyRotateLeft;
extern const String kKeySoftDrop;
extern const String kKeyHardDrop;
extern const String kKeyGuid;

// The chapter of player 1 to 4, by index 0 to 3.
const String& PlayerChapter(std::size_t player);

// The key of each game action's binding code.
const String& ActionKey(GameAction action);
