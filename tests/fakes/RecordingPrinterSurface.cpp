#include "fakes/RecordingPrinterSurface.h"

#include <stdexcept>

namespace vconfig {

bool RecordingPrinterSurface::BeginJob(const std::string& title) {
  if (cancel_) return false;
  if (pages_ != 0) throw std::logic_error("print job begun twice");
  title_ = title;
  pages_ = 1;
  return true;
}

void RecordingPrinterSurface::NewPage() {
  if (pages_ == 0 || ended_) throw std::logic_error("new page outside a print job");
  ++pages_;
}

void RecordingPrinterSurface::EndJob() {
  if (pages_ == 0 || ended_) throw std::logic_error("print job ended outside a job");
  ended_ = true;
}

int RecordingPrinterSurface::TextHeight(const std::string& text) {
  return text.empty() ? 0 : HeightFor(points_);
}

void RecordingPrinterSurface::PrintText(int x, int y, const std::string& text) {
  if (pages_ == 0 || ended_) throw std::logic_error("text drawn outside a print job");
  texts_.push_back({pages_, x, y, points_, text});
}

}  // namespace vconfig
