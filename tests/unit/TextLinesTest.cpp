#include "config/TextLines.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "diagnostics/Errors.h"
#include "fakes/MemoryFileSystem.h"

namespace vconfig {
namespace {

TEST(TextLines, SplitsAtEveryKindOfBreakAndStopsAtNul) {
  struct Case {
    std::string bytes;
    TextLines lines;
  } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\nb\n", {"a", "b"}},
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"a\n\rb", {"a", "", "b"}},  // LF then CR are two breaks
      {"a\r\r\nb", {"a", "", "b"}},
      {"\r\n", {""}},
      {std::string("ab\0cd\r\nef", 9), {"ab"}},
      {std::string("\0abc", 4), {}},
      {"x\xE1\xFF\r\n", {"x\xE1\xFF"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SplitTextLines(c.bytes), c.lines) << c.bytes;
    EXPECT_EQ(CrLfText(c.bytes), JoinTextLines(c.lines)) << c.bytes;
  }
}

// The splitter searches ahead for the next CR and the next LF separately: breaks of
// every kind next to each other, and long runs without one, must still come out in order.
TEST(TextLines, MixedBreaksAcrossLongLines) {
  const std::string longLine(100000, 'x');
  const std::string bytes = "a\r" + longLine + "\n\r\n\rb\r\r\n\n" + longLine + "\r";
  const TextLines expected = {"a", longLine, "", "", "b", "", "", longLine};
  EXPECT_EQ(SplitTextLines(bytes), expected);
  EXPECT_EQ(CrLfText(bytes), JoinTextLines(expected));
  // Lines of CR LF only are copied through unchanged; a missing final break is added.
  EXPECT_EQ(CrLfText("a\r\nb"), "a\r\nb\r\n");
  EXPECT_EQ(CrLfText("a\r\nb\r\n"), "a\r\nb\r\n");
  EXPECT_EQ(CrLfText(std::string("a\r\n\0b\r\n", 7)), "a\r\n");
}

// The split copies and searches the text a piece at a time: a CR LF, a NUL or a long
// line where one piece ends and the next begins must come out as from a single piece.
TEST(TextLines, BreaksAndNulAtTheSplitsPieceBoundaries) {
  constexpr size_t kPiece = 64 * 1024;
  for (size_t at : {kPiece - 2, kPiece - 1, kPiece, 2 * kPiece - 1}) {
    std::string bytes(at, 'x');
    bytes += "\r\nnext\r";
    EXPECT_EQ(SplitTextLines(bytes), (TextLines{std::string(at, 'x'), "next"})) << at;
    bytes[at] = '\0';
    EXPECT_EQ(SplitTextLines(bytes), TextLines{std::string(at, 'x')}) << at;
    bytes = std::string(at, 'y') + "\r" + std::string(3 * kPiece, 'z');
    EXPECT_EQ(SplitTextLines(bytes), (TextLines{std::string(at, 'y'), std::string(3 * kPiece, 'z')}))
        << at;
  }
}

// Lines that change are written after the text; a line given as a view of the list's
// own text stays right when the buffer moves under it.
TEST(TextLines, EditingKeepsEveryOtherLine) {
  TextLines lines = SplitTextLines("[boot]\r\ntimeout=30\r\ndefault=C:\\");
  lines.insert(1, "; note");
  lines.replace(2, "timeout=5");
  lines.erase(3);
  lines.push_back("");
  EXPECT_EQ(lines, (TextLines{"[boot]", "; note", "timeout=5", ""}));
  for (int i = 0; i < 12; ++i) lines.push_back(lines[0]);  // grows the buffer under the view
  lines.replace(1, lines[2]);
  lines.insert(0, lines[lines.size() - 1]);
  EXPECT_EQ(lines.size(), 17u);
  EXPECT_EQ(lines[0], "[boot]");
  EXPECT_EQ(lines[2], "timeout=5");
  EXPECT_EQ(lines.back(), "[boot]");
  TextLines twice = {"a", "b"};
  twice.append(twice);
  twice.append(TextLines{"c"});
  EXPECT_EQ(twice, (TextLines{"a", "b", "a", "b", "c"}));
  EXPECT_EQ(twice.Strings(), (std::vector<std::string>{"a", "b", "a", "b", "c"}));
  EXPECT_NE(twice, (TextLines{"a", "b", "a", "b", "d"}));
  EXPECT_THROW(twice.insert(6, "x"), std::out_of_range);
  EXPECT_THROW(twice.replace(5, "x"), std::out_of_range);
  EXPECT_THROW(twice.erase(5), std::out_of_range);
  EXPECT_EQ(twice.size(), 5u);
}

TEST(TextLines, JoinPutsCrLfAfterEveryLine) {
  EXPECT_EQ(JoinTextLines({}), "");
  EXPECT_EQ(JoinTextLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
}

std::string ReadReal(const std::string& relative) {
  std::ifstream in(std::string(VCONFIG_TESTDATA) + "/" + relative, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(TextLines, RealFilesKeepEveryLine) {
  struct Case {
    const char* file;
    size_t lines;
    const char* last;
  } cases[] = {
      {"autoexec.bat/Pixelx86-BestDos__AUTOEXEC.BAT", 32, nullptr},  // no final break
      {"autoexec.bat/MartinEesmaa-Arvutimuuseum__AUTOEXEC.BAT", 22, nullptr},  // LF, no final break
      {"bootlog.txt/Corbanizer-Windows-95-Dump__BOOTLOG.TXT", 638, nullptr},
      {"bootlog.txt/supportcz-BootableUsbDos__BOOTLOG.TXT", 4, nullptr},
      {"netlog.txt/andrewklkuo-art-kuo-family-tree__NETLOG.TXT", 187, nullptr},
  };
  for (const auto& c : cases) {
    const std::string bytes = ReadReal(c.file);
    ASSERT_FALSE(bytes.empty()) << c.file;
    const TextLines lines = SplitTextLines(bytes);
    EXPECT_EQ(lines.size(), c.lines) << c.file;
    // Rewriting changes only the line ends: the text of every line survives.
    EXPECT_EQ(SplitTextLines(JoinTextLines(lines)), lines) << c.file;
    EXPECT_EQ(CrLfText(bytes), JoinTextLines(lines)) << c.file;
  }
}

TEST(TextLines, RewriteLiftsAndRestoresAttributes) {
  MemoryFileSystem fs;
  const uint32_t attrs = kAttrReadOnly | kAttrHidden | kAttrSystem | kAttrArchive;
  fs.Put("C:\\msdos.sys", "[Paths]\nWinDir=C:\\WINDOWS\n", attrs);
  WriteTextLines(fs, "C:\\msdos.sys", {"[Paths]", "WinDir=D:\\WINDOWS"});
  EXPECT_EQ(fs.Get("C:\\msdos.sys")->content, "[Paths]\r\nWinDir=D:\\WINDOWS\r\n");
  EXPECT_EQ(fs.Get("C:\\msdos.sys")->attributes, attrs);
  ASSERT_EQ(fs.attributeLog().size(), 2u);
  EXPECT_EQ(fs.attributeLog()[0].second, kAttrArchive) << "lifted for the write";
}

TEST(TextLines, FailedWriteKeepsTheOriginal) {
  MemoryFileSystem fs;
  fs.Put("C:\\boot.ini", "[boot loader]\r\ntimeout=30\r\n", kAttrHidden | kAttrSystem);
  fs.FailWritesTo("C:\\boot.ini");
  EXPECT_THROW(WriteTextLines(fs, "C:\\boot.ini", {"x"}), EFileCreateError);
  EXPECT_EQ(fs.Get("C:\\boot.ini")->content, "[boot loader]\r\ntimeout=30\r\n");
  EXPECT_EQ(fs.Get("C:\\boot.ini")->attributes, kAttrHidden | kAttrSystem);
  try {
    WriteTextLines(fs, "C:\\boot.ini", {"x"});
  } catch (const AppError& e) {
    EXPECT_STREQ(e.what(), "Cannot create file C:\\boot.ini");
  }
}

TEST(TextLines, AttributesThatCannotBeSetBackAreReportedAfterTheWrite) {
  MemoryFileSystem fs;
  fs.Put("C:\\boot.ini", "timeout=30\r\n", kAttrHidden | kAttrSystem | kAttrArchive);
  fs.RefuseAttributesOf("C:\\boot.ini");
  try {
    WriteTextLines(fs, "C:\\boot.ini", {"timeout=5"});
    ADD_FAILURE() << "reported as a plain success";
  } catch (const EAttributesLostError& e) {
    EXPECT_STREQ(e.what(), "File C:\\boot.ini was saved, but its attributes could not be restored.");
  }
  EXPECT_EQ(fs.Get("C:\\boot.ini")->content, "timeout=5\r\n") << "the content is in place";

  // A file with none of the protecting attributes has nothing to lose.
  fs.Put("C:\\win.ini", "a\r\n", kAttrArchive);
  fs.RefuseAttributesOf("C:\\win.ini");
  EXPECT_NO_THROW(WriteTextLines(fs, "C:\\win.ini", {"b"}));
}

TEST(TextLines, FileWithNulIsNeverRewritten) {
  MemoryFileSystem fs;
  const std::string binary("MZ\x90\0\x03\0\0\0text", 12);
  fs.Put("C:\\win.ini", binary);
  try {
    WriteTextLines(fs, "C:\\win.ini", {"MZ"});
    FAIL() << "a file with a NUL byte was rewritten";
  } catch (const EBinaryFileError& e) {
    EXPECT_STREQ(e.what(), "File C:\\win.ini contains binary data and was not rewritten");
  }
  EXPECT_EQ(fs.Get("C:\\win.ini")->content, binary);
  EXPECT_THROW(ReadTextLines(fs, "C:\\missing.ini"), EFileOpenError);
}

}  // namespace
}  // namespace vconfig
