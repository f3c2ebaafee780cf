#include "app/EngineServices.h"

#include "engine/DeviceManager.h"
#include "engine/ErrorReporter.h"
#include "engine/Log.h"
#include "settings/GameSettings.h"

// Each constructor makes its object the instance and each destructor clears
// the pointer, so only the creation here is guarded.
void EngineServices::Create() {
  if (ErrorReporter::s_instance == nullptr) new ErrorReporter();
  if (Log::s_instance == nullptr) new Log();
  // Registering the devices is logged, so the log comes first.
  if (DeviceManager::s_instance == nullptr) new DeviceManager();
  if (GameSettings::s_instance == nullptr) new GameSettings();
}

void EngineServices::ReleaseWindowServices() {
  delete Log::s_instance;
  delete ErrorReporter::s_instance;
}

void EngineServices::ReleaseProcessServices() {
  delete GameSettings::s_instance;
  delete DeviceManager::s_instance;
}
