#include "locale/Language.h"

#include <gtest/gtest.h>

#include <map>

#include "fakes/MemoryFileSystem.h"

namespace vconfig {
namespace {

class MemoryIni : public IniStore {
 public:
  std::map<std::string, std::string> values;  // "section/key" -> value
  bool unreadable = false;
  std::optional<std::string> Read(const std::string&, const std::string& section,
                                  const std::string& key, const std::string& def) override {
    if (unreadable) return std::nullopt;
    auto it = values.find(section + "/" + key);
    return it == values.end() ? def : it->second;
  }
  bool Write(const std::string&, const std::string& section, const std::string& key,
             const std::string& value) override {
    values[section + "/" + key] = value;
    return true;
  }
};

class FakeModule : public StringModule {
 public:
  std::string loaded;
  std::map<int, std::string> texts;
  bool Load(const std::string& path) override {
    loaded = path;
    return true;
  }
  std::string Text(int id) override {
    auto it = texts.find(id);
    return it == texts.end() ? std::string() : it->second;
  }
};

struct Start : ErrorSink {
  void ShowError(const std::string& text) override { errors.push_back(text); }
  MemoryIni ini;
  MemoryFileSystem fs;
  FakeModule module;
  std::vector<std::string> errors;

  std::string Run(uint16_t langId) {
    LanguageEnvironment env{ini, fs, module, langId, *this};
    return ChooseAndLoadLanguage(env, "C:\\Tools\\VConfig.exe");
  }
};

TEST(Language, CodesAndPaths) {
  struct Case {
    uint16_t id;
    const char* code;
  } cases[] = {{0x0405, "CSY"}, {0x0407, "DE"}, {0x0807, "DE"}, {0x0409, "EN"}, {0x0C0A, "ES"},
               {0x040C, "FR"}, {0x0410, "IT"}, {0x0419, "RUS"}, {0x0413, "EN"}, {0x0000, "EN"}};
  for (const auto& c : cases) EXPECT_EQ(SystemLanguageCode(c.id), c.code) << c.id;
  EXPECT_EQ(SettingsFilePath("C:\\Tools\\VConfig.exe"), "C:\\Tools\\VConfig.ini");
  EXPECT_EQ(LanguageModulePath("C:\\Tools\\VConfig.exe", "DE"), "C:\\Tools\\VConfigDE.dll");
  EXPECT_EQ(LanguageModulePath("C:\\v1.2\\VConfig", "EN"), "C:\\v1.2\\VConfigEN.dll");
}

TEST(Language, FirstStartTakesTheSystemLanguage) {
  Start german;
  german.fs.Put("C:\\Tools\\VConfigDE.dll", "");
  EXPECT_EQ(german.Run(0x0407), "DE");
  EXPECT_EQ(german.ini.values["Options/Language"], "DE");
  EXPECT_EQ(german.ini.values["Options/RunLang"], "DE");
  EXPECT_EQ(german.module.loaded, "C:\\Tools\\VConfigDE.dll");
  EXPECT_TRUE(german.errors.empty());

  Start dutch;
  dutch.fs.Put("C:\\Tools\\VConfigEN.dll", "");
  EXPECT_EQ(dutch.Run(0x0413), "EN");
  EXPECT_TRUE(dutch.errors.empty());
  EXPECT_EQ(dutch.ini.values["Options/Language"], "EN");
}

TEST(Language, MissingModuleFallsBackToEnglish) {
  struct Case {
    const char* stored;
    const char* message;
  } cases[] = {
      {"RUS", "Jazykov\xE1 mutace RUS modulu neexistuje!"},
      {"", "Jazykov\xE1 mutace  modulu neexistuje!"},
      {"<Error>", nullptr},  // a stored "<Error>" counts as absent: the system language
  };
  for (const auto& c : cases) {
    Start s;
    s.fs.Put("C:\\Tools\\VConfigEN.dll", "");
    s.ini.values["Options/Language"] = c.stored;
    EXPECT_EQ(s.Run(0x0409), "EN");
    if (c.message) {
      EXPECT_EQ(s.errors, std::vector<std::string>{c.message});
    } else {
      EXPECT_TRUE(s.errors.empty());
    }
    EXPECT_EQ(s.ini.values["Options/Language"], "EN");
    EXPECT_EQ(s.ini.values["Options/RunLang"], "EN");
    EXPECT_EQ(s.module.loaded, "C:\\Tools\\VConfigEN.dll");
  }
  Start unreadable;
  unreadable.ini.unreadable = true;
  unreadable.fs.Put("C:\\Tools\\VConfigIT.dll", "");
  EXPECT_EQ(unreadable.Run(0x0410), "IT");
}

// The stored value names a file: only the seven codes may, so that an edited settings
// file cannot make the program load a module from elsewhere.
TEST(Language, OnlyTheSevenCodesNameAModule) {
  for (const char* stored : {"..\\..\\x", "..\\VConfigDE", "EN\\..\\..\\x", "C:\\x", "DEU"}) {
    SCOPED_TRACE(stored);
    Start s;
    s.fs.Put("C:\\Tools\\VConfigEN.dll", "");
    // Even where the file it names exists.
    s.fs.Put("C:\\Tools\\VConfig" + std::string(stored) + ".dll", "");
    s.ini.values["Options/Language"] = stored;
    EXPECT_EQ(s.Run(0x0409), "EN");
    EXPECT_EQ(s.errors,
              std::vector<std::string>{"Jazykov\xE1 mutace " + std::string(stored) +
                                       " modulu neexistuje!"});
    EXPECT_EQ(s.module.loaded, "C:\\Tools\\VConfigEN.dll");
    EXPECT_EQ(s.ini.values["Options/Language"], "EN");
  }
  EXPECT_TRUE(IsLanguageCode("RUS"));
  EXPECT_TRUE(IsLanguageCode("de"));  // found on a file system that ignores case
  EXPECT_FALSE(IsLanguageCode(""));
  Start lower;
  lower.fs.Put("C:\\Tools\\VConfigde.dll", "");
  lower.ini.values["Options/Language"] = "de";
  EXPECT_EQ(lower.Run(0x0409), "de");
  EXPECT_TRUE(lower.errors.empty());
}

TEST(Language, TextsNeverEmpty) {
  SetLanguageModule(nullptr);
  EXPECT_EQ(GetLangString(1), "<No load message>");
  auto module = std::make_unique<FakeModule>();
  module->texts = {{1, "Title"}, {2, ""}};
  SetLanguageModule(std::move(module));
  EXPECT_EQ(GetLangString(1), "Title");
  EXPECT_EQ(GetLangString(2), "<No load message>");
  EXPECT_EQ(GetLangString(99), "<No load message>");
  SetLanguageModule(nullptr);
}

}  // namespace
}  // namespace vconfig
