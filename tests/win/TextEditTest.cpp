// The whole-file editor window in this process, on real files.
#include <gtest/gtest.h>

#include <thread>

#include "windows/EditorWindow_win.h"
#include "controls/EditorMemo_win.h"
#include "diagnostics/Errors.h"
#include "harness/Harness.h"
#include "harness/MainWindowDriver.h"

namespace vtest {
namespace {

using vconfig::EditorWindow;

class TextEdit : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(frm.Create(nullptr)); }
  void TearDown() override { RemoveTree(dir); }
  std::string File(const std::string& name, const std::string& bytes) {
    const std::string path = dir + name;
    EXPECT_TRUE(WriteFileBytes(path, bytes));
    return path;
  }
  // Runs action while another thread answers the message box showing text.
  ::testing::AssertionResult Answer(const std::string& text, int button,
                                    const std::function<void()>& action) {
    ::testing::AssertionResult answered = ::testing::AssertionFailure() << "no box: " << text;
    std::thread answer([&] {
      if (HWND box = WaitForDialogWithText(::GetCurrentProcessId(), text))
        answered = PressDialogButton(box, button);
    });
    action();
    answer.join();
    return answered;
  }

  std::string dir = TempFolder("textedit");
  EditorWindow frm;
};

TEST_F(TextEdit, SavesEveryLineWithCrLfAndKeepsBytesAsTheyAre) {
  struct Case {
    const char* what;
    std::string in;
    std::string out;
  };
  const Case cases[] = {
      {"LF only", "[boot]\nshell=Explorer.exe\n", "[boot]\r\nshell=Explorer.exe\r\n"},
      {"no final break", "a\r\nb", "a\r\nb\r\n"},
      {"lone CR and empty lines", "a\rb\r\n\r\n", "a\r\nb\r\n\r\n"},
      {"8-bit text and markup", "n\xE1zev=\xDC\xF3\xB4\t</b>\r\n", "n\xE1zev=\xDC\xF3\xB4\t</b>\r\n"},
      {"very long line", std::string(40000, 'x') + "\r\n", std::string(40000, 'x') + "\r\n"},
      {"empty file", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string path = File("case.txt", c.in);
    frm.OpenFile(path);
    EXPECT_TRUE(frm.Visible());
    EXPECT_EQ(WindowText(frm.hwnd()), path);
    EXPECT_TRUE(frm.Editor().LinesIntact());
    frm.SaveAndClose();
    EXPECT_FALSE(frm.Visible());
    EXPECT_EQ(ReadFileBytes(path), c.out);
  }
}

TEST_F(TextEdit, TakesAHundredThousandLines) {
  std::string big;
  for (int i = 0; i < 100000; ++i) big += "[" + std::to_string(i) + "] Loading device driver\r\n";
  const std::string path = File("bootlog.txt", big);
  frm.OpenFile(path);
  EXPECT_EQ(frm.Editor().Lines().size(), 100000u);
  ::SendMessageA(frm.Editor().hwnd(), EM_SETSEL, 0, 0);
  ::SendMessageA(frm.Editor().hwnd(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("first "));
  frm.SaveAndClose();
  EXPECT_EQ(ReadFileBytes(path), "first " + big);
}

TEST_F(TextEdit, NewFileIsCreatedAndSecondOpeningReplacesTheFirst) {
  const std::string first = File("first.ini", "one\r\n");
  const std::string second = dir + "second.ini";  // does not exist yet
  frm.OpenFile(first);
  ::SetWindowTextA(frm.Editor().hwnd(), "changed\r\n");
  frm.OpenFile(second);
  EXPECT_EQ(WindowText(frm.hwnd()), second);
  EXPECT_EQ(frm.Editor().Text(), "");
  ::SetWindowTextA(frm.Editor().hwnd(), "made");
  frm.SaveAndClose();
  EXPECT_EQ(ReadFileBytes(second), "made\r\n");
  EXPECT_EQ(ReadFileBytes(first), "one\r\n");
}

TEST_F(TextEdit, CloseWritesNothing) {
  const std::string path = File("keep.ini", "a\nb");
  frm.OpenFile(path);
  ::SetWindowTextA(frm.Editor().hwnd(), "edited");
  frm.CloseWithoutSaving();
  EXPECT_FALSE(frm.Visible());
  frm.OpenFile(path);
  ::SendMessageA(frm.hwnd(), WM_CLOSE, 0, 0);  // the close box
  EXPECT_FALSE(frm.Visible());
  EXPECT_EQ(ReadFileBytes(path), "a\nb");
}

TEST_F(TextEdit, ChangeOnDiskMeanwhileIsNotOverwrittenWithoutAsking) {
  const std::string path = File("system.ini", "[boot]\r\n");
  frm.OpenFile(path);
  ::SetWindowTextA(frm.Editor().hwnd(), "[boot]\r\nmine=1\r\n");
  ASSERT_TRUE(WriteFileBytes(path, "[boot]\r\ntheirs=1\r\n"));  // another writer

  const std::string question =
      "File " + path + " was changed on disk since it was opened. Overwrite it?";
  EXPECT_TRUE(Answer(question, IDNO, [&] { frm.SaveAndClose(); }));
  EXPECT_TRUE(frm.Visible());
  EXPECT_EQ(frm.Editor().Text(), "[boot]\r\nmine=1\r\n");
  EXPECT_EQ(ReadFileBytes(path), "[boot]\r\ntheirs=1\r\n");

  EXPECT_TRUE(Answer(question, IDYES, [&] { frm.SaveAndClose(); }));
  EXPECT_FALSE(frm.Visible());
  EXPECT_EQ(ReadFileBytes(path), "[boot]\r\nmine=1\r\n");
}

TEST_F(TextEdit, BinaryFileIsRefusedAndTheWindowKeepsItsText) {
  const std::string bytes("[x]\r\nhead\0tail\r\n", 16);
  const std::string path = File("binary.dat", bytes);
  frm.OpenFile(path);
  EXPECT_EQ(frm.Editor().Text(), "[x]\r\nhead\r\n");
  try {
    frm.SaveAndClose();
    ADD_FAILURE() << "saved";
  } catch (const vconfig::EBinaryFileError& e) {
    EXPECT_EQ(std::string(e.what()), "File " + path + " contains binary data and was not rewritten");
  }
  EXPECT_TRUE(frm.Visible());
  EXPECT_EQ(frm.Editor().Text(), "[x]\r\nhead\r\n");
  EXPECT_EQ(ReadFileBytes(path), bytes);
}

TEST_F(TextEdit, FailedLoadNeverSavesTheEmptiedEditorOverTheFileShownBefore) {
  const std::string shown = File("win.ini", "[windows]\r\n");
  const std::string locked = File("locked.ini", "x\r\n");
  frm.OpenFile(shown);
  HANDLE lock = ::CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  EXPECT_THROW(frm.OpenFile(locked), vconfig::EFileOpenError);
  ::CloseHandle(lock);
  EXPECT_FALSE(frm.Visible());
  EXPECT_EQ(frm.Path(), "");
  frm.SaveAndClose();
  EXPECT_EQ(ReadFileBytes(shown), "[windows]\r\n");
  EXPECT_EQ(ReadFileBytes(locked), "x\r\n");
}

TEST_F(TextEdit, EditorLooksAsTheWindowSetsItUp) {
  frm.OpenFile(File("look.txt", "\tTab\r\n"));
  HWND edit = frm.Editor().hwnd();
  RECT window{};
  ::GetWindowRect(frm.hwnd(), &window);
  EXPECT_EQ(window.right - window.left, 533);
  EXPECT_EQ(window.bottom - window.top, 433);
  EXPECT_EQ(::GetWindowLongA(edit, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL | ES_READONLY),
            WS_HSCROLL | WS_VSCROLL);
  EXPECT_GT(static_cast<DWORD>(::SendMessageA(edit, EM_GETLIMITTEXT, 0, 0)), 0x100000u);
  // The tab stop lies 8 columns in, and the margin line 80 columns.
  const LRESULT tabEnd = ::SendMessageA(edit, EM_POSFROMCHAR, 1, 0);
  const LRESULT start = ::SendMessageA(edit, EM_POSFROMCHAR, 0, 0);
  HDC dc = ::GetDC(edit);
  HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageA(edit, WM_GETFONT, 0, 0)));
  TEXTMETRICA tm{};
  ::GetTextMetricsA(dc, &tm);
  ::SelectObject(dc, old);
  ::ReleaseDC(edit, dc);
  LOGFONTA font{};
  ::GetObjectA(reinterpret_cast<HGDIOBJ>(::SendMessageA(edit, WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_STREQ(font.lfFaceName, "Courier New");
  EXPECT_EQ(font.lfHeight, -13);
  EXPECT_EQ(tm.tmPitchAndFamily & TMPF_FIXED_PITCH, 0) << "fixed pitch";
  EXPECT_EQ(static_cast<short>(LOWORD(tabEnd)) - static_cast<short>(LOWORD(start)),
            8 * tm.tmAveCharWidth);
  EXPECT_EQ(frm.Editor().MarginX() - static_cast<short>(LOWORD(start)), 80 * tm.tmAveCharWidth);
}

}  // namespace
}  // namespace vtest
