// The typed getters and setters of ConfigFile: every value is stored as text
// in the "C" locale forms of ValueText.
#include "config/ConfigFile.h"

#include "config/ValueText.h"
#include "engine/Log.h"

namespace {

void WarnMissing(const String& key, const String& chapter) {
  LogPrintf("config warning: value %s:%s not found\n", chapter.c_str(), key.c_str());
}

}  // namespace

float ConfigFile::GetFloat(const String& key, const String& chapter, float default_value) const {
  const std::optional<std::string_view> value = FindValue(key, chapter);
  if (!value) {
    WarnMissing(key, chapter);
    return default_value;
  }
  return ParseFloatText(*value);
}

int32_t ConfigFile::GetInt(const String& key, const String& chapter, int32_t default_value) const {
  const std::optional<std::string_view> value = FindValue(key, chapter);
  if (!value) {
    WarnMissing(key, chapter);
    return default_value;
  }
  return ParseIntText(*value);
}

bool ConfigFile::GetBool(const String& key, const String& chapter, bool default_value) const {
  const std::optional<std::string_view> value = FindValue(key, chapter);
  if (!value) {
    WarnMissing(key, chapter);
    return default_value;
  }
  return EqualsNoCase(String(*value), kTrueText);
}

Guid ConfigFile::GetGuid(const String& key, const String& chapter, Guid default_value) const {
  const std::optional<std::string_view> value = FindValue(key, chapter);
  if (!value) {
    LogPrintf("config warning: guid value %s:%s not found\n", chapter.c_str(), key.c_str());
    return default_value;
  }
  return ParseGuidText(*value);
}

void ConfigFile::SetFloat(const String& key, const String& chapter, float value) {
  char buffer[kFloatTextCapacity];
  Store(key, chapter, FormatFloatText(value, buffer));
}

void ConfigFile::SetInt(const String& key, const String& chapter, int32_t value) {
  char buffer[kIntTextCapacity];
  Store(key, chapter, FormatIntText(value, buffer));
}

void ConfigFile::SetBool(const String& key, const String& chapter, bool value) {
  Store(key, chapter, value ? kTrueText : kFalseText);
}

void ConfigFile::SetGuid(const String& key, const String& chapter, Guid value) {
  char buffer[kGuidTextCapacity];
  Store(key, chapter, FormatGuidText(value, buffer));
}
