// Handlers put in front of another part's window procedure: several on one window,
// taken off in any order, and off by themselves when their window goes.
#include <gtest/gtest.h>

#include "controls/WindowSubclass_win.h"
#include "platform/Handles_win.h"

namespace vtest {
namespace {

constexpr UINT kProbe = WM_APP + 7;

// Answers kProbe with what the procedure behind it answers, times ten, plus its own
// mark, so that a probe's answer spells the chain from the back to the front.
struct Marker {
  explicit Marker(int m) : mark(m) {}
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCDESTROY) sawDestroy = true;
    if (msg == kProbe && offAtProbe) subclass.Remove();
    const LRESULT next = subclass.CallNext(msg, wp, lp);
    return msg == kProbe ? next * 10 + mark : next;
  }
  bool Install(HWND hwnd) { return subclass.Install<&Marker::Handle>(hwnd, this); }

  int mark;
  bool sawDestroy = false;
  bool offAtProbe = false;
  vconfig::WindowSubclass subclass;
};

vconfig::UniqueWindow PlainWindow() {
  return vconfig::UniqueWindow(::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr,
                                                 nullptr, nullptr, nullptr));
}

LRESULT Probe(HWND hwnd) { return ::SendMessageA(hwnd, kProbe, 0, 0); }

TEST(WindowSubclass, HandlersStackAndComeOffInAnyOrder) {
  auto window = PlainWindow();
  HWND w = window.get();
  const LONG_PTR original = ::GetWindowLongPtrA(w, GWLP_WNDPROC);
  Marker a(1), b(2), c(3);
  ASSERT_TRUE(a.Install(w));
  ASSERT_TRUE(b.Install(w));
  ASSERT_TRUE(c.Install(w));
  EXPECT_EQ(Probe(w), 123);  // the one put on last answers first
  b.subclass.Remove();
  EXPECT_EQ(Probe(w), 13);
  a.subclass.Remove();
  EXPECT_EQ(Probe(w), 3);
  {
    Marker d(4);
    ASSERT_TRUE(d.Install(w));
    EXPECT_EQ(Probe(w), 34);
  }  // off with its owner
  EXPECT_EQ(Probe(w), 3);
  c.subclass.Remove();
  EXPECT_EQ(Probe(w), 0);
  EXPECT_EQ(::GetWindowLongPtrA(w, GWLP_WNDPROC), original);

  // Installing again moves a handler to the new window.
  auto other = PlainWindow();
  ASSERT_TRUE(a.Install(w));
  ASSERT_TRUE(a.Install(other.get()));
  EXPECT_EQ(Probe(w), 0);
  EXPECT_EQ(Probe(other.get()), 1);
  EXPECT_EQ(a.subclass.hwnd(), other.get());
}

TEST(WindowSubclass, OffWhenTheWindowGoesOrWhenTheHandlerSaysSo) {
  auto window = PlainWindow();
  HWND w = window.get();
  Marker a(1), b(2);
  ASSERT_TRUE(a.Install(w));
  ASSERT_TRUE(b.Install(w));
  // A handler that takes itself off still passes the message on.
  b.offAtProbe = true;
  EXPECT_EQ(Probe(w), 12);
  EXPECT_FALSE(b.subclass.Installed());
  EXPECT_EQ(Probe(w), 1);

  ::DestroyWindow(window.release());
  EXPECT_TRUE(a.sawDestroy);
  EXPECT_FALSE(a.subclass.Installed());
  EXPECT_EQ(a.subclass.hwnd(), nullptr);
}

}  // namespace
}  // namespace vtest
