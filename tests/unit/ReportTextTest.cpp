#include "report/ReportText.h"

#include <gtest/gtest.h>

#include "config/TextLines.h"
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
      // The four entities of escaped text, once each; others stay as written.
      {"x &amp; y &lt;&gt;&quot;", "x & y <>\""},
      {"&amp;amp; &amp;<!---->lt;", "&amp; &lt;"},
      {"&nbsp;&AMP;&amp &#38;", "&nbsp;&AMP;&amp &#38;"},
      {"<FONT color=\"clblue\">a&amp;b</FONT>", "a&b"},
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

TEST(ReportText, MapFontSizesInsideTagsOnly) {
  const Case cases[] = {
      {"<F size=\"15\" a=\"14\" b=\"13\" c=\"12\">", "<F size=\"4\" a=\"4\" b=\"4\" c=\"4\">"},
      {"<F \"11\"\"10\"\"9\">", "<F \"3\"\"3\"\"3\">"},
      {"<F \"8\" \"7\" \"6\">", "<F \"2\" \"2\" \"2\">"},
      {"<F \"2\" \"16\" \"5\" \"1\" \"123\" 14 \"\">", "<F \"2\" \"16\" \"5\" \"1\" \"123\" 14 \"\">"},
      // Text outside tags is never touched, escaped or not.
      {"port \"8\" <F size=\"8\">\"8\"", "port \"8\" <F size=\"2\">\"8\""},
      {"mode &quot;8&quot; &quot;14&quot;", "mode &quot;8&quot; &quot;14&quot;"},
      {"<F size=\"8>\"9\"", "<F size=\"8>\"9\""},  // no closing quote within the tag
      {"<\"8", "<\"8"},
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

TEST(ReportText, HtmlDocumentWithCharsetRowsAndTheProgramsColours) {
  HtmlReportStyle style;
  style.charset = HtmlCharsetName(1251);
  style.systemColors[15] = RgbColor(0x12, 0x34, 0x56);  // clBtnFace
  TextLines lines = {kReportTitleLine, "files=40", kReportRuleLine,
                     "a <IMG src=\"p\">b",
                     "<FONT color=\"clBtnFace\" size=\"2\">x</FONT>",
                     "<FONT color=\"clMaroon\">&lt;z&gt;</FONT>",
                     "<FONT face=\"Clarendon\" color=\"clblack\">y</FONT>"};
  const TextLines original = lines;
  ConvertToHtml(lines, style);
  // The file written in one buffer holds the same bytes as the converted lines.
  EXPECT_EQ(HtmlReport(original, style), JoinTextLines(lines));
  TextLines text = original;
  StripAllMarkup(text);
  EXPECT_EQ(text[3], "a b");
  EXPECT_EQ(text[5], "<z>");
  EXPECT_EQ(PlainTextReport(original), JoinTextLines(text));
  EXPECT_EQ(PlainTextReport({}), "");
  EXPECT_EQ(lines, (TextLines{
                       "<HTML>", "<HEAD>",
                       "<META http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">",
                       "<TITLE>Vorn Info Report</TITLE>", "</HEAD>", "<BODY>", "<TABLE>",
                       "<TR><TD><FONT color=\"#000080\" size=\"4\">Vorn Info Report</FONT></TD></TR>",
                       "<TR><TD>files=40</TD></TR>",
                       "<TR><TD><HR color-\"#0000FF\"></TD></TR>",
                       "<TR><TD>a b</TD></TR>",
                       "<TR><TD><FONT color=\"#123456\" size=\"2\">x</FONT></TD></TR>",
                       "<TR><TD><FONT color=\"#800000\">&lt;z&gt;</FONT></TD></TR>",
                       "<TR><TD><FONT face=\"Clarendon\" color=\"#000000\">y</FONT></TD></TR>",
                       "</TABLE>", "</BODY>", "</HTML>"}));
}

TEST(ReportText, CharsetNamesOfAnsiCodePages) {
  EXPECT_EQ(HtmlCharsetName(1252), "windows-1252");
  EXPECT_EQ(HtmlCharsetName(1250), "windows-1250");
  EXPECT_EQ(HtmlCharsetName(1251), "windows-1251");
  EXPECT_EQ(HtmlCharsetName(950), "big5");
  EXPECT_EQ(HtmlCharsetName(932), "shift_jis");
  EXPECT_EQ(HtmlCharsetName(437), "windows-1252");  // not an ANSI code page
}

}  // namespace
}  // namespace vconfig
