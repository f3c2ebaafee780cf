#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "MainWindowFixture.h"
#include "app/ConfigDialog.h"
#include "assets/AssetRegistry.h"
#include "config/ConfigFile.h"
#include "engine/FileHandle.h"
#include "engine/OpenMode.h"
#include "resources/ResourceIds.h"

namespace {

namespace fs = std::filesystem;
using platform::kIdCancel;
using platform::kIdOk;
using Names = std::set<std::pair<std::string, std::string>>;

// Settings files as players' editors, crashes and other tools leave them; the
// large ones are made below.
// The build names the folder: a compiler cache may record __FILE__ relative to
// the build folder, and the tests change folders.
const fs::path kCorpus = QV_SETTINGS_CORPUS;

// What the format keeps of a file: each chapter's keys and values, and the
// headers and comments in their order (true for a header).
struct Kept {
  std::map<std::string, std::map<std::string, std::string>> chapters;
  std::vector<std::pair<bool, std::string>> order;
};

Kept ReadKept(const std::string& path) {
  ConfigFile config;
  FileHandle file(4096);
  file.SetFileName(path);
  EXPECT_EQ(file.Open(kOpenRead), kErrNone);
  EXPECT_EQ(config.Read(file), kErrNone);
  file.Close();
  Kept kept;
  ConfigFile::ChapterCursor chapter;
  String name, key, value;
  for (bool more = config.GetFirstChapter(chapter, name); more;
       more = config.GetNextChapter(chapter, name)) {
    ConfigFile::KeyCursor at;
    for (bool found = config.GetFirstKey(chapter, at, key, value); found;
         found = config.GetNextKey(chapter, at, key, value)) {
      kept.chapters[name][key] = value;
    }
  }
  for (const ConfigFile::OrderEntry& entry : config.GetChapterOrder()) {
    kept.order.emplace_back(entry.m_header, std::string(entry.m_text));
  }
  return kept;
}

std::string Short(const std::string& text) {
  return text.size() <= 40 ? text : text.substr(0, 40) + "...(" + std::to_string(text.size()) + ")";
}

// How the stored file differs from the old one beyond what a store may
// change: the tool's own keys take its values and are always there; a header
// with an empty name is written as an empty line; the chapters that no header
// names exactly get headers of their own after the others.
std::vector<std::string> Losses(const Kept& old_file, const Kept& stored, const Names& owned) {
  std::vector<std::string> losses;
  for (const auto& [chapter, keys] : old_file.chapters) {
    for (const auto& [key, value] : keys) {
      const auto found = stored.chapters.find(chapter);
      if (found == stored.chapters.end() || !found->second.contains(key)) {
        losses.push_back("lost " + Short(chapter) + ":" + Short(key));
      } else if (!owned.contains({chapter, key}) && found->second.at(key) != value) {
        losses.push_back("changed " + Short(chapter) + ":" + Short(key));
      }
    }
  }
  std::set<std::string> listed;
  std::vector<std::pair<bool, std::string>> order;
  for (const auto& [header, text] : old_file.order) {
    if (header && text.empty()) continue;
    order.emplace_back(header, text);
    if (header) listed.insert(text);
  }
  for (const auto& [chapter, keys] : stored.chapters) {
    if (!chapter.empty() && !listed.contains(chapter)) order.emplace_back(true, chapter);
    for (const auto& [key, value] : keys) {
      const auto old_chapter = old_file.chapters.find(chapter);
      const bool old = old_chapter != old_file.chapters.end() && old_chapter->second.contains(key);
      if (!old && !owned.contains({chapter, key})) {
        losses.push_back("invented " + Short(chapter) + ":" + Short(key));
      }
    }
  }
  for (const auto& [chapter, key] : owned) {
    const auto found = stored.chapters.find(chapter);
    if (found == stored.chapters.end() || !found->second.contains(key)) {
      losses.push_back("missing " + chapter + ":" + key);
    }
  }
  if (stored.order != order) losses.push_back("headers or comments out of order");
  return losses;
}

// Files too large to keep in the tree: a value, a comment and a header of
// 100 KB, a key of 100 KB, and a file of 20 MB of chapters that the tool does
// not know around its own.
std::vector<std::pair<std::string, std::string>> LargeFiles() {
  const std::string long_text(100 * 1024, 'x');
  std::string huge = "[SYSTEM]\r\nPERFORMANCE=2\r\n";
  for (int chapter = 0; huge.size() < 20u * 1024 * 1024; ++chapter) {
    huge += "[BULK" + std::to_string(chapter) + "]\r\n";
    for (int key = 0; key < 10; ++key) {
      huge += "KEY" + std::to_string(key) + "=" + std::string(10000, static_cast<char>('a' + key)) +
              "\r\n";
    }
  }
  huge += "[WORLDS]\r\nSOUND=FALSE\r\n";
  return {
      {"(made) lines of 100 KB", "[EXTRA]\r\nVALUE=" + long_text + "\r\n! " + long_text + "\r\n[" +
                                     long_text + "]\r\nK=1\r\n[SYSTEM]\r\nPERFORMANCE=1\r\n"},
      {"(made) key of 100 KB", "[EXTRA]\r\n" + long_text + "=1\r\n[SYSTEM]\r\nPERFORMANCE=1\r\n"},
      {"(made) 20 MB", huge},
  };
}

class MalformedSettingsTest : public MainWindowTest {
 protected:
  // Chapter and key of every key the tool owns: what a save into an empty
  // game folder writes.
  Names OwnedKeys() {
    m_backend.In(resources::kMainDialog).Click(kIdOk);
    ConfigDialog dialog;
    EXPECT_EQ(dialog.DoModal(), kIdOk);
    delete GameSettings::s_instance;
    Names owned;
    for (const auto& [chapter, keys] : ReadKept(kSettingsPath).chapters) {
      for (const auto& [key, value] : keys) owned.emplace(chapter, key);
    }
    return owned;
  }

