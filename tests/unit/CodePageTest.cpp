#include <gtest/gtest.h>

#include "cli/ReportOptions.h"
#include "cli/ReportRun.h"
#include "locale/CodePage.h"
#include "locale/LanguageTable.h"

namespace vconfig {
namespace {

std::string Utf16(std::initializer_list<uint16_t> units) {
  std::string bytes;
  for (const uint16_t u : units) {
    bytes += static_cast<char>(u & 0xFF);
    bytes += static_cast<char>(u >> 8);
  }
  return bytes;
}

TEST(CodePage, UnicodeToEachCodePageAndBack) {
  struct Case {
    int codePage;
    std::initializer_list<uint16_t> utf16;
    const char* bytes;
    const char* utf8;
  };
  const Case cases[] = {
      {1252, {'C', 0xE9, 0x20AC}, "C\xE9\x80", "C\xC3\xA9\xE2\x82\xAC"},
      {1250, {0x159, 0x17E}, "\xF8\x9E", "\xC5\x99\xC5\xBE"},  // ř ž
      {1251, {0x416, 0x44F}, "\xC6\xFF", "\xD0\x96\xD1\x8F"},  // Ж я
      {1252, {0x416, 'x'}, "?x", nullptr},                     // no Cyrillic in 1252
      {1252, {0xD83D, 0xDE00}, "?", nullptr},                  // one character, one '?'
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf16LeToCodePage(Utf16(c.utf16), c.codePage), c.bytes) << c.codePage;
    if (c.utf8) {
      EXPECT_EQ(Utf8ToCodePage(c.utf8, c.codePage), c.bytes);
      EXPECT_EQ(CodePageToUtf8(c.bytes, c.codePage), c.utf8);
    }
  }
  // A NUL ends the text; an odd last byte is no character.
  EXPECT_EQ(Utf16LeToCodePage(std::string("a\0\0\0b\0", 6), 1252), "a");
  EXPECT_EQ(Utf16LeToCodePage(std::string("a\0b", 3), 1252), "a");
  // Malformed UTF-8 and bytes the code page leaves undefined never pass as they are.
  EXPECT_EQ(Utf8ToCodePage("a\xC3", 1252), "a?");
  EXPECT_EQ(Utf8ToCodePage("\xE2\x82", 1252), "??");
  EXPECT_EQ(CodePageToUtf8("\x81", 1252), "\xEF\xBF\xBD");
  EXPECT_FALSE(IsKnownCodePage(437));
}

TEST(LanguageTable, EveryLanguageHasEveryText) {
  size_t count = 0;
  const LanguageTexts* languages = LanguageTable(count);
  ASSERT_EQ(count, 7u);
  for (size_t i = 0; i < count; ++i) {
    EXPECT_EQ(languages[i].count, languages[0].count) << languages[i].code;
    TableStringModule module(languages[i].code, [](std::string_view s) { return std::string(s); });
    for (const int id : {7, 20, 21, 50201, 50202}) EXPECT_FALSE(module.Text(id).empty()) << id;
    EXPECT_EQ(module.Text(99999), "");
  }
  EXPECT_EQ(LanguageCodePage("CSY"), 1250);
  EXPECT_EQ(LanguageCodePage("RUS"), 1251);
  EXPECT_EQ(LanguageCodePage("FR"), 1252);
}

TEST(ReportOptionsTest, Parsing) {
  const ReportOptions o = ParseReportOptions(
      {"--root", "/mnt/c", "--format=csv", "--sources", "Win.ini,HKL\\Run", "--sources=RunOnce",
       "--lang", "ru", "--codepage", "1250", "-o", "x.csv", "--user", "bob"});
  EXPECT_EQ(*o.root, "/mnt/c");
  EXPECT_EQ(o.format, OutputFormat::Csv);
  EXPECT_EQ(o.sources, (std::vector<std::string>{"Win.ini", "HKL\\Run", "RunOnce"}));
  EXPECT_EQ(o.language, "RUS");
  EXPECT_EQ(o.codePage, 1250);
  EXPECT_EQ(o.output, "x.csv");
  EXPECT_EQ(o.user, "bob");
  EXPECT_FALSE(o.help);
  for (const auto& bad : std::vector<std::vector<std::string>>{{"--root"},
                                                               {"--root="},
                                                               {"--format", "xml"},
                                                               {"--lang", "NL"},
                                                               {"--codepage", "12x"},
                                                               {"x"}})
    EXPECT_THROW(ParseReportOptions(bad), EUsageError) << bad[0];
}

}  // namespace
}  // namespace vconfig
