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

// Clicks a button of the dialog by its caption, for a click that leaves it open.
void PressButton(HWND dialog, const std::string& caption) {
  for (HWND child : ChildWindows(dialog)) {
    if (WindowText(child) != caption) continue;
    RECT r{};
    ::GetClientRect(child, &r);
    ClickAt(child, r.right / 2, r.bottom / 2);
  }
}

TEST(EditingLines, AFailedWriteKeepsTheDialogWithTheTypedTextAndWritesNothing) {
  const std::string path = "C:\\scandisk.log";
  FileKeeper keep(path);
  const std::string original = "one\r\ntwo\r\nthree\r\nfour\r\n";
  ASSERT_TRUE(WriteFileBytes(path, original));
  EditingSession program;
  ASSERT_TRUE(program.ok());
  ASSERT_TRUE(program.OpenSource(kFiles, "Scandisk.log"));

  struct Case {
    const char* what;
    DWORD share;  // how another process holds the file once the dialog is open
    const char* error;
  } cases[] = {
      // Without any sharing the confirm cannot even read it.
      {"held without sharing", 0, "Cannot open file C:\\scandisk.log"},
      // Others may read but not write: the rewrite is refused and the file stays whole.
      {"held for reading only", FILE_SHARE_READ, "Cannot create file C:\\scandisk.log"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    HWND dialog = OpenLineDialog(program, "Scandisk.log", 1, popup::kEdit1);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Field(dialog), "two");
    {
      HeldFile held(path, c.share);
      ASSERT_TRUE(held.ok());
      SetText(EditFields(dialog).front(), "typed with care");
      PressButton(dialog, "Save");
      std::string error;
      ASSERT_TRUE(AnswerBox(program.pid(), "OK", &error));
      EXPECT_NE(error.find(c.error), std::string::npos) << error;
      EXPECT_TRUE(program.Sync());
      EXPECT_TRUE(::IsWindowVisible(dialog)) << "the dialog stays for another try";
      EXPECT_EQ(Field(dialog), "typed with care");
    }
    EXPECT_EQ(ReadFileBytes(path), original);
    // Let go, the same text goes in on the next try.
    ASSERT_TRUE(ClickButton(dialog, "Save"));
    EXPECT_EQ(ReadFileBytes(path), "one\r\ntyped with care\r\nthree\r\nfour\r\n");
    ASSERT_TRUE(WriteFileBytes(path, original));
    ASSERT_TRUE(program.OpenSource(kFiles, "Scandisk.log"));
  }

  // A NUL byte: the tail after it was never shown, so nothing may rewrite the file.
  const std::string binary("one\r\ntwo\0three\r\n", 16);
  ASSERT_TRUE(WriteFileBytes(path, binary));
  ASSERT_TRUE(program.OpenSource(kFiles, "Scandisk.log"));
  ASSERT_TRUE(program.PopupCommand("Scandisk.log", 0, popup::kRem1));
  std::string error;
  ASSERT_TRUE(AnswerBox(program.pid(), "OK", &error));
  EXPECT_TRUE(ShowsNothingModal(program.main()));
  EXPECT_NE(error.find("File C:\\scandisk.log contains binary data and was not rewritten"),
            std::string::npos)
      << error;
  EXPECT_EQ(ReadFileBytes(path), binary);
}

std::string WindowsDir() {
  char dir[MAX_PATH] = {};
  ::GetWindowsDirectoryA(dir, MAX_PATH);
  return dir;
}

