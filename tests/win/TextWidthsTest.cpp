// The section list measures long lists by summing character widths: the sums must be
// what GDI gives for the same text, in the fonts the program's lists use, for every
// byte value, and with tabs.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "controls/sectionlist/TextWidths_win.h"
#include "platform/Handles_win.h"

namespace vtest {
namespace {

using vconfig::TextWidths;

struct FontCase {
  const char* face;
  int points;
  bool bold;
  bool italic;
};

std::vector<std::string> Texts() {
  std::vector<std::string> texts = {
      "[000638F1] Loading Device = C:\\WINDOWS\\HIMEM.SYS",
      "DEVICE=C:\\WINDOWS\\EMM386.EXE NOEMS X=D000-D7FF",
      "load=C:\\PROGRA~1\\NORTON~1\\NAVTSR.EXE  run=",
      "\xA4\xA4\xA4\xE5 netlog \xBA\xF4\xB8\xF4 \xE1\xFC\xF3",
      "",
      " ",
  };
  std::string all;
  for (int c = 1; c < 256; ++c) {
    if (c == '\t') continue;  // tabs are the tabbed width's business
    texts.push_back(std::string(1, static_cast<char>(c)));
    all += static_cast<char>(c);
  }
  texts.push_back(all);
  return texts;
}

TEST(TextWidths, SumsAreWhatGdiMeasures) {
  const FontCase fonts[] = {{"MS Sans Serif", 8, false, false}, {"MS Sans Serif", 8, true, false},
                            {"Arial", 10, false, false},        {"Arial", 14, true, false},
                            {"Courier New", 10, false, false},  {"Times New Roman", 12, false, true}};
  vconfig::WindowDc screen(nullptr);
  vconfig::UniqueMemDc dc(::CreateCompatibleDC(screen.get()));
  ASSERT_TRUE(dc);
  const std::vector<std::string> texts = Texts();
  const int stops[] = {80, -200};
  for (const FontCase& f : fonts) {
    LOGFONTA lf{};
    lf.lfHeight = -::MulDiv(f.points, ::GetDeviceCaps(dc.get(), LOGPIXELSY), 72);
    lf.lfWeight = f.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = f.italic;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, f.face, LF_FACESIZE);
    vconfig::UniqueFont font(::CreateFontIndirectA(&lf));
    ASSERT_TRUE(font);
    vconfig::SelectObjectScope selected(dc.get(), font.get());
    const TextWidths widths(dc.get());
    // A single-byte code page: the sums are in use, not only GDI behind them.
    CPINFO cp{};
    if (::GetCPInfo(CP_ACP, &cp) && cp.MaxCharSize == 1) {
      EXPECT_TRUE(widths.Summed()) << f.face;
    }
    for (const std::string& t : texts) {
      const int n = static_cast<int>(t.size());
      SIZE size{};
      ::GetTextExtentPoint32A(dc.get(), t.data(), n, &size);
      EXPECT_EQ(widths.Width(t), size.cx) << f.face << " " << f.points << ": " << t;
      const std::string tabbed = "\t" + t + "\t" + t;
      for (int count : {0, 1, 2}) {
        int* s = count ? const_cast<int*>(stops) : nullptr;
        const DWORD gdi = ::GetTabbedTextExtentA(dc.get(), t.data(), n, count, s);
        EXPECT_EQ(widths.TabbedWidth(t, s, count), LOWORD(gdi)) << f.face << ": " << t;
        const DWORD gdiTabbed = ::GetTabbedTextExtentA(
            dc.get(), tabbed.data(), static_cast<int>(tabbed.size()), count, s);
        EXPECT_EQ(widths.TabbedWidth(tabbed, s, count), LOWORD(gdiTabbed)) << f.face << ": " << t;
      }
    }
  }
}

}  // namespace
}  // namespace vtest
