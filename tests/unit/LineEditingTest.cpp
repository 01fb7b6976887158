#include "config/LineEditing.h"

#include <gtest/gtest.h>

#include "diagnostics/Errors.h"
#include "fakes/MemoryFileSystem.h"

namespace vconfig {
namespace {

const std::string kPath = "C:\\boot.ini";

struct ChangeCase {
  const char* name;
  TextLines before;
  LineEditMode mode;
  int index;
  TextLines after;  // empty with a non-null error
  const char* error;
};

TEST(LineEditing, ApplyInsertsReplacesAppendsOrRefusesAnIndexBeyondTheLines) {
  const auto New = LineEditMode::New;
  const auto Edit = LineEditMode::Edit;
  const ChangeCase cases[] = {
      {"new on title row", {"a", "b"}, New, -1, {"a", "b", "x"}, nullptr},
      {"new on row 0", {"a", "b"}, New, 0, {"x", "a", "b"}, nullptr},
      {"new on last row", {"a", "b"}, New, 1, {"a", "x", "b"}, nullptr},
      {"new just past end", {"a", "b"}, New, 2, {"a", "b", "x"}, nullptr},
      {"new on empty file", {}, New, 7, {"x"}, nullptr},
      {"new beyond end", {"a", "b"}, New, 3, {}, "List index out of bounds (3)"},
      {"edit row 1", {"a", "b", "c"}, Edit, 1, {"a", "x", "c"}, nullptr},
      {"edit on title row", {"a"}, Edit, -1, {"a", "x"}, nullptr},
      {"edit past end", {"a", "b"}, Edit, 2, {}, "List index out of bounds (2)"},
      {"edit on empty file", {}, Edit, 0, {}, "List index out of bounds (0)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TextLines lines = c.before;
    if (c.error) {
      try {
        ApplyLineChange(lines, c.mode, c.index, "x");
        ADD_FAILURE() << "no error";
      } catch (const EListIndexError& e) {
        EXPECT_STREQ(e.what(), c.error);
      }
      EXPECT_EQ(lines, c.before);
    } else {
      ApplyLineChange(lines, c.mode, c.index, "x");
      EXPECT_EQ(lines, c.after);
    }
  }
}

TEST(LineEditing, AFileHoldingANulByteIsRefusedByEveryCommand) {
  MemoryFileSystem fs;
  const std::string bytes("a\nb\0tail\n", 9);
  fs.Put(kPath, bytes);
  const TextLines shown = {"a", "b"};  // the list stops at the NUL too
  EXPECT_THROW(PrepareLineChange(fs, kPath, shown, LineEditMode::New, 0, "x"), EBinaryFileError);
  EXPECT_THROW(LineForEditing(fs, kPath, shown, 0), EBinaryFileError);
  bool asked = false;
  EXPECT_THROW(RemoveLine(fs, kPath, shown, 0, [&](const std::string&) { return asked = true; }),
               EBinaryFileError);
  EXPECT_FALSE(asked);
  EXPECT_EQ(fs.Get(kPath)->content, bytes);
}

TEST(LineEditing, LineForEditingIsEmptyForNoLinesAndRefusesAMissingLine) {
  MemoryFileSystem fs;
  EXPECT_EQ(LineForEditing(fs, kPath, {}, 0), std::nullopt);
  fs.Put(kPath, "");
  EXPECT_EQ(LineForEditing(fs, kPath, {}, 0), std::nullopt);
  fs.Put(kPath, "a\rb\n");
  EXPECT_EQ(LineForEditing(fs, kPath, {"a", "b"}, 1), "b");
  EXPECT_THROW(LineForEditing(fs, kPath, {"a", "b"}, 2), EListIndexError);
}

TEST(LineEditing, RemovalWritesOnlyWhenALineIsThereAndTheAnswerIsYes) {
  const std::string original = "first\nsecond\rthird";  // mixed ends, no final break
  struct Case {
    const char* name;
    int index;
    bool answer;
    bool asked;
    std::string after;
  } cases[] = {
      {"answered no", 1, false, true, original},
      {"answered yes", 1, true, true, "first\r\nthird\r\n"},
      {"title row", -1, true, false, original},
      {"beyond the lines", 3, true, false, original},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryFileSystem fs;
    fs.Put(kPath, original, kAttrReadOnly | kAttrHidden | kAttrSystem);
    std::string askedAbout;
    const TextLines shown = {"first", "second", "third"};
    const bool written = RemoveLine(fs, kPath, shown, c.index, [&](const std::string& line) {
      askedAbout = line;
      return c.answer;
    });
    EXPECT_EQ(askedAbout, c.asked ? "second" : "");
    EXPECT_EQ(written, c.after != original);
    EXPECT_EQ(fs.Get(kPath)->content, c.after);
    EXPECT_EQ(fs.Get(kPath)->attributes, kAttrReadOnly | kAttrHidden | kAttrSystem);
  }
}

// Every command compares the file with the lines the list shows and writes nothing
// when they differ: a line inserted at the top by someone else would otherwise make
// an edit replace, and a removal remove, the line above the one the user picked.
TEST(LineEditing, AFileChangedBehindTheListIsNeverWritten) {
  const TextLines shown = {"[windows]", "load=", "run="};
  struct Case {
    const char* name;
    std::string now;  // the file's bytes when the command runs; "-" for no file
  } cases[] = {
      {"line inserted at the top", "; new\r\n[windows]\r\nload=\r\nrun=\r\n"},
      {"line changed", "[windows]\r\nload=x\r\nrun=\r\n"},
      {"line removed", "[windows]\r\nrun=\r\n"},
      {"file deleted", "-"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryFileSystem fs;
    if (c.now != "-") fs.Put(kPath, c.now);
    const std::string message =
        "File " + kPath + " was changed since it was shown. The list now shows its current content.";
    try {
      PrepareLineChange(fs, kPath, shown, LineEditMode::Edit, 1, "load=y");
      ADD_FAILURE() << "edit went ahead";
    } catch (const EFileChangedError& e) {
      EXPECT_EQ(e.what(), message);
    }
    EXPECT_THROW(PrepareLineChange(fs, kPath, shown, LineEditMode::New, 1, "x"), EFileChangedError);
    EXPECT_THROW(LineForEditing(fs, kPath, shown, 1), EFileChangedError);
    bool asked = false;
    EXPECT_THROW(RemoveLine(fs, kPath, shown, 1, [&](const std::string&) { return asked = true; }),
                 EFileChangedError);
    EXPECT_FALSE(asked);
    if (c.now != "-") {
      EXPECT_EQ(fs.Get(kPath)->content, c.now);
    } else {
      EXPECT_FALSE(fs.FileExists(kPath));
    }
  }

  // Only the lines count: other line ends are the same lines.
  MemoryFileSystem fs;
  fs.Put(kPath, "[windows]\nload=\rrun=");
  EXPECT_EQ(PrepareLineChange(fs, kPath, shown, LineEditMode::Edit, 1, "load=y"),
            (TextLines{"[windows]", "load=y", "run="}));

  // A line holding "</" is shown escaped: the file still is what the list shows.
  fs.Put(kPath, "<b>x</b>\r\nrun=\r\n");
  const TextLines escaped = {"<FONT>&lt;b&gt;x&lt;/b&gt;</FONT>", "run="};
  EXPECT_EQ(PrepareLineChange(fs, kPath, escaped, LineEditMode::Edit, 1, "run=y"),
            (TextLines{"<b>x</b>", "run=y"}));
  EXPECT_THROW(PrepareLineChange(fs, kPath, {"<b>x</b>", "run="}, LineEditMode::Edit, 1, "y"),
               EFileChangedError);
}

TEST(LineEditing, AFileChangedWhileTheRemovalQuestionWaitsIsNotWritten) {
  MemoryFileSystem fs;
  fs.Put(kPath, "a\r\nb\r\nc\r\n");
  const std::string meanwhile = "new\r\na\r\nb\r\nc\r\n";
  EXPECT_THROW(RemoveLine(fs, kPath, {"a", "b", "c"}, 1,
                          [&](const std::string& line) {
                            EXPECT_EQ(line, "b");
                            fs.Put(kPath, meanwhile);  // another program, while the box shows
                            return true;
                          }),
               EFileChangedError);
  EXPECT_EQ(fs.Get(kPath)->content, meanwhile);
}

TEST(LineEditing, AFileTooLargeToShowIsRefusedBeforeItIsRead) {
  MemoryFileSystem fs;
  fs.Put(kPath, "a\r\n");
  fs.PretendSize(kPath, kMaxShownFileSize + 1);
  try {
    ReadLinesForChange(fs, kPath);
    ADD_FAILURE() << "read";
  } catch (const EFileTooLargeError& e) {
    EXPECT_STREQ(e.what(), "File C:\\boot.ini is too large to show here.");
  }
  EXPECT_THROW(ReadTextLines(fs, kPath), EFileTooLargeError);
  fs.PretendSize(kPath, kMaxShownFileSize);  // the limit itself is still shown
  EXPECT_EQ(ReadTextLines(fs, kPath), TextLines{"a"});
}

}  // namespace
}  // namespace vconfig
