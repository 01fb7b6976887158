// The test program's own machinery, where a fault would make other tests pass or hang:
// the boxes the harness recognises and answers, its proof that nothing is shown, and
// the error sink that keeps a failing handler in this process from blocking the run.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

#include "ChromeHost.h"
#include "diagnostics/Errors.h"
#include "diagnostics/ExceptionReporter_win.h"
#include "harness/Harness.h"
#include "windows/ErrorDialog_win.h"

namespace vtest {
namespace {

// A thread of its own with a window, showing a box as the program's thread does, then
// waiting for messages until it is told to end.
class BoxThread {
 public:
  explicit BoxThread(std::function<void()> show)
      : thread_([this, show = std::move(show)] {
          vconfig::UniqueWindow window(::CreateWindowA("STATIC", "box owner", WS_POPUP, 0, 0, 1,
                                                       1, nullptr, nullptr, nullptr, nullptr));
          threadId_ = ::GetCurrentThreadId();
          window_ = window.get();
          show();
          MSG msg;
          while (::GetMessageA(&msg, nullptr, 0, 0) > 0) ::DispatchMessageA(&msg);
        }) {
    WaitFor([this] { return window_.load() != nullptr; });
  }
  ~BoxThread() {
    // Also ends a box left open by a failed check: modal loops give way to WM_QUIT.
    ::PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    thread_.join();
  }
  HWND window() const { return window_; }

 private:
  std::atomic<DWORD> threadId_{0};
  std::atomic<HWND> window_{nullptr};
  std::thread thread_;
};

TEST(Harness, RecognisesAndAnswersEveryBoxTheProgramShows) {
  vconfig::ErrorDialogContent report{"List index out of bounds (7)", "stack", "registers",
                                     "", "Additional",
                                     vconfig::kExcCallStackPage | vconfig::kExcRegistersPage |
                                         vconfig::kExcShowDialog};
  // The message boxes as the program calls them: caption, text, flags.
  const auto messageBox = [](const char* caption, const char* text, UINT flags) {
    return [=] { ::MessageBoxA(nullptr, text, caption, flags); };
  };
  const struct {
    const char* what;
    std::function<void()> show;
    const char* caption;
    const char* text;
    const char* answer;
  } cases[] = {
      {"error box",
       messageBox("Error", "Cannot open file C:\\x", MB_OK | MB_ICONERROR | MB_TASKMODAL),
       "Error", "Cannot open file C:\\x", "OK"},
      {"notice",
       messageBox("Vorn Info Config", "The report was not saved.",
                  MB_OK | MB_ICONINFORMATION | MB_TASKMODAL),
       "Vorn Info Config", "The report was not saved.", "OK"},
      {"question", messageBox("Remove entry", "Do you really want to remove x?", MB_YESNO),
       "Remove entry", "Do you really want to remove x?", "No"},
      {"error dialog of the exception reporter",
       [&report] { vconfig::ShowErrorDialog(nullptr, report); }, "Application Error",
       "List index out of bounds (7)", "OK"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    BoxThread program(c.show);
    HWND box = WaitForMessageBox(::GetCurrentProcessId());
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(IsModalBox(box));
    EXPECT_EQ(WindowText(box), c.caption);
    EXPECT_EQ(MessageBoxText(box), c.text);
    // A round trip is answered inside the box's own loop, and the look finds it.
    const ::testing::AssertionResult nothing = ShowsNothingModal(program.window());
    EXPECT_FALSE(nothing);
    EXPECT_NE(std::string(nothing.message()).find(c.text), std::string::npos) << nothing.message();
    EXPECT_TRUE(PressBoxButton(box, c.answer));
    EXPECT_TRUE(ShowsNothingModal(program.window()));
  }
}

TEST(Harness, TheSaveDialogIsNoModalBox) {
  std::atomic<bool> shown{false};
  BoxThread program([&] {
    char name[MAX_PATH] = "report.txt";
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.lpstrFile = name;
    ofn.nMaxFile = MAX_PATH;
    ofn.Flags = OFN_EXPLORER;
    shown = true;
    ::GetSaveFileNameA(&ofn);
  });
  HWND dialog = WaitForWindow(::GetCurrentProcessId(), "#32770", nullptr);
  ASSERT_NE(dialog, nullptr);
  EXPECT_FALSE(IsModalBox(dialog)) << DescribeWindow(dialog);
  EXPECT_EQ(WaitForMessageBox(::GetCurrentProcessId(), 0ms), nullptr);
  EXPECT_FALSE(ShowsNothingModal(program.window())) << "a dialog all the same";
  EXPECT_TRUE(PressDialogButton(dialog, IDCANCEL));
}

// A form whose handler fails, as a control under test might.
class FailingForm : public HostForm {
 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_APP) throw vconfig::EListIndexError(7);
    return HostForm::HandleMessage(msg, wp, lp);
  }
};

TEST(TestProgram, AnExceptionThatEscapesAHandlerFailsTheTestInsteadOfShowingABox) {
  FailingForm form;
  ASSERT_TRUE(form.Open(100, 50));
  EXPECT_NONFATAL_FAILURE(::SendMessageA(form.hwnd(), WM_APP, 0, 0),
                          "List index out of bounds (7)");
  EXPECT_EQ(WaitForMessageBox(::GetCurrentProcessId(), 0ms), nullptr);
  // Posted and dispatched by a message loop alike; the window goes on.
  ::PostMessageA(form.hwnd(), WM_APP, 0, 0);
  EXPECT_NONFATAL_FAILURE(PumpMessages(), "List index out of bounds (7)");
  EXPECT_TRUE(::IsWindow(form.hwnd()));
}

}  // namespace
}  // namespace vtest
