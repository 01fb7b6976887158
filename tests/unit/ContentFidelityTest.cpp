// What a file or a value holds comes out exactly: drawn in the content list, in a
// text report and in an HTML report, whatever markup-like characters it carries.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "config/ContentReaders.h"
#include "controls/sectionlist/SectionList.h"
#include "fakes/RecordingSurface.h"
#include "markup/Markup.h"
#include "markup/MarkupEscape.h"
#include "report/ReportText.h"

namespace vconfig {
namespace {

// Lines as configuration files and Run values hold them.
const char* const kTexts[] = {
    "&",
    "<",
    ">",
    "\"",
    "&amp;",
    "<B>bold?</B>",
    "</TD></TR></TABLE>",
    "<script>alert('x')</script>",
    "CALL X.BAT < IN.TXT",
    "ECHO OFF > NUL",
    "mode \"8\" \"14\"",
    "a\xE1\xDC\x80 \xA4 \"2\"",
    "AT&T Update",
    "C:\\R&D\\x.exe <fast>",
    "<FONT size=\"14\" color=\"clred\">big</FONT>",
    "<Z>hidden</Z> <HR>",
    "&lt;&gt;&quot;&nbsp;&sect;&euro;&AMP;amp;",
    "&&amp;&&lt;x&&",
    "<#abc> &",
    "size=\"8\" </",
    "",
    "plain line=1",
};

// The characters the surface shows for everything the renderer drew.
struct Drawn {
  std::string text;
  std::set<int> sizes;
  std::set<TColor> colors;
};

Drawn Render(const std::string& row) {
  RecordingSurface surface;
  MarkupRequest rq;
  rq.text = row;
  rq.rect = Rect{0, 0, 100000, 400};
  rq.wordWrap = true;  // as the content list has it
  MarkupResult result;
  RenderMarkup(surface, rq, result);
  Drawn drawn;
  for (const SurfaceOp& op : surface.TextOps()) {
    drawn.text += RecordingSurface::VisibleText(op.text);
    drawn.sizes.insert(op.font.size);
    drawn.colors.insert(op.font.color);
  }
  return drawn;
}

// A small HTML reader: the text of a document with its entities decoded, and the
// names of the elements it opens. Comments are skipped; an "&" that starts no known
// entity stays, as browsers keep it.
struct ParsedHtml {
  std::vector<std::string> cells;  // the text of each TD
  std::set<std::string> elements;
};

ParsedHtml ParseHtml(const std::vector<std::string>& lines) {
  std::string doc;
  for (const auto& l : lines) doc += l + "\n";
  ParsedHtml parsed;
  std::string* cell = nullptr;
  for (size_t i = 0; i < doc.size();) {
    if (doc.compare(i, 4, "<!--") == 0) {
      const size_t end = doc.find("-->", i + 4);
      i = end == std::string::npos ? doc.size() : end + 3;
      continue;
    }
    if (doc[i] == '<' && i + 1 < doc.size() && (isalpha(static_cast<unsigned char>(doc[i + 1])) ||
                                                doc[i + 1] == '/')) {
      const size_t end = doc.find('>', i);
      std::string name;
      for (size_t j = i + 1; j < end && doc[j] != ' '; ++j)
        name += static_cast<char>(toupper(static_cast<unsigned char>(doc[j])));
      parsed.elements.insert(name);
      if (name == "TD") cell = &parsed.cells.emplace_back();
      if (name == "/TD") cell = nullptr;
      i = end == std::string::npos ? doc.size() : end + 1;
      continue;
    }
    char c = doc[i];
    size_t length = 1;
    for (const auto& [entity, decoded] : {std::pair<const char*, char>{"&amp;", '&'},
                                          {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}}) {
      if (doc.compare(i, strlen(entity), entity) == 0) {
        c = decoded;
        length = strlen(entity);
      }
    }
    if (cell) *cell += c;
    i += length;
  }
  return parsed;
}

TEST(ContentFidelity, RunValueRowsDrawNameAndDataExactlyInTheirOwnSizeAndColours) {
  for (const char* name : kTexts) {
    for (const char* data : {"C:\\x.exe", name}) {
      SCOPED_TRACE(std::string(name) + " / " + data);
      const std::string row = RunValueLine(name, data);
      ASSERT_TRUE(IsMarkupRow(row));
      const Drawn drawn = Render(row);
      EXPECT_EQ(drawn.text, std::string(name) + " : " + data);
      EXPECT_EQ(drawn.sizes, std::set<int>{10});
      EXPECT_TRUE(drawn.colors.count(clBlue));
      for (TColor c : drawn.colors) EXPECT_TRUE(c == clBlue || c == clMaroon) << std::hex << c;
    }
  }
}

TEST(ContentFidelity, FileRowsShowTheLineWhetherDrawnPlainOrAsMarkup) {
  for (const char* line : kTexts) {
    SCOPED_TRACE(line);
    const std::string row = PlainTextRow(line);
    if (std::string(line).find("</") == std::string::npos) {
      EXPECT_EQ(row, line) << "a plain row stays as it is";
      EXPECT_FALSE(IsMarkupRow(row));
    } else {
      ASSERT_TRUE(IsMarkupRow(row));
      const Drawn drawn = Render(row);
      EXPECT_EQ(drawn.text, line);
      EXPECT_EQ(drawn.sizes, std::set<int>{8}) << "the base font's size";
    }
  }
}

TEST(ContentFidelity, ReportLinesConvertBackToTheLineAsTextAndAsHtml) {
  std::vector<std::string> body;
  for (const char* line : kTexts) body.push_back(EscapeMarkup(line));
  body.push_back(RunValueLine("AT&T Update", "C:\\R&D\\x.exe <fast> \"8\""));

  for (size_t i = 0; i + 1 < body.size(); ++i)
    EXPECT_EQ(StripMarkup(body[i]), kTexts[i]) << "text of " << kTexts[i];
  EXPECT_EQ(StripMarkup(body.back()), "AT&T Update : C:\\R&D\\x.exe <fast> \"8\"");

  TextLines html(body);
  ConvertToHtml(html);
  const ParsedHtml parsed = ParseHtml(html.Strings());
  ASSERT_EQ(parsed.cells.size(), body.size());
  for (size_t i = 0; i + 1 < body.size(); ++i) EXPECT_EQ(parsed.cells[i], kTexts[i]);
  EXPECT_EQ(parsed.cells.back(), "AT&T Update : C:\\R&D\\x.exe <fast> \"8\"");
  const std::set<std::string> own = {"HTML", "/HTML", "HEAD", "/HEAD", "META", "TITLE",
                                     "/TITLE", "BODY", "/BODY", "TABLE", "/TABLE", "TR",
                                     "/TR", "TD", "/TD", "FONT", "/FONT"};
  for (const auto& e : parsed.elements) EXPECT_TRUE(own.count(e)) << "element " << e;
}

// Python's own HTML parser on the HTML report of the same lines: each cell's text
// (one a line, as Latin-1 bytes) after a line of the start tags it met.
TEST(ContentFidelity, PythonsHtmlParserReadsTheLinesBack) {
  TextLines html;
  for (const char* line : kTexts) html.push_back(EscapeMarkup(line));
  ConvertToHtml(html);
  const std::string path = ::testing::TempDir() + "fidelity-report.htm";
  {
    FILE* f = fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    for (std::string_view line : html) fprintf(f, "%s\r\n", std::string(line).c_str());
    fclose(f);
  }
  const std::string script =
      "import html.parser, sys\n"
      "class P(html.parser.HTMLParser):\n"
      "  def __init__(s): super().__init__(convert_charrefs=True); s.t=set(); s.c=[]; s.d=None\n"
      "  def handle_starttag(s, tag, a):\n"
      "    s.t.add(tag)\n"
      "    if tag == 'td': s.d = ''\n"
      "  def handle_endtag(s, tag):\n"
      "    if tag == 'td' and s.d is not None: s.c.append(s.d); s.d = None\n"
      "  def handle_data(s, d):\n"
      "    if s.d is not None: s.d += d\n"
      "p = P(); p.feed(open(sys.argv[1], 'rb').read().decode('latin-1')); p.close()\n"
      "out = sys.stdout.buffer\n"
      "out.write((' '.join(sorted(p.t)) + '\\n').encode())\n"
      "for c in p.c: out.write(c.replace('\\n', '\\\\n').encode('latin-1') + b'\\n')\n";
  const std::string scriptPath = ::testing::TempDir() + "fidelity-cells.py";
  {
    FILE* f = fopen(scriptPath.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    fputs(script.c_str(), f);
    fclose(f);
  }
  FILE* pipe = popen(("python3 " + scriptPath + " " + path).c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::vector<std::string> out(1);
  for (int c; (c = fgetc(pipe)) != EOF;) {
    if (c == '\n') out.emplace_back(); else out.back() += static_cast<char>(c);
  }
  ASSERT_EQ(pclose(pipe), 0);
  out.pop_back();  // after the last line break
  ASSERT_EQ(out.size(), std::size(kTexts) + 1);
  EXPECT_EQ(out[0], "body head html meta table td title tr");  // no element of the lines
  for (size_t i = 0; i < std::size(kTexts); ++i) EXPECT_EQ(out[i + 1], kTexts[i]);
}

TEST(ContentFidelity, TextWithoutMarkupCharactersIsNotChanged) {
  EXPECT_EQ(EscapeMarkup("device=C:\\WINDOWS\\HIMEM.SYS \xE1;"), "device=C:\\WINDOWS\\HIMEM.SYS \xE1;");
  EXPECT_EQ(RunValueLine("X", "C:\\x.exe"),
            "<FONT color=\"clblue\" size=\"10\">X : <FONT color=\"clmaroon\">C:\\x.exe</FONT>");
  // Only an "&" that would run into an entity name gets the separator.
  EXPECT_EQ(EscapeMarkup("R&D &amp"), "R&amp;D &amp;amp");
  EXPECT_EQ(EscapeMarkup("&amp;"), "&amp;<!---->amp;");
  EXPECT_EQ(EscapeMarkup("&Euro;"), "&amp;<!---->Euro;");
}

}  // namespace
}  // namespace vconfig
