// PictureStrip: a picture control that shows its picture once or tiled over its whole
// area (the tool strips' background).
#pragma once

#include <windows.h>

#include <functional>

#include "controls/Form_win.h"
#include "platform/Handles_win.h"

namespace vconfig {

class PictureStrip : public Form {
 public:
  using MouseEvent = std::function<void(PictureStrip& sender, int button, int x, int y)>;
  using NotifyEvent = std::function<void(PictureStrip& sender)>;

  // Creates the control at the bottom of its siblings, so controls on the strip
  // stay above it. Default size 105 x 105.
  bool Create(HWND parent, int x, int y, int width = 105, int height = 105);
  void SetBounds(int x, int y, int width, int height);

  HBITMAP Picture() const { return picture_.get(); }
  void SetPicture(HBITMAP picture);  // copies; repaints unless it is painting
  void LoadPicture(int resourceId);
  bool TileImage() const { return tileImage_; }
  void SetTileImage(bool value);
  // The picture's own transparency: pixels of its top-left colour are left out.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);

  // Draws the picture as the control shows it, with the control's (0, 0) at
  // (originX, originY) of dc, over width x height. Controls lying on the strip
  // use this to show it through (a transparent button).
  void DrawPictureAt(HDC dc, int originX, int originY, int width, int height) const;

  NotifyEvent OnClick;
  NotifyEvent OnDblClick;
  MouseEvent OnMouseDown;
  MouseEvent OnMouseUp;
  MouseEvent OnMouseMove;

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void Paint(HDC dc);

  UniqueBitmap picture_;
  bool tileImage_ = false;
  bool transparent_ = false;
  bool painting_ = false;
  bool mouseDown_ = false;
};

}  // namespace vconfig
