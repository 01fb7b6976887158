// The editor window of the running program holds what the user typed until the user
// lets it go: closing it, opening another file in it and closing the main window ask
// first; its save shows in the content list.
#include <gtest/gtest.h>

#include <algorithm>

#include "harness/EditingDriver.h"

namespace vtest {
namespace {

constexpr const char* kFiles = "Configuration files";

// Types into the editor as the keyboard would (an edit by hand marks it changed).
::testing::AssertionResult Type(EditingSession& program, HWND edit, const std::string& text) {
  for (char c : text) ::PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 0);
  return program.Sync();
}

HWND OpenInEditorByView(EditingSession& program, const std::string& caption, int row,
                        int position) {
  if (!program.PopupCommand(caption, row, position)) return nullptr;
  HWND editor = program.WaitForForm("TTextEditfrm");
  return editor && WaitFor([editor] { return ::IsWindowVisible(editor) != FALSE; }) ? editor
                                                                                    : nullptr;
}

// The explorer-style buttons of a window, top to bottom: save, then close.
std::vector<HWND> Buttons(HWND window) {
  auto buttons = ChildWindows(window, "TExplBtn");
  std::sort(buttons.begin(), buttons.end(), [](HWND a, HWND b) {
    RECT ra{}, rb{};
    ::GetWindowRect(a, &ra);
    ::GetWindowRect(b, &rb);
    return ra.top < rb.top;
  });
  return buttons;
}

TEST(EditorChanges, EveryWayOfDroppingChangesAsksAndEachAnswerDoesWhatItSays) {
  const std::string path = "C:\\boot.ini";
  FileKeeper keep(path);
  const std::string original = "[boot loader]\r\ntimeout=30\r\n";
  ASSERT_TRUE(WriteFileBytes(path, original));
  EditingSession program;
  ASSERT_TRUE(program.ok());
  ASSERT_TRUE(program.OpenSource(kFiles, "Boot.ini"));
  HWND editor = OpenInEditorByView(program, "Boot.ini", 0, popup::kView1);
  ASSERT_NE(editor, nullptr);
  HWND edit = ChildWindows(editor, "Edit").at(0);
  const std::string question = "Save changes to C:\\boot.ini?";

  // The close box, Cancel: the window stays as it is.
  ASSERT_TRUE(Type(program, edit, "x"));
  ::PostMessageA(editor, WM_CLOSE, 0, 0);
  std::string shown;
  ASSERT_TRUE(AnswerBox(program.pid(), "Cancel", &shown));
  EXPECT_EQ(shown.rfind("Vorn Info Config\n", 0), 0u) << shown;
  EXPECT_NE(shown.find(question), std::string::npos) << shown;
  EXPECT_TRUE(program.Sync());
  EXPECT_TRUE(::IsWindowVisible(editor));
  EXPECT_EQ(WindowText(edit), "x" + original);
  EXPECT_EQ(ReadFileBytes(path), original);

  // Opening another file, Cancel: the editor keeps the file it shows.
  ASSERT_TRUE(program.PopupCommand("Win.ini", -1, popup::kView1OnTitle));
  ASSERT_TRUE(AnswerBox(program.pid(), "Cancel", &shown));
  EXPECT_NE(shown.find(question), std::string::npos) << shown;
  EXPECT_TRUE(program.Sync());
  EXPECT_EQ(WindowText(editor), path);
  EXPECT_EQ(WindowText(edit), "x" + original);

  // The close button, No: the changes go, nothing is written.
  ClickControl(Buttons(editor).at(1));
  ASSERT_TRUE(AnswerBox(program.pid(), "No", &shown));
  EXPECT_NE(shown.find(question), std::string::npos) << shown;
  EXPECT_TRUE(WaitFor([editor] { return !::IsWindowVisible(editor); }));
  EXPECT_EQ(ReadFileBytes(path), original);

  // The close box, Yes: saved, and the list shows the file's new lines.
  editor = OpenInEditorByView(program, "Boot.ini", 0, popup::kView1);
  ASSERT_NE(editor, nullptr);
  ASSERT_TRUE(Type(program, edit, "; saved\r"));
  ::PostMessageA(editor, WM_CLOSE, 0, 0);
  ASSERT_TRUE(AnswerBox(program.pid(), "Yes"));
  EXPECT_TRUE(WaitFor([editor] { return !::IsWindowVisible(editor); }));
  EXPECT_EQ(ReadFileBytes(path), "; saved\r\n" + original);
  EXPECT_TRUE(WaitFor([&] {
    return program.SectionRows("Boot.ini") ==
           std::vector<std::string>{"; saved", "[boot loader]", "timeout=30"};
  }));

  // Closing the main window: Cancel keeps the program, No ends it without a write.
  editor = OpenInEditorByView(program, "Boot.ini", 0, popup::kView1);
  ASSERT_NE(editor, nullptr);
  ASSERT_TRUE(Type(program, edit, "y"));
  ::PostMessageA(program.main(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(AnswerBox(program.pid(), "Cancel", &shown));
  EXPECT_NE(shown.find(question), std::string::npos) << shown;
  EXPECT_TRUE(program.Sync());
  EXPECT_TRUE(::IsWindowVisible(program.main()));
  ::PostMessageA(program.main(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(AnswerBox(program.pid(), "No"));
  EXPECT_TRUE(WaitFor([&] { return !::IsWindow(program.main()); }));
  EXPECT_EQ(ReadFileBytes(path), "; saved\r\n" + original);
}

}  // namespace
}  // namespace vtest