// Someone else inserts a line at the top of win.ini after the list showed it: every
// line command then writes nothing, says so and shows the file as it now is.
TEST(EditingLines, CommandsOnAFileChangedBehindTheListWriteNothingAndShowItsContent) {
  const std::string path = WindowsDir() + "\\win.ini";
  FileKeeper keep(path);
  ASSERT_TRUE(WriteFileBytes(path, "[windows]\r\nload=\r\nrun=\r\n"));
  EditingSession program;
  ASSERT_TRUE(program.ok());
  ASSERT_TRUE(program.OpenSource(kFiles, "Win.ini"));
  ASSERT_EQ(program.SectionRows("Win.ini"), (std::vector<std::string>{"[windows]", "load=", "run="}));

  const std::string message =
      "File " + path + " was changed since it was shown. The list now shows its current content.";
  std::vector<std::string> lines = {"[windows]", "load=", "run="};
  struct Step {
    const char* command;
    int position;
  } steps[] = {{"Edit", popup::kEdit1}, {"Remove", popup::kRem1}, {"Add", popup::kAdd1}};
  for (const Step& step : steps) {
    SCOPED_TRACE(step.command);
    lines.insert(lines.begin(), std::string("; ") + step.command);
    const std::string changed = CrLf(lines);
    ASSERT_TRUE(WriteFileBytes(path, changed));
    // Row 1 is "load=" as shown, but line 1 of the file now is another.
    ASSERT_TRUE(program.PopupCommand("Win.ini", 1, step.position));
    std::string shown;
    ASSERT_TRUE(AnswerBox(program.pid(), "OK", &shown));
    EXPECT_NE(shown.find(message), std::string::npos) << shown;
    EXPECT_EQ(shown.rfind("Vorn Info Config\n", 0), 0u) << shown;
    EXPECT_TRUE(program.Sync());
    EXPECT_TRUE(ShowsNothingModal(program.main())) << "no dialog, no question";
    EXPECT_EQ(ReadFileBytes(path), changed);
    EXPECT_TRUE(WaitFor([&] { return program.SectionRows("Win.ini") == lines; }));
  }

  // Changed while the dialog is open: the confirm writes nothing, the dialog closes
  // and the typed text waits in the field for the next new line.
  HWND dialog = OpenLineDialog(program, "Win.ini", 1, popup::kEdit1);
  ASSERT_NE(dialog, nullptr);
  lines.insert(lines.begin(), "; meanwhile");
  const std::string changed = CrLf(lines);
  ASSERT_TRUE(WriteFileBytes(path, changed));
  SetText(EditFields(dialog).front(), "load=mine.exe");
  PressButton(dialog, "Save");
  std::string shown;
  ASSERT_TRUE(AnswerBox(program.pid(), "OK", &shown));
  EXPECT_NE(shown.find(message), std::string::npos) << shown;
  EXPECT_TRUE(WaitFor([dialog] { return !::IsWindowVisible(dialog); }));
  EXPECT_EQ(ReadFileBytes(path), changed);
  EXPECT_TRUE(WaitFor([&] { return program.SectionRows("Win.ini") == lines; }));
  dialog = OpenLineDialog(program, "Win.ini", -1, popup::kAdd1OnTitle);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(Field(dialog), "load=mine.exe");
  ASSERT_TRUE(ClickButton(dialog, "Cancel"));
}

// A rewrite interrupted between writing its temporary file and putting it in place
// leaves that file behind; the next start removes it beside the configuration files.
TEST(EditingLines, TemporaryFilesLeftByAnInterruptedRewriteGoAtTheNextStart) {
  const std::string path = "C:\\boot.ini";
  FileKeeper keep(path);
  ASSERT_TRUE(WriteFileBytes(path, "[boot loader]\r\n"));
  const std::string stray = path + ".vcfg-new0000ABCD";
  // No file of that name: the temporary one may hold the only copy, and stays.
  const std::string orphan = "C:\\vornlost.ini.vcfg-new00000001";
  ASSERT_TRUE(WriteFileBytes(stray, "half"));
  ASSERT_TRUE(WriteFileBytes(orphan, "only copy"));
  {
    EditingSession program;
    ASSERT_TRUE(program.ok());
    EXPECT_FALSE(FileExists(stray));
    EXPECT_TRUE(FileExists(orphan));
    // A rewrite leaves nothing of its own behind.
    ASSERT_TRUE(program.OpenSource(kFiles, "Boot.ini"));
    HWND dialog = OpenLineDialog(program, "Boot.ini", -1, popup::kAdd1OnTitle);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(Confirm(dialog, "timeout=5"));
    EXPECT_EQ(ReadFileBytes(path), "[boot loader]\r\ntimeout=5\r\n");
    WIN32_FIND_DATAA fd{};
    HANDLE find = ::FindFirstFileA("C:\\boot.ini.vcfg-new*", &fd);
    EXPECT_EQ(find, INVALID_HANDLE_VALUE) << fd.cFileName;
    if (find != INVALID_HANDLE_VALUE) ::FindClose(find);
  }
  ::DeleteFileA(orphan.c_str());
}

}  // namespace
}  // namespace vtest
