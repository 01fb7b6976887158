// The line commands of the configuration-file group, through the running program and
// the real files of the test prefix.
#include <gtest/gtest.h>

#include "config/ContentReaders.h"
#include "harness/EditingDriver.h"

namespace vtest {
namespace {

// The content list's rows of file lines: a line holding "</" shows escaped.
std::vector<std::string> ShownRows(const std::vector<std::string>& lines) {
  std::vector<std::string> rows;
  for (const auto& line : lines) rows.push_back(vconfig::PlainTextRow(line));
  return rows;
}

constexpr const char* kFiles = "Configuration files";

std::string CrLf(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) out += l + "\r\n";
  return out;
}

DWORD Attributes(const std::string& path) { return ::GetFileAttributesA(path.c_str()); }

// Opens the one-line dialog with a popup command; returns it, or null.
HWND OpenLineDialog(EditingSession& program, const std::string& caption, int row, int position) {
  if (!program.PopupCommand(caption, row, position)) return nullptr;
  return program.WaitForForm("TtextNEFrm");
}

// The window that has the keyboard focus in the thread of the dialog.
HWND FocusIn(HWND dialog) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(dialog, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

std::string Field(HWND dialog) {
  const auto fields = EditFields(dialog);
  return fields.empty() ? "(no field)" : WindowText(fields.front());
}

// Types the text into the dialog and confirms it.
::testing::AssertionResult Confirm(HWND dialog, const std::string& text) {
  const auto fields = EditFields(dialog);
  if (fields.empty())
    return ::testing::AssertionFailure() << "no field in " << DescribeWindow(dialog);
  SetText(fields.front(), text);
  return ClickButton(dialog, "Save");
}

TEST(EditingLines, InsertReplaceAndRemoveChangeExactlyTheConfirmedLine) {
  const std::string path = "C:\\boot.ini";
  FileKeeper keep(path);
  // Mixed line ends and no final break: any rewrite shows.
  const std::string original = "[boot loader]\ntimeout=30\rdefault=x\r\n[operating systems]\nC:\\=\"W\"";
  ASSERT_TRUE(WriteFileBytes(path, original));
  std::vector<std::string> lines = {"[boot loader]", "timeout=30", "default=x",
                                    "[operating systems]", "C:\\=\"W\""};
  EditingSession program;
  ASSERT_TRUE(program.ok());
  ASSERT_TRUE(program.OpenSource(kFiles, "Boot.ini"));
  EXPECT_EQ(program.SectionRows("Boot.ini"), lines);

  // Removal answered No: the question names the line, and the file keeps its bytes.
  ASSERT_TRUE(program.PopupCommand("Boot.ini", 1, popup::kRem1));
  std::string question;
  ASSERT_TRUE(AnswerBox(program.pid(), "No", &question));
  EXPECT_TRUE(program.Sync());
  EXPECT_NE(question.find("Do you really want to remove timeout=30?"), std::string::npos)
      << question;
  EXPECT_NE(question.find("Remove entry"), std::string::npos) << question;
  EXPECT_EQ(ReadFileBytes(path), original);

  // Edit of line 3: the field starts with the line; every line end becomes CR LF.
  HWND dialog = OpenLineDialog(program, "Boot.ini", 3, popup::kEdit1);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(WindowText(dialog), "Edit line - C:\\boot.ini");
  EXPECT_EQ(Field(dialog), "[operating systems]");
  ASSERT_TRUE(Confirm(dialog, "[systems]"));
  lines[3] = "[systems]";
  EXPECT_EQ(ReadFileBytes(path), CrLf(lines));

  // New line on the title row goes to the end, markup characters as typed.
  dialog = OpenLineDialog(program, "Boot.ini", -1, popup::kAdd1OnTitle);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(Field(dialog), "") << "confirming empties the field";
  ASSERT_TRUE(Confirm(dialog, "<b>x</b> & </FONT>"));
  lines.push_back("<b>x</b> & </FONT>");
  EXPECT_EQ(ReadFileBytes(path), CrLf(lines));

  // New line on row 0 becomes line 0.
  dialog = OpenLineDialog(program, "Boot.ini", 0, popup::kAdd1);
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(Confirm(dialog, "; first"));
  lines.insert(lines.begin(), "; first");
  EXPECT_EQ(ReadFileBytes(path), CrLf(lines));
  EXPECT_TRUE(WaitFor([&] { return program.SectionRows("Boot.ini") == ShownRows(lines); }));

  // A cancelled text waits in the field for the next new line; nothing is written.
  dialog = OpenLineDialog(program, "Boot.ini", 2, popup::kAdd1);
  ASSERT_NE(dialog, nullptr);
  SetText(EditFields(dialog).front(), "not yet");
  // Tab moves from the field to the next control and types nothing.
  HWND field = EditFields(dialog).front();
  ASSERT_TRUE(WaitFor([&] { return FocusIn(dialog) == field; }));
  ::PostMessageA(field, WM_CHAR, '\t', 0);
  ::PostMessageA(field, WM_KEYDOWN, VK_TAB, 0);
  EXPECT_TRUE(WaitFor([&] {
    HWND focus = FocusIn(dialog);
    return focus && focus != field && ::IsChild(dialog, focus);
  }));
  EXPECT_EQ(Field(dialog), "not yet");
  ASSERT_TRUE(ClickButton(dialog, "Cancel"));
  dialog = OpenLineDialog(program, "Boot.ini", 4, popup::kAdd1);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(Field(dialog), "not yet");
  ASSERT_TRUE(ClickButton(dialog, "Cancel"));
  EXPECT_EQ(ReadFileBytes(path), CrLf(lines));

  // Removal answered Yes.
  ASSERT_TRUE(program.PopupCommand("Boot.ini", 0, popup::kRem1));
  ASSERT_TRUE(AnswerBox(program.pid(), "Yes"));
  lines.erase(lines.begin());
  EXPECT_TRUE(FileBecomes(path, CrLf(lines))) << ReadFileBytes(path);
  EXPECT_TRUE(WaitFor([&] { return program.SectionRows("Boot.ini") == ShownRows(lines); }));
}

TEST(EditingLines, ProtectedFileKeepsItsAttributesAndAMissingFileIsCreated) {
  const std::string sys = "C:\\msdos.sys";
  const std::string netlog = "C:\\netlog.txt";
  FileKeeper keepSys(sys);
  FileKeeper keepNetlog(netlog);
  ASSERT_TRUE(WriteFileBytes(sys, "[Paths]\r\nWinDir=C:\\WINDOWS\r\n"));
  const DWORD protectedAttrs = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  ASSERT_TRUE(::SetFileAttributesA(sys.c_str(), protectedAttrs));
  ::DeleteFileA(netlog.c_str());

  EditingSession program;
  ASSERT_TRUE(program.ok());
  ASSERT_TRUE(program.OpenSource(kFiles, "MsDos.sys"));
  HWND dialog = OpenLineDialog(program, "MsDos.sys", 1, popup::kAdd1);
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(Confirm(dialog, "[Options]"));
  EXPECT_EQ(ReadFileBytes(sys), "[Paths]\r\n[Options]\r\nWinDir=C:\\WINDOWS\r\n");
  EXPECT_EQ(Attributes(sys) & protectedAttrs, protectedAttrs);

  dialog = OpenLineDialog(program, "MsDos.sys", 2, popup::kEdit1);
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(Confirm(dialog, "BootGUI=0"));
  EXPECT_EQ(ReadFileBytes(sys), "[Paths]\r\n[Options]\r\nBootGUI=0\r\n");
  EXPECT_EQ(Attributes(sys) & protectedAttrs, protectedAttrs);

  ASSERT_TRUE(program.PopupCommand("MsDos.sys", 0, popup::kRem1));
  ASSERT_TRUE(AnswerBox(program.pid(), "Yes"));
  EXPECT_TRUE(FileBecomes(sys, "[Options]\r\nBootGUI=0\r\n")) << ReadFileBytes(sys);
  EXPECT_EQ(Attributes(sys) & protectedAttrs, protectedAttrs);

  ASSERT_TRUE(program.OpenSource(kFiles, "NetLog.txt"));
  dialog = OpenLineDialog(program, "NetLog.txt", -1, popup::kAdd1OnTitle);
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(Confirm(dialog, "only line"));
  EXPECT_EQ(ReadFileBytes(netlog), "only line\r\n");
  EXPECT_TRUE(WaitFor([&] {
    return program.SectionRows("NetLog.txt") == std::vector<std::string>{"only line"};
  }));
}

// Another process holding the file, as an editor or a virus scanner might.
class HeldFile {
 public:
  HeldFile(const std::string& path, DWORD share)
      : h_(::CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr)) {}
  ~HeldFile() {
    if (h_ != INVALID_HANDLE_VALUE) ::CloseHandle(h_);
  }
  bool ok() const { return h_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE h_;
};

TEST(EditingLines, FailuresEndTheCommandWithTheirMessageAndWriteNothing) {
  const std::string path = "C:\\scandisk.log";
  FileKeeper keep(path);
  const std::string original = "one\r\ntwo\r\nthree\r\nfour\r\n";
  ASSERT_TRUE(WriteFileBytes(path, original));
  EditingSession program;
  ASSERT_TRUE(program.ok());
  ASSERT_TRUE(program.OpenSource(kFiles, "Scandisk.log"));

  {
    // Held without any sharing: the confirm cannot even read it; the dialog closes.
    HeldFile held(path, 0);
    ASSERT_TRUE(held.ok());
    HWND dialog = OpenLineDialog(program, "Scandisk.log", 0, popup::kAdd1);
    ASSERT_NE(dialog, nullptr);
    const auto fields = EditFields(dialog);
    ASSERT_FALSE(fields.empty());
    SetText(fields.front(), "zero");
    EXPECT_TRUE(ClickButton(dialog, "Save"));
    std::string error;
    ASSERT_TRUE(AnswerBox(program.pid(), "OK", &error));
    EXPECT_TRUE(ShowsNothingModal(program.main()));
    EXPECT_NE(error.find("Cannot open file C:\\scandisk.log"), std::string::npos) << error;
    EXPECT_TRUE(WaitFor([dialog] { return !::IsWindowVisible(dialog); }));
  }
  EXPECT_EQ(ReadFileBytes(path), original);

  {
    // Others may read but not write: the rewrite is refused and the file stays whole.
    HeldFile held(path, FILE_SHARE_READ);
    ASSERT_TRUE(held.ok());
    HWND dialog = OpenLineDialog(program, "Scandisk.log", 1, popup::kEdit1);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Field(dialog), "two");
    SetText(EditFields(dialog).front(), "TWO");
    EXPECT_TRUE(ClickButton(dialog, "Save"));
    std::string error;
    ASSERT_TRUE(AnswerBox(program.pid(), "OK", &error));
    EXPECT_TRUE(ShowsNothingModal(program.main()));
    EXPECT_NE(error.find("Cannot create file C:\\scandisk.log"), std::string::npos) << error;
  }
  EXPECT_EQ(ReadFileBytes(path), original);

  // Changed on disk behind the list: line 3 is gone; no dialog opens.
  const std::string shorter = "one\r\ntwo\r\n";
  ASSERT_TRUE(WriteFileBytes(path, shorter));
  ASSERT_TRUE(program.PopupCommand("Scandisk.log", 3, popup::kEdit1));
  std::string error;
  ASSERT_TRUE(AnswerBox(program.pid(), "OK", &error));
  EXPECT_TRUE(ShowsNothingModal(program.main()));
  EXPECT_NE(error.find("List index out of bounds (3)"), std::string::npos) << error;
  EXPECT_FALSE(::IsWindowVisible(::FindWindowA("TtextNEFrm", nullptr)));
  EXPECT_EQ(ReadFileBytes(path), shorter);

  // A NUL byte: the tail after it was never shown, so nothing may rewrite the file.
  const std::string binary("one\r\ntwo\0three\r\n", 16);
  ASSERT_TRUE(WriteFileBytes(path, binary));
  ASSERT_TRUE(program.OpenSource(kFiles, "Scandisk.log"));
  ASSERT_TRUE(program.PopupCommand("Scandisk.log", 0, popup::kRem1));
  ASSERT_TRUE(AnswerBox(program.pid(), "OK", &error));
  EXPECT_TRUE(ShowsNothingModal(program.main()));
  EXPECT_NE(error.find("File C:\\scandisk.log contains binary data and was not rewritten"),
            std::string::npos)
      << error;
  EXPECT_EQ(ReadFileBytes(path), binary);
}

}  // namespace
}  // namespace vtest
