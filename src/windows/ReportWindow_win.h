// ReportWindow: the report window, where the user ticks the sources to report and
// chooses Print, Send or Save. Created afresh for each report, destroyed on close.
#pragma once

#include <memory>

#include "controls/Form_win.h"
#include "platform/Handles_win.h"
#include "report/ReportRequest.h"

namespace vconfig {

class PictureStrip;
class TiledBackground;
class ListSectionCollection;
class Panel;
class PopupMenu;
class SectionList;
class FlatButton;

class ReportWindow : public Form {
 public:
  ReportWindow();
  ~ReportWindow() override;

  // Creates the window over its owner; FormCreate sets the captions.
  bool Create(HWND owner);
  // The images of both lists, copied.
  void CopyImages(HIMAGELIST images);
  // The sections of the source tree: titles, entries and entry images; no ticks.
  void CopySections(const ListSectionCollection& sections);
  // Every section a check-box section the user may tick.
  void MakeCheckSections();

  SectionList& ReportList() { return *reportList_; }
  const ReportRequest& Request() const { return request_; }
  void ResetRequest() { request_ = ReportRequest{}; }

  // Handlers.
  void FormCreate();
  void FormClose();
  void PrintBtnClick();
  void SendBtnClick();
  void SaveBtnClick();
  void CloseBtnClick();
  void ReportListMouseUp(bool rightButton, int X, int Y);
  void SelAll1Click();
  void UnselAll1Click();

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void OnClose() override { FormClose(); }

 private:
  void CreateComponents();
  void CreateList();
  void CreateMenuPanel();
  void CollectRequest(ReportAction action);
  void TickSelectedSection(bool ticked);

  ReportRequest request_;
  UniqueFont font_;
  UniqueFont listFont_;
  UniqueHandle<HIMAGELIST, ImageListTraits> ReportSectionItemsImages_;
  UniqueHandle<HIMAGELIST, ImageListTraits> ReportSubitemsImages_;
  UniqueBitmap wallpaper_;
  UniqueBitmap expandGlyph_;
  UniqueBitmap contractGlyph_;
  std::unique_ptr<TiledBackground> background_;
  std::unique_ptr<Panel> Panel1_;
  std::unique_ptr<SectionList> reportList_;
  std::unique_ptr<Panel> MenuPanel_;
  std::unique_ptr<PictureStrip> strip_;
  std::unique_ptr<FlatButton> PrintBtn_;
  std::unique_ptr<FlatButton> SendBtn_;
  std::unique_ptr<FlatButton> SaveBtn_;
  std::unique_ptr<FlatButton> CloseBtn_;
  std::unique_ptr<PopupMenu> PopupMenu1_;
};

// Shows the report window modally with a copy of the given sections and returns what
// the user chose. Returns a request with the action none at once when a report window
// is already open; errors while it is prepared or shown are swallowed.
ReportRequest OpenReportWindow(const ListSectionCollection& sections, HIMAGELIST images);

}  // namespace vconfig
