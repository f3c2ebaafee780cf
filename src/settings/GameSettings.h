#pragma once

#include "settings/SettingsRecord.h"

class AssetDescriptor;
class Device;
class ErrorCode;

// Every setting that the tool shows, edits or carries for the game, filled
// from and stored into QVConfig.INI. One instance per process, reached
// through s_instance: the constructor makes the new object the instance when
// there is none, the destructor clears the pointer when it points at it.
class GameSettings : public SettingsRecord {
 public:
  GameSettings();
  virtual ~GameSettings();

  GameSettings(const GameSettings&) = delete;
  GameSettings& operator=(const GameSettings&) = delete;

  // Every field back to its default; the players get the default blocks
  // (codes and keyboard device) and PERFORMANCE becomes High.
  void Reset();

  // Reads every known key into its field; a missing key keeps the field's
  // value. A null device means the DeviceManager's default device.
  ErrorCode Load(const AssetDescriptor& descriptor, Device* device);

  // Merges the keys the tool owns into the file, keeping every other
  // chapter, key and comment. Returns the result of the final write.
  ErrorCode Save(const AssetDescriptor& descriptor, Device* device);

  static GameSettings* s_instance;
};
