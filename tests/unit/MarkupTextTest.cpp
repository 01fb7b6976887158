// The markup's text helpers: entity passes, "<#", line breaks, attribute reading.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "markup/MarkupText.h"

namespace vconfig {
namespace {

// The entity passes as they are described: each pass replaces the first occurrence
// (any case) of every entity in turn, until a pass replaces nothing.
std::string ReferenceEntityPasses(std::string s) {
  static const std::pair<const char*, const char*> kEntities[] = {
      {"&amp;", "&&"},   {"&quot;", "\""},  {"&sect;", "\xA7"}, {"&permil;", "\x89"}, {"&reg;", "\xAE"},
      {"&copy;", "\xA9"}, {"&para;", "\xB6"}, {"&trade;", "\x99"}, {"&euro;", "\x80"}};
  if (s.find('&') == std::string::npos) return s;
  for (bool changed = true; changed;) {
    changed = false;
    for (const auto& e : kEntities) {
      const std::string lower = LowerAscii(s);
      const size_t at = lower.find(e.first);
      if (at == std::string::npos) continue;
      s.replace(at, std::string(e.first).size(), e.second);
      changed = true;
    }
  }
  return s;
}

TEST(MarkupText, EntityPassesMatchRepeatedFirstOccurrenceReplacement) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {
      {"a&amp;b", "a&&b"},           {"&amp;quot;", "&\""},        {"&amp;amp;", "&&&"},
      {"&AmP;&QUOT;", "&&\""},       {"&euro;5 &trade;", "\x80" "5 \x99"},
      {"&amp", "&amp"},              {"&;", "&;"},                 {"&nbsp;&lt;", "&nbsp;&lt;"},
      {"&am&amp;p;", "&am&&p;"},     {"&&amp;amp;amp;", "&&&&&"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PrepareMarkup(c.in), c.out) << c.in;
    EXPECT_EQ(ReferenceEntityPasses(c.in), c.out) << c.in;
  }
  // Random mixtures of entity pieces against the literal passes.
  const char* pieces[] = {"&", "amp", ";", "quot", "a", "&amp;", "&AMP;", "sect", "&quot;",
                          "euro", "p", "&e", "x", "QUOT", "trade", "&reg;"};
  std::mt19937 rng(7);
  for (int i = 0; i < 3000; ++i) {
    std::string s;
    const int n = 1 + static_cast<int>(rng() % 12);
    for (int k = 0; k < n; ++k) s += pieces[rng() % (sizeof pieces / sizeof *pieces)];
    ASSERT_EQ(PrepareMarkup(s), ReferenceEntityPasses(s)) << s;
  }
}

TEST(MarkupText, HashTagsAndLineBreaks) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {
      {"<#abc>d", "#abcd"},          {"x<#a>b<#c>d", "x#ab<#c>d"},  {"<#abc", "#abc"},
      {"a>b<#c>d", "a>b#cd"},        {"a\r\nb", "a<BR>b"},          {"a\n\rb", "a<BR>b"},
      {"\r", "<BR>"},
  };
  for (const auto& c : cases) EXPECT_EQ(PrepareMarkup(c.in), c.out) << c.in;
  EXPECT_EQ(PrepareMarkup(std::string_view("a\0b", 3)), std::string("a\0b", 3));
}

TEST(MarkupText, RunEntities) {
  std::string out;
  const struct {
    const char* in;
    const char* out;
  } cases[] = {{"&lt;B&gt;", "<B>"}, {"a&nbsp;b", "a b"}, {"&LT;", "<"}, {"&lt", "&lt"},
               {"&&lt;", "&<"},      {"&", "&"}};
  for (const auto& c : cases) {
    DecodeRunEntities(c.in, out);
    EXPECT_EQ(out, c.out) << c.in;
  }
}

TEST(MarkupText, AttributeValues) {
  const struct {
    const char* attributes;
    const char* name;
    const char* value;
  } cases[] = {
      {R"( COLOR="CLBLUE" SIZE="12")", " COLOR", "CLBLUE"},
      {R"( BGCOLOR="CLRED")", " COLOR", ""},
      {R"( BGCOLOR="CLRED" COLOR="CLBLUE")", "BGCOLOR", "CLRED"},
      {R"( COLOR=CLRED SIZE="12")", " COLOR", ""},  // the quotes are SIZE's
      {R"( COLOR-"CLBLUE")", " COLOR", "CLBLUE"},
      {R"( COLOR = "A B")", " COLOR", "A B"},
      {R"( COLOR="OPEN)", " COLOR", ""},
      {R"( FACE="")", "FACE", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(QuotedValue(c.attributes, c.name), c.value) << c.attributes;
  }
  EXPECT_EQ(LeadingNumber(" 12pt"), 12);
  EXPECT_EQ(LeadingNumber("x12"), 0);
  EXPECT_EQ(LeadingNumber("-90", true), -90);
  EXPECT_EQ(LeadingNumber("-90"), 0);
  EXPECT_EQ(LeadingNumber("99999999999999999999", false, 500), 500);
}

}  // namespace
}  // namespace vconfig
