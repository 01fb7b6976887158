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

  // Creates the window over its owner; SetCaptions sets the captions.
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

  // Handlers. The three actions end the window with their request; Cancel leaves
  // the request as it is.
  void Print();
  void Send();
  void Save();
  void Cancel();
  void OnListMouseUp(bool rightButton, int x, int y);
  // Tick or untick every entry of the selected section.
  void TickAll();
  void UntickAll();

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void OnClose() override { Cancel(); }

 private:
  void SetCaptions();
  void CreateComponents();
  void CreateList();
  void CreateMenuPanel();
  void CollectRequest(ReportAction action);
  void TickSelectedSection(bool ticked);

  ReportRequest request_;
  UniqueFont font_;
  UniqueFont listFont_;
  UniqueHandle<HIMAGELIST, ImageListTraits> sectionImages_;
  UniqueHandle<HIMAGELIST, ImageListTraits> entryImages_;
  UniqueBitmap wallpaper_;
  UniqueBitmap expandGlyph_;
  UniqueBitmap contractGlyph_;
  std::unique_ptr<TiledBackground> background_;
  std::unique_ptr<Panel> listPanel_;
  std::unique_ptr<SectionList> reportList_;
  std::unique_ptr<Panel> menuPanel_;
  std::unique_ptr<PictureStrip> strip_;
  std::unique_ptr<FlatButton> printButton_;
  std::unique_ptr<FlatButton> sendButton_;
  std::unique_ptr<FlatButton> saveButton_;
  std::unique_ptr<FlatButton> closeButton_;
  std::unique_ptr<PopupMenu> tickMenu_;
};

// Shows the report window modally over its owner with a copy of the given sections
// and returns what the user chose. Errors while it is prepared or shown are swallowed.
ReportRequest OpenReportWindow(HWND owner, const ListSectionCollection& sections,
                               HIMAGELIST images);

}  // namespace vconfig
