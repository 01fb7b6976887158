// EditorMemo: the whole-file editor's text control. A standard multi-line edit control
// (caret keys, selection, clipboard, undo of the last change, scroll bars) holding a
// list of 8-bit lines, in a fixed-pitch font, with the right-margin line painted over
// it. The edit control keeps its text in the system's code page; LinesIntact tells
// whether the lines loaded last came back from it byte for byte.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "config/TextLines.h"
#include "controls/WindowSubclass_win.h"
#include "platform/Handles_win.h"

namespace vconfig {

class EditorMemo {
 public:
  EditorMemo() = default;
  ~EditorMemo();
  EditorMemo(const EditorMemo&) = delete;
  EditorMemo& operator=(const EditorMemo&) = delete;

  bool Create(HWND parent, int x, int y, int width, int height, int id);
  HWND hwnd() const { return hwnd_; }

  // Settings the window makes (defaults as the control has them).
  int RightMargin = 80;                          // column of the margin line
  COLORREF RightMarginColor = RGB(192, 192, 192);  // silver
  int TabStops = 8;                              // columns between tab stops

  void Clear();
  // Replaces the text by the lines; each line is shown as stored.
  void SetLines(const TextLines& lines);
  // The same for text whose every line already ends with CR LF (a file's text as
  // CrLfText gives it), without taking it apart into lines first.
  void SetText(const std::string& text);
  TextLines Lines() const;
  // False when the lines set last did not come back unchanged from the control.
  bool LinesIntact() const { return intact_; }
  std::string Text() const;

  // The margin line's x in client coordinates (for painting and for tests).
  int MarginX() const;

 private:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  void PaintMargin();
  void ApplyTabStops();

  HWND hwnd_ = nullptr;
  UniqueFont font_;
  int charWidth_ = 8;
  int paintedMarginX_ = -1;
  bool intact_ = true;
  WindowSubclass subclass_;  // on the edit control, for the margin line
};

}  // namespace vconfig
