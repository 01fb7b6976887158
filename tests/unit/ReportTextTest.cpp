#include "report/ReportText.h"

#include <gtest/gtest.h>

#include "report/ReportCompletion.h"

namespace vconfig {
namespace {

struct Case {
  const char* in;
  const char* out;
};

TEST(ReportText, StripMarkup) {
  const Case cases[] = {
      {kReportTitleLine, "Vorn Info Report"},
      {kReportRuleLine, ""},
      {"device=C:\\WINDOWS\\HIMEM.SYS", "device=C:\\WINDOWS\\HIMEM.SYS"},
      {"<FONT color=\"clblue\" size=\"10\">Tray : <FONT color=\"clmaroon\">t.exe</FONT>",
       "Tray : t.exe"},
      {"a > b", "a  b"},        // a lone ">" vanishes
      {"a <b c", "a "},         // an unclosed tag swallows the rest
      {"x &amp; y", "x &amp; y"},  // entities stay
      {"", ""},
      {"\xE1\xB4<x>\xDC", "\xE1\xB4\xDC"},  // 8-bit text untouched
  };
  for (const auto& c : cases) EXPECT_EQ(StripMarkup(c.in), c.out) << c.in;
}

TEST(ReportText, RemoveImageTag) {
  const Case cases[] = {
      {"a <IMG src=\"idx:1\">b", "a b"},
      {"x<img src=\"a\">y</IMG>z", "xz"},
      {"<Img>one<IMG>two", "one<IMG>two"},  // only the first element goes
      {"no image here", "no image here"},
      {"a <IMG without end", "a <IMG without end"},
      // A closing tag before the element does not close it.
      {"</IMG> a <IMG x> b", "</IMG> a  b"},
      {"</img>a<img", "</img>a<img"},
      {"<IMG>", ""},
      {"<IMG</IMG>", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(RemoveImageTag(c.in), c.out) << c.in;
}

TEST(ReportText, MapFontSizes) {
  const Case cases[] = {
      {"size=\"15\" \"14\" \"13\" \"12\"", "size=\"4\" \"4\" \"4\" \"4\""},
      {"\"11\"\"10\"\"9\"", "\"3\"\"3\"\"3\""},
      {"port \"8\" \"7\" \"6\"", "port \"2\" \"2\" \"2\""},
      {"\"2\" \"16\" \"5\" \"1\" \"123\" 14 \"\"", "\"2\" \"16\" \"5\" \"1\" \"123\" 14 \"\""},
      // Neighbours sharing a quote are both replaced.
      {"\"9\"15\"8\"", "\"3\"4\"2\""},
      {"\"8", "\"8"},
      {"\"", "\""},
  };
  for (const auto& c : cases) EXPECT_EQ(MapFontSizes(c.in), c.out) << c.in;
}

TEST(ReportText, LineFontSize) {
  const struct {
    const char* line;
    std::optional<int> size;
  } cases[] = {
      {kReportTitleLine, 14},
      {"<FONT color=\"clblack\" size=\"2\">x</FONT>", 2},
      {"<FONT size=\"x\">", 0},
      {"<FONT size=\"7", 7},
      {"size=\"", 0},  // at the very end of the line
      {"<FONT SIZE=\"14\">", std::nullopt},
      {"size=14", std::nullopt},
      {"size=\"123\"", 12},
      {"size=\"3\" size=\"14\"", 3},
      {" ", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(LineFontSize(c.line), c.size) << c.line;
}

TEST(ReportText, HtmlConversionFramesEveryLineAsARow) {
  std::vector<std::string> lines = {kReportTitleLine, "files=40", "x \"8\"", kReportRuleLine,
                                    "a <IMG src=\"p\">b"};
  ConvertToHtml(lines);
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "<TABLE>",
                       "<TR><TD><FONT color=\"clnavy\" size=\"4\">Vorn Info Report</FONT></TD></TR>",
                       "<TR><TD>files=40</TD></TR>",
                       "<TR><TD>x \"2\"</TD></TR>",
                       "<TR><TD><HR color-\"clblue\"></TD></TR>",
                       "<TR><TD>a b</TD></TR>",
                   }));
  // The sent text file is made from these lines.
  StripAllMarkup(lines);
  EXPECT_EQ(lines, (std::vector<std::string>{"", "Vorn Info Report", "files=40", "x \"2\"", "",
                                             "a b"}));
}

}  // namespace
}  // namespace vconfig
