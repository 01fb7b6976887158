// MainWindow: the program's main window. The source tree on the left, the content
// list on the right, the top bar of buttons and the two popup menus of the list.
#pragma once

#include <memory>
#include <string>

#include "config/ContentReaders.h"
#include "controls/Form_win.h"
#include "platform/Handles_win.h"

namespace vconfig {

class PictureStrip;
class ExplorerButton;
class GaugeBar;
class TiledBackground;
class OpenFileDialog;
class Panel;
class PopupMenu;
class SectionList;

// The point of the last right-button release over the content list, in its client
// coordinates; every popup command finds its target again by hit-testing it.
extern POINT PopupPoint;

class MainWindow : public Form {
 public:
  MainWindow();
  ~MainWindow() override;

  // Creates the window; its FormCreate runs the suite guard and the set-up.
  bool Create();
  // Creates the window and sets it up from the language module, system locations
  // and catalogue already in place, without the guard (for hosts such as tests
  // that made those start-up steps themselves).
  bool CreateWithoutGuard();

  // For the popup commands and the report.
  SectionList* SourceTree() const { return sourceTree_.get(); }
  SectionList* ContentList() const { return contentList_.get(); }
  PopupMenu& PopupMenu1() const { return *PopupMenu1_; }
  PopupMenu& PopupMenu2() const { return *PopupMenu2_; }
  // The content list's row at PopupPoint (a miss gives section 0, row 0).
  PopupTarget TargetAtPopupPoint() const;
  // Replaces the rows of the content section with this caption by its source's
  // current content; the section keeps its state. Nothing when it is not shown.
  void ReloadSection(const std::string& caption);
  // Readers over the real system.
  static ContentEnvironment Environment();

  // Loads group g into the content list (the source tree's expand handler).
  void LoadGroupContent(int group);

  // Handlers of the lists and menus.
  void SourceTreeExpandSection(int SectionIdx);
  void SourceTreeContractSection(int SectionIdx);
  void SourceTreeSubItemClick(int SectionIdx, int subitemidx);
  void ContentListSectionClick(int SectionIdx);
  void ContentListSubItemClick(int SectionIdx, int subitemidx);
  void ContentListMouseUp(bool rightButton, int X, int Y);
  void PopupMenu1Popup();
  void PopupMenu2Popup();

  // Popup commands (their own file).
  void Add1Click();
  void Edit1Click();
  void Rem1Click();
  void View1Click();
  void Add2Click();
  void Edit2Click();
  void Rem2Click();
  void View2Click();

  // Top bar.
  void ReportBtnClick();
  void AboutBtnClick();
  void LangBtnClick();
  void MinimizeBtnClick();
  void CloseBtnClick();
  void ReportBtnMouseMove();
  void AboutBtnMouseMove();
  void LangBtnMouseMove();
  void minimizeBtnMouseMove();
  void CloseBtnMouseMove();
  void ReportBtnExit();
  void AboutBtnExit();
  void LangBtnExit();
  void minimizeBtnExit();
  void CloseBtnExit();

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void OnClose() override;

 private:
  bool CreateMainWindow();
  void FormCreate();
  void SetUp();
  void CreateComponents();
  void CreateTopBar();
  void CreateLists();
  void CreateMenus();
  void SetCaptions();
  void FillSourceTree();
  static void ShowHoverImage(ExplorerButton& button);
  static void ShowLeaveImage(ExplorerButton& button);

  UniqueFont formFont_;
  UniqueFont titleFont_;
  UniqueHandle<HIMAGELIST, ImageListTraits> ImageList1_;
  UniqueBitmap treeWallpaper_;
  UniqueBitmap contentWallpaper_;
  UniqueBitmap expandGlyph_;
  UniqueBitmap contractGlyph_;
  std::unique_ptr<TiledBackground> background_;
  std::unique_ptr<Panel> Panel1_;
  std::unique_ptr<PictureStrip> strip_;
  std::unique_ptr<ExplorerButton> ReportBtn_;
  std::unique_ptr<ExplorerButton> AboutBtn_;
  std::unique_ptr<ExplorerButton> LangBtn_;
  std::unique_ptr<ExplorerButton> minimizeBtn_;
  std::unique_ptr<ExplorerButton> CloseBtn_;
  std::unique_ptr<Panel> Panel2_;
  std::unique_ptr<SectionList> sourceTree_;
  std::unique_ptr<GaugeBar> GaugeBar1_;
  std::unique_ptr<Panel> Panel3_;
  std::unique_ptr<SectionList> contentList_;
  std::unique_ptr<PopupMenu> PopupMenu1_;
  std::unique_ptr<PopupMenu> PopupMenu2_;
  std::unique_ptr<OpenFileDialog> OpenDialogEx1_;
};

}  // namespace vconfig
