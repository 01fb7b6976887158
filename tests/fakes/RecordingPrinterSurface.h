// A printer for tests: fixed page and font metrics, and a record of every call.
#pragma once

#include <string>
#include <vector>

#include "report/PrinterSurface.h"

namespace vconfig {

class RecordingPrinterSurface : public PrinterSurface {
 public:
  struct Text {
    int page;  // 1-based
    int x;
    int y;
    int points;
    std::string text;
  };

  // An A4 page at 600 dots per inch by default.
  RecordingPrinterSurface(int width = 4960, int height = 7016, int dpiY = 600)
      : width_(width), height_(height), dpiY_(dpiY) {}

  // Text height: 1.2 times the point size, in device pixels.
  int HeightFor(int points) const { return points * dpiY_ * 12 / 720; }

  void CancelNextJob() { cancel_ = true; }

  bool BeginJob(const std::string& title) override;
  void NewPage() override;
  void EndJob() override;
  int PageWidth() override { return width_; }
  int PageHeight() override { return height_; }
  int DotsPerInchY() override { return dpiY_; }
  void SetFontSize(int points) override { points_ = points; }
  int TextHeight(const std::string& text) override;
  void PrintText(int x, int y, const std::string& text) override;

  const std::vector<Text>& texts() const { return texts_; }
  int pages() const { return pages_; }
  bool jobEnded() const { return ended_; }
  const std::string& jobTitle() const { return title_; }

 private:
  int width_;
  int height_;
  int dpiY_;
  int points_ = 10;
  int pages_ = 0;
  bool cancel_ = false;
  bool ended_ = false;
  std::string title_;
  std::vector<Text> texts_;
};

}  // namespace vconfig
