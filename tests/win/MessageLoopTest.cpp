// The application's and the modal message loops: how WM_QUIT, a termination request
// and a queue that cannot be read end them. Each case runs on a thread of its own,
// so that no quit request outlives it in the test program's queue.
#include <gtest/gtest.h>

#include <functional>
#include <future>
#include <thread>

#include "app/Application_win.h"
#include "platform/Handles_win.h"

namespace vtest {
namespace {

using vconfig::Application;
using vconfig::RunModalLoop;
using vconfig::UniqueWindow;

constexpr UINT kRecorded = WM_APP + 1;   // counted by the recording window
constexpr UINT kTerminate = WM_APP + 2;  // makes the recording window end the application

thread_local int t_recorded = 0;
thread_local Application* t_application = nullptr;

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kRecorded) {
    ++t_recorded;
    return 0;
  }
  if (msg == kTerminate) {
    t_application->Terminate();
    return 0;
  }
  return ::DefWindowProcA(hwnd, msg, wp, lp);
}

// A message-only window of this thread that counts what is dispatched to it.
UniqueWindow CreateRecordingWindow() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = &RecordingProc;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.lpszClassName = "VConfigLoopTestWindow";
  ::RegisterClassA(&wc);  // fails harmlessly when an earlier case registered it
  return UniqueWindow(::CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                        nullptr, wc.hInstance, nullptr));
}

// A source that fails as GetMessage does for an invalid handle, but leaves a message
// in msg that the recording window would count if a loop dispatched it. A loop that
// keeps asking gets WM_QUIT in the end, so that the case fails rather than hangs.
thread_local HWND t_failingTarget = nullptr;
thread_local int t_fetches = 0;
BOOL FailingSource(MSG& msg) {
  msg = MSG{};
  if (++t_fetches > 1000) return 0;
  msg.hwnd = t_failingTarget;
  msg.message = kRecorded;
  return -1;
}

bool QuitPending(WPARAM* code = nullptr) {
  MSG msg{};
  if (!::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return false;
  if (code) *code = msg.wParam;
  return true;
}

// Runs body on a new thread; a loop that does not end fails the case instead of
// hanging the run (the thread is then woken with WM_QUIT until it ends).
void OnOwnThread(const std::function<void()>& body) {
  std::promise<DWORD> started;
  std::promise<void> finished;
  std::future<void> done = finished.get_future();
  std::thread worker([&] {
    MSG msg;
    ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);  // this thread's queue exists now
    started.set_value(::GetCurrentThreadId());
    body();
    finished.set_value();
  });
  const DWORD id = started.get_future().get();
  if (done.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
    ADD_FAILURE() << "the loop did not end";
    while (done.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready)
      ::PostThreadMessageA(id, WM_QUIT, 0, 0);
  }
  worker.join();
}

TEST(MessageLoop, WmQuitEndsAModalLoopAfterTheMessagesBeforeItAndIsPutBack) {
  OnOwnThread([] {
    UniqueWindow window = CreateRecordingWindow();
    ASSERT_TRUE(window);
    t_recorded = 0;
    ::PostMessageA(window.get(), kRecorded, 0, 0);
    ::PostQuitMessage(7);
    RunModalLoop([] { return false; });
    EXPECT_EQ(t_recorded, 1);
    WPARAM code = 0;
    EXPECT_TRUE(QuitPending(&code)) << "the outer loop must see the request too";
    EXPECT_EQ(code, 7u);
  });
}

TEST(MessageLoop, WmQuitEndsTheApplicationLoopAndTerminatesIt) {
  OnOwnThread([] {
    Application application;
    ::PostQuitMessage(0);
    application.RunMessageLoop();
    EXPECT_TRUE(application.Terminated());
  });
}

TEST(MessageLoop, TerminatingInsideAModalLoopEndsItAndTheApplicationLoop) {
  OnOwnThread([] {
    Application application;
    t_application = &application;
    UniqueWindow window = CreateRecordingWindow();
    ASSERT_TRUE(window);
    ::PostMessageA(window.get(), kTerminate, 0, 0);
    RunModalLoop([] { return false; });
    EXPECT_TRUE(application.Terminated());
    application.Terminate();  // a second request changes nothing
    application.RunMessageLoop();
    t_application = nullptr;
    EXPECT_TRUE(QuitPending()) << "one quit request, left for whoever reads on";
    EXPECT_FALSE(QuitPending());
  });
}

TEST(MessageLoop, AQueueThatCannotBeReadEndsEachLoopWithoutDispatching) {
  OnOwnThread([] {
    UniqueWindow window = CreateRecordingWindow();
    ASSERT_TRUE(window);
    t_failingTarget = window.get();
    t_recorded = 0;

    t_fetches = 0;
    RunModalLoop([] { return false; }, &FailingSource);
    EXPECT_EQ(t_fetches, 1) << "asked again after a failure";
    EXPECT_FALSE(QuitPending()) << "a failure carries no exit code to pass on";

    Application application;
    t_fetches = 0;
    application.RunMessageLoop(&FailingSource);
    EXPECT_EQ(t_fetches, 1);
    EXPECT_TRUE(application.Terminated());
    EXPECT_EQ(t_recorded, 0) << "what a failed fetch left in msg is no message";
  });
}

}  // namespace
}  // namespace vtest
