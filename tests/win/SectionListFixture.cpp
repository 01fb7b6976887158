#include "SectionListFixture.h"

#include "windows/ProgramLists_win.h"

using namespace vconfig;

namespace vtest {

UniqueBitmap MakeBitmap(int w, int h, COLORREF ground, COLORREF mark, bool pointDown) {
  WindowDc screen(nullptr);
  UniqueBitmap bmp(::CreateCompatibleBitmap(screen.get(), w, h));
  UniqueMemDc dc(::CreateCompatibleDC(screen.get()));
  SelectObjectScope sel(dc.get(), bmp.get());
  UniqueBrush g(::CreateSolidBrush(ground));
  RECT rc{0, 0, w, h};
  ::FillRect(dc.get(), &rc, g.get());
  if (mark != ground) {
    UniqueBrush m(::CreateSolidBrush(mark));
    UniquePen p(::CreatePen(PS_SOLID, 1, mark));
    SelectObjectScope sb(dc.get(), m.get());
    SelectObjectScope sp(dc.get(), p.get());
    POINT pts[3];
    if (pointDown) {
      pts[0] = {1, 2}, pts[1] = {w - 2, 2}, pts[2] = {w / 2, h - 2};
    } else {
      pts[0] = {2, 1}, pts[1] = {2, h - 2}, pts[2] = {w - 2, h / 2};
    }
    ::Polygon(dc.get(), pts, 3);
  }
  return bmp;
}

bool ListHostForm::Open(int width, int height, bool visible) {
  FormArgs args;
  args.className = "SectionListTestHost";
  args.caption = "Section list";
  args.style = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN | (visible ? WS_VISIBLE : 0);
  args.x = 10;
  args.y = 10;
  args.width = width;
  args.height = height;
  return CreateForm(args);
}

SectionListHost::SectionListHost(ListConfig config, int width, int height, bool visible) {
  window_.Open(width + 20, height + 40, visible);
  list_ = std::make_unique<SectionList>();
  auto& lb = *list_;
  expandGlyph_ = MakeBitmap(10, 10, RGB(255, 255, 255), RGB(255, 0, 0), true);
  contractGlyph_ = MakeBitmap(10, 10, RGB(255, 255, 255), RGB(0, 0, 255), false);
  wallpaper_ = MakeBitmap(16, 20, RGB(0xF0, 0xF8, 0xE0), RGB(0xF0, 0xF8, 0xE0), false);
  SectionListArgs args;
  args.x = 0;
  args.y = 0;
  args.width = width;
  args.height = height;
  lb.Create(window_.hwnd(), args);
  // The program's own settings of the list it stands in for; the wallpaper comes last.
  ListArtwork art;
  art.expandGlyph = expandGlyph_.get();
  art.contractGlyph = contractGlyph_.get();
  switch (config) {
    case ListConfig::Sources: ApplySourceTreeSettings(lb, art); break;
    case ListConfig::Content: ApplyContentListSettings(lb, art); break;
    case ListConfig::Report: ApplyReportListSettings(lb, art); break;
  }
  lb.BeginUpdate();
  switch (config) {
    case ListConfig::Sources: {
      const char* names[2][3] = {{"Autoexec.bat", "Config.sys", "Win.ini"},
                                 {"HKL\\Run", "HCU\\Run", "RunOnce"}};
      for (int j = 0; j < 2; ++j) {
        auto& s = lb.Sections().Add();
        s.SetCaption(j == 0 ? "Configuration files" : "Autostart");
        s.FontUsage = fuBoth;
        s.ItemHeight = 20;
        s.ImageIndex = j;
        for (const char* n : names[j]) s.SubItems.Add(n);
      }
      break;
    }
    case ListConfig::Content: {
      auto& a = lb.Sections().Add();
      a.SetCaption("Win.ini");
      a.SubItems.Add("[windows]");
      a.SubItems.Add("load=");
      a.SubItems.Add("<FONT color=\"clblue\" size=\"10\">Path : <FONT color=\"clmaroon\">C:\\x.exe</FONT>");
      a.SetState(lssExpanded);
      auto& b = lb.Sections().Add();
      b.SetCaption("System.ini");
      b.SubItems.Add("[boot]");
      break;
    }
    case ListConfig::Report: {
      auto& a = lb.Sections().Add();
      a.SetCaption("Files");
      a.ControlType = scCheckbox;
      a.ReadOnly = false;
      a.FontUsage = fuBoth;
      a.ItemHeight = 20;
      for (const char* n : {"Autoexec.bat", "Config.sys", "Win.ini"}) a.SubItems.Add(n);
      auto& b = lb.Sections().Add();
      b.SetCaption("Autostart");
      b.FontUsage = fuBoth;
      b.ItemHeight = 20;
      b.SubItems.Add("HKL\\Run");
      break;
    }
  }
  lb.EndUpdate();
  // Wallpaper last: the paint tests switch it off and on.
  lb.SetWallpaper(wallpaper_.get());
}

SectionListHost::~SectionListHost() { list_.reset(); }

void SectionListHost::RecordEvents() {
  auto& lb = *list_;
  auto rec1 = [this](const char* name) {
    return [this, name](SectionList::Sender, int s) {
      events_.push_back(std::string(name) + "(" + std::to_string(s) + ")");
    };
  };
  auto rec2 = [this](const char* name) {
    return [this, name](SectionList::Sender, int s, int i) {
      events_.push_back(std::string(name) + "(" + std::to_string(s) + "," + std::to_string(i) + ")");
    };
  };
  lb.OnExpandSection = rec1("Expand");
  lb.OnContractSection = rec1("Contract");
  lb.OnSectionClick = rec1("SectionClick");
  lb.OnSectionRClick = rec1("SectionRClick");
  lb.OnSectionDblClk = rec1("SectionDblClk");
  lb.OnSubItemClick = rec2("SubItemClick");
  lb.OnSubItemRClick = rec2("SubItemRClick");
  lb.OnSubItemDblClk = rec2("SubItemDblClk");
  lb.OnCheckBoxClick = rec2("CheckBoxClick");
  lb.OnRadioClick = rec2("RadioClick");
  lb.OnChange = rec2("Change");
}

void SectionListHost::Click(int x, int y, bool right) {
  HWND h = list_->hwnd();
  const LPARAM lp = MAKELPARAM(x, y);
  ::SendMessageA(h, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? MK_RBUTTON : MK_LBUTTON, lp);
  ::SendMessageA(h, right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, lp);
}

void SectionListHost::ClickRow(int row, int x) {
  const RECT rc = list_->RowRect(row);
  Click(x, (rc.top + rc.bottom) / 2);
}

void SectionListHost::Key(WPARAM vk) { ::SendMessageA(list_->hwnd(), WM_KEYDOWN, vk, 1); }

void SectionListHost::Char(char ch) {
  ::SendMessageA(list_->hwnd(), WM_CHAR, static_cast<unsigned char>(ch), 1);
}

COLORREF SectionListHost::RowPixel(int row, int x, int y, UINT state) {
  const RECT rc = list_->RowRect(row);
  WindowDc screen(list_->hwnd());
  UniqueMemDc dc(::CreateCompatibleDC(screen.get()));
  UniqueBitmap bmp(::CreateCompatibleBitmap(screen.get(), rc.right, rc.bottom));
  SelectObjectScope sel(dc.get(), bmp.get());
  list_->PaintRow(dc.get(), row, rc, state);
  return ::GetPixel(dc.get(), rc.left + x, rc.top + y);
}

}  // namespace vtest
