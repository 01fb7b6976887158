#include "windows/EditDialog_win.h"

#include <utility>
#include <vector>

#include "app/ArtworkIds.h"
#include "controls/buttons/PushButton_win.h"
#include "controls/chrome/TiledBackground_win.h"
#include "controls/chrome/Panel_win.h"

namespace vconfig {

FormArgs EditDialogArgs(const char* className, HWND owner, int clientWidth, int clientHeight) {
  FormArgs args;
  args.className = className;
  args.owner = owner;
  args.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  args.exStyle = WS_EX_TOOLWINDOW;
  args.clientWidth = clientWidth;
  args.clientHeight = clientHeight;
  args.centred = true;
  return args;
}

UniqueFont CreateEditDialogFont() {
  return UniqueFont(::CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH | FF_SWISS, "MS Sans Serif"));
}

std::unique_ptr<TiledBackground> CreateTiledBackground(Form& form) {
  auto background = std::make_unique<TiledBackground>(form);
  background->LoadBitmapResource(IDB_FORM_TILE);
  background->SetTileMode(TTileMode::tmTile);
  return background;
}

std::unique_ptr<Panel> CreateDialogPanel(HWND parent, int x, int y, int w, int h, HFONT font) {
  auto panel = std::make_unique<Panel>();
  PanelArgs args;
  args.x = x;
  args.y = y;
  args.width = w;
  args.height = h;
  args.font = font;
  panel->Create(parent, args);
  return panel;
}

std::unique_ptr<PushButton> CreateDialogButton(HWND parent, int x, int y, int w, HFONT font,
                                            int glyphId, std::function<void()> onClick) {
  auto button = std::make_unique<PushButton>();
  button->Create(parent, x, y, w, 19);
  button->SetFont(font);
  button->LoadGlyph(glyphId);
  button->OnClick = [onClick = std::move(onClick)](PushButton&) { onClick(); };
  return button;
}

HWND CreateEditField(HWND parent, int id, int x, int y, int w, int h, HFONT font) {
  HWND edit = CreateChild(parent, "EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, x, y, w, h, id,
                          WS_EX_CLIENTEDGE);
  ::SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  ::SendMessageA(edit, EM_LIMITTEXT, 0, 0);  // as long as the system allows
  return edit;
}

std::string FieldText(HWND field) {
  const int length = ::GetWindowTextLengthA(field);
  std::vector<char> text(length + 1);
  ::GetWindowTextA(field, text.data(), length + 1);
  return std::string(text.data());
}

HWND CreateLabel(HWND parent, int x, int y, HFONT font) {
  HWND label = CreateChild(parent, "STATIC", "", SS_LEFT | SS_NOPREFIX, x, y, 1, 13, -1);
  ::SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return label;
}

void SetLabelText(HWND label, const std::string& text) {
  ::SetWindowTextA(label, text.c_str());
  WindowDc dc(label);
  HFONT font = reinterpret_cast<HFONT>(::SendMessageA(label, WM_GETFONT, 0, 0));
  SelectObjectScope select(dc.get(), font);
  SIZE extent{};
  ::GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
  ::SetWindowPos(label, nullptr, 0, 0, extent.cx, extent.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TabNavigation::TabNavigation(HWND control) {
  subclass_.Install<&TabNavigation::HandleMessage>(control, this);
}

LRESULT TabNavigation::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  HWND control = subclass_.hwnd();
  if (msg == WM_KEYDOWN && wp == VK_TAB && control) {
    const bool back = (::GetKeyState(VK_SHIFT) & 0x8000) != 0;
    if (HWND next = ::GetNextDlgTabItem(::GetParent(control), control, back ? TRUE : FALSE))
      ::SetFocus(next);
    return 0;
  }
  if (msg == WM_CHAR && wp == '\t') return 0;  // no beep, no tab character
  if (msg == WM_GETDLGCODE) return subclass_.CallNext(msg, wp, lp) & ~DLGC_WANTTAB;
  return subclass_.CallNext(msg, wp, lp);
}

}  // namespace vconfig
