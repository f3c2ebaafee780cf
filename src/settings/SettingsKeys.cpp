#include "settings/SettingsKeys.h"

#include "settings/DefaultPlayerControls.h"

const String kChapterSystem("SYSTEM");
const String kChapterGame("GAME");
const String kChapterWorlds("WORLDS");
const String kChapterMinos("MINOS");
const String kChapterPlayer01("PLAYER01");
const String kChapterPlayer02("PLAYER02");
const String kChapterPlayer03("PLAYER03");
const String kChapterPlayer04("PLAYER04");

const String kKeySoftRender("SOFTRENDER");
const String kKeyMovies("MOVIES");
const String kKeyDebugKeys("DEBUGKEYS");
const String kKeyPerformance("PERFORMANCE");
const String kKeySuperEasy("SUPEREASY");
const String kKeyRibbon("RIBBON");
const String kKeyEndurance("ENDURANCE");
const String kKeyOriginalZarvex("ORIGINALZARVEX");
const String kKeyWireframe("WIREFRAME");
const String kKeyNextStyle("NEXTSTYLE");
const String kKeyFirstRepeatDelay("FIRSTREPEATDELAY");
const String kKeySound("SOUND");
const String kKeyMusic("MUSIC");
const String kKeyPreloadQvsSounds("PRELOADQVSSOUNDS");
const String kKeyFlatWorld("FLATWORLD");
const String kKeyMediumWorld("MEDIUMWORLD");
const String kKeyFlatBlocks("FLATBLOCKS");
const String kKeyFlatMenus("FLATMENUS");
const String kKeyHudScoreboard("HUDSCOREBOARD");
const String kKeyRipple("RIPPLE");
const String kKeyLineClears("LINECLEARS");
const String kKeyPersonal("PERSONAL");
const String kKeyShadow("SHADOW");
const String kKeyShadowSize("SHADOWSIZE");
const String kKeyBackgroundMinos("BACKGROUNDMINOS");
const String kKeyLodBody1("LODBody1");
const String kKeyLodBody2("LODBody2");
const String kKeyLodBody3("LODBody3");
const String kKeyLodEye1("LODEye1");
const String kKeyLodEye2("LODEye2");
const String kKeyLodAcc1("LODAcc1");
const String kKeyMoodDebug("MoodDebug");
const String kKeyUp("UP");
const String kKeyDown("DOWN");
const String kKeyLeft("LEFT");
const String kKeyRight("RIGHT");
const String kKeyCancel("CANCEL");
const String kKeySelect("SELECT");
const String kKeyHold("HOLD");
const String kKeyStart("START");
const String kKeyRotateRight("ROTATERIGHT");
const String kKeyRotateLeft("ROTATELEFT");
const String kKeySoftDrop("SOFTDROP");
const String kKeyHardDrop("HARDDROP");
const String kKeyGuid("GUID");

const String& PlayerChapter(std::size_t player) {
  static const String* const kChapters[kPlayerCount] = {&kChapterPlayer01, &kChapterPlayer02,
                                                        &kChapterPlayer03, &kChapterPlayer04};
  return *kChapters[player];
}

const String& ActionKey(GameAction action) {
  static const String* const kKeys[kGameActionCount] = {
      &kKeyUp,   &kKeyDown,  &kKeyLeft,        &kKeyRight,      &kKeyCancel,   &kKeySelect,
      &kKeyHold, &kKeyStart, &kKeyRotateRight, &kKeyRotateLeft, &kKeySoftDrop, &kKeyHardDrop,
  };
  return *kKeys[ActionIndex(action)];
}
