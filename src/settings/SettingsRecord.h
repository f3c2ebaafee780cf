#pragma once

#include <array>
#include <cstdint>

#include "settings/DefaultPlayerControls.h"
#include "settings/PlayerControls.h"
#include "settings/QualityLevel.h"

// The fields of the game settings record, in their order, each with its
// default. The comment after a field is its key and chapter in QVConfig.INI;
// "read only" keys are loaded but never written by a save.
struct SettingsRecord {
  bool m_soft_render = false;         // SOFTRENDER, SYSTEM
  bool m_movies = true;               // MOVIES, SYSTEM
  bool m_debug_keys = false;          // DEBUGKEYS, SYSTEM
  bool m_super_easy = false;          // SUPEREASY, GAME (read only)
  bool m_ribbon = false;              // RIBBON, GAME (read only)
  bool m_endurance = false;           // ENDURANCE, GAME (read only)
  bool m_original_zarvex = false;     // ORIGINALZARVEX, GAME (read only)
  bool m_wireframe = false;           // WIREFRAME, GAME (read only)
  bool m_flat_menus = false;          // FLATMENUS, WORLDS
  float m_first_repeat_delay = 1.5f;  // FIRSTREPEATDELAY, GAME (read only)
  int32_t m_next_style = 0;           // NEXTSTYLE, GAME (read only)
  bool m_line_clears = false;         // LINECLEARS, WORLDS
  bool m_sound = true;                // SOUND, WORLDS
  bool m_music = true;                // MUSIC, WORLDS
  bool m_preload_qvs_sounds = true;   // PRELOADQVSSOUNDS, WORLDS
  bool m_flat_world = false;          // FLATWORLD, WORLDS
  bool m_medium_world = false;        // MEDIUMWORLD, WORLDS
  bool m_flat_blocks = false;         // FLATBLOCKS, WORLDS
  bool m_hud_scoreboard = false;      // HUDSCOREBOARD, WORLDS
  bool m_ripple = true;               // RIPPLE, WORLDS
  bool m_personal = true;             // PERSONAL, MINOS
  bool m_shadow = true;               // SHADOW, MINOS
  int32_t m_shadow_size = 5;          // SHADOWSIZE, MINOS
  bool m_background_minos = true;     // BACKGROUNDMINOS, MINOS
  float m_lod_body1 = 1000.0f;        // LODBody1, MINOS
  float m_lod_body2 = 1001.0f;        // LODBody2, MINOS
  float m_lod_body3 = 1002.0f;        // LODBody3, MINOS
  float m_lod_eye1 = 1000.0f;         // LODEye1, MINOS
  float m_lod_eye2 = 1002.0f;         // LODEye2, MINOS
  float m_lod_acc1 = 1000.0f;         // LODAcc1, MINOS
  bool m_mood_debug = false;          // MoodDebug, MINOS (read only)
  std::array<PlayerControls, kPlayerCount> m_players = kDefaultPlayerControls;  // PLAYER01..04
  QualityLevel m_performance = QualityLevel::High;  // PERFORMANCE, SYSTEM
};
