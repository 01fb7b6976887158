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
  EXPECT_THROW(PrepareLineChange(fs, kPath, LineEditMode::New, 0, "x"), EBinaryFileError);
  EXPECT_THROW(LineForEditing(fs, kPath, 0), EBinaryFileError);
  bool asked = false;
  EXPECT_THROW(RemoveLine(fs, kPath, 0, [&](const std::string&) { return asked = true; }),
               EBinaryFileError);
  EXPECT_FALSE(asked);
  EXPECT_EQ(fs.Get(kPath)->content, bytes);
}

TEST(LineEditing, LineForEditingIsEmptyForNoLinesAndRefusesAMissingLine) {
  MemoryFileSystem fs;
  EXPECT_EQ(LineForEditing(fs, kPath, 0), std::nullopt);
  fs.Put(kPath, "");
  EXPECT_EQ(LineForEditing(fs, kPath, 0), std::nullopt);
  fs.Put(kPath, "a\rb\n");
  EXPECT_EQ(LineForEditing(fs, kPath, 1), "b");
  EXPECT_THROW(LineForEditing(fs, kPath, 2), EListIndexError);
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
      {"line gone since the list loaded", 3, true, false, original},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryFileSystem fs;
    fs.Put(kPath, original, kAttrReadOnly | kAttrHidden | kAttrSystem);
    std::string askedAbout;
    const bool written = RemoveLine(fs, kPath, c.index, [&](const std::string& line) {
      askedAbout = line;
      return c.answer;
    });
    EXPECT_EQ(askedAbout, c.asked ? "second" : "");
    EXPECT_EQ(written, c.after != original);
    EXPECT_EQ(fs.Get(kPath)->content, c.after);
    EXPECT_EQ(fs.Get(kPath)->attributes, kAttrReadOnly | kAttrHidden | kAttrSystem);
  }
}

}  // namespace
}  // namespace vconfig