  // The main window on the settings file, each player's controller window
  // opened on the stored bindings and left with Cancel, then OK.
  void OpenAndSave() {
    for (int player = 0; player < 4; ++player) {
      m_backend.In(resources::kMainDialog).Click(resources::kMainConfigure1 + player);
      m_backend.In(resources::kControllerDialog).Click(kIdCancel);
    }
    m_backend.In(resources::kMainDialog).Click(kIdOk);
    ConfigDialog dialog;
    EXPECT_EQ(dialog.DoModal(), kIdOk);
  }
};

}  // namespace

// Every malformed file loads, opens the main window and each controller window, saves with OK
// and reloads with every chapter, key and comment that the format keeps; from the second store
// on the file no longer changes. No file gives a hard error: the reader takes lines only from the
// bytes the file holds, so even a CR as the very last byte, whose line feed would lie past the end,
// ends its line without a failed read.
TEST_F(MalformedSettingsTest, EveryFileLoadsSavesAndKeepsWhatTheFormatKeeps) {
  const Names owned = OwnedKeys();
  ASSERT_EQ(owned.size(), 76u);

  std::vector<std::pair<std::string, std::string>> files;
  for (const fs::directory_entry& entry : fs::directory_iterator(kCorpus)) {
    files.emplace_back(entry.path().filename().string(),
                       TempDirectory::ReadFile(entry.path().string()));
  }
  for (auto& made : LargeFiles()) files.push_back(std::move(made));
  ASSERT_GE(files.size(), 50u);

  for (const auto& [name, bytes] : files) {
    SCOPED_TRACE(name);
    TempDirectory::WriteFile(kSettingsPath, bytes);
    const Kept old_file = ReadKept(kSettingsPath);
    OpenAndSave();
    const std::vector<std::string> losses = Losses(old_file, ReadKept(kSettingsPath), owned);
    EXPECT_TRUE(losses.empty()) << losses.size() << " differences, first: " << losses.front();

    // What was stored reads back whole (the layout settling on later saves
    // is the settings test's).
    GameSettings reloaded;
    EXPECT_EQ(reloaded.Load(kAssetQVConfig_INI, nullptr), kErrNone);
    delete GameSettings::s_instance;
  }
  EXPECT_TRUE(m_backend.MessageBoxes().empty());
}
