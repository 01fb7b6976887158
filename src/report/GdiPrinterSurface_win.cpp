#include "report/GdiPrinterSurface_win.h"

namespace vconfig {
namespace {

// The face of printed reports; their markup carries sizes only.
constexpr const char* kPrintFace = "Arial";

}  // namespace

EPrintError::EPrintError(const std::string& step) : AppError("Printing failed: " + step) {}

GdiPrinterSurface::GdiPrinterSurface(HDC printerDc) : dc_(printerDc) {}

GdiPrinterSurface::~GdiPrinterSurface() {
  if (inJob_) ::AbortDoc(dc_.get());
  if (originalFont_) ::SelectObject(dc_.get(), originalFont_);
}

bool GdiPrinterSurface::BeginJob(const std::string& title) {
  DOCINFOA doc{};
  doc.cbSize = sizeof doc;
  doc.lpszDocName = title.c_str();
  ::SetLastError(0);
  if (::StartDocA(dc_.get(), &doc) <= 0) {
    // The user may cancel an output-file prompt of the printer's port.
    if (::GetLastError() == ERROR_CANCELLED) return false;
    throw EPrintError("the print job could not be started");
  }
  inJob_ = true;
  if (::StartPage(dc_.get()) <= 0) throw EPrintError("the page could not be started");
  ::SetBkMode(dc_.get(), TRANSPARENT);
  return true;
}

void GdiPrinterSurface::NewPage() {
  if (::EndPage(dc_.get()) <= 0 || ::StartPage(dc_.get()) <= 0)
    throw EPrintError("the page could not be started");
  ::SetBkMode(dc_.get(), TRANSPARENT);
}

void GdiPrinterSurface::EndJob() {
  if (::EndPage(dc_.get()) <= 0) throw EPrintError("the page could not be printed");
  inJob_ = false;
  if (::EndDoc(dc_.get()) <= 0) throw EPrintError("the print job could not be finished");
}

int GdiPrinterSurface::PageWidth() { return ::GetDeviceCaps(dc_.get(), HORZRES); }
int GdiPrinterSurface::PageHeight() { return ::GetDeviceCaps(dc_.get(), VERTRES); }
int GdiPrinterSurface::DotsPerInchY() { return ::GetDeviceCaps(dc_.get(), LOGPIXELSY); }

void GdiPrinterSurface::SetFontSize(int points) {
  const int height = -::MulDiv(points, DotsPerInchY(), 72);
  UniqueFont font(::CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_DONTCARE, kPrintFace));
  if (!font) throw EPrintError("the printer font could not be made");
  const HGDIOBJ previous = ::SelectObject(dc_.get(), font.get());
  if (!originalFont_) originalFont_ = previous;
  font_ = std::move(font);  // the font it replaces is no longer selected
}

int GdiPrinterSurface::TextHeight(const std::string& text) {
  SIZE size{};
  ::GetTextExtentPoint32A(dc_.get(), text.c_str(), static_cast<int>(text.size()), &size);
  return size.cy;
}

void GdiPrinterSurface::PrintText(int x, int y, const std::string& text) {
  ::TextOutA(dc_.get(), x, y, text.c_str(), static_cast<int>(text.size()));
}

}  // namespace vconfig
