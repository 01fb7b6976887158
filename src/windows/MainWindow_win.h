// MainWindow: the program's main window. The source tree on the left, the content
// list on the right, the top bar of buttons and the two popup menus of the list.
#pragma once

#include <memory>
#include <string>

#include "app/SystemLocations.h"
#include "config/Catalogue.h"
#include "config/ContentReaders.h"
#include "config/TextLines.h"
#include "controls/Form_win.h"
#include "platform/Handles_win.h"

namespace vconfig {

class Application;
class PictureStrip;
class ExplorerButton;
class GaugeBar;
class TiledBackground;
class OpenFileDialog;
class Panel;
class PopupMenu;
class SectionList;

class MainWindow : public Form {
 public:
  // The application gives the editor and the dialogs that the commands open, and
  // ends when the program's main window goes.
  explicit MainWindow(Application& application);
  ~MainWindow() override;

  // Creates the program's main window; the start-up (suite guard, language,
  // locations, catalogue) runs in it, and its destruction ends the program.
  bool Create();
  // Creates the window and sets it up over the language module already in place,
  // without the guard, as a window that does not end the program (for hosts such as
  // tests).
  bool CreateWithoutGuard();

  // For the popup commands, the report and tests.
  SectionList* SourceTree() const { return sourceTree_.get(); }
  SectionList* ContentList() const { return contentList_.get(); }
  PopupMenu& FileMenu() const { return *fileMenu_; }
  PopupMenu& AutostartMenu() const { return *autostartMenu_; }
  // The point of the last right-button release over the content list, in its client
  // coordinates; every popup command finds its target again by hit-testing it.
  void SetPopupPoint(POINT point) { popupPoint_ = point; }
  // The content list's row at the popup point (a miss gives section 0, row 0).
  PopupTarget TargetAtPopupPoint() const;
  // Replaces the rows of the content section with this caption by its source's
  // current content; the section keeps its state. Nothing when it is not shown.
  void ReloadSection(const std::string& caption);
  // Reloads every shown section of a file, as after the editor saved it.
  void ReloadSectionsOfFile(const std::string& path);

  // Loads group g into the content list.
  void LoadGroupContent(int group);

  // Handlers of the lists and menus.
  void OnGroupExpanded(int group);
  void OnGroupContracted();
  void OnSourceClicked(int group, int source);  // loads the group and opens the source
  void ToggleContentSection(int section);
  void OnContentRowClicked(int section, int row);  // the other-file row opens a file
  void OnContentMouseUp(bool rightButton, int x, int y);
  void PrepareFileMenu();       // shows the items that apply at the popup point
  void PrepareAutostartMenu();

  // The keyboard on the content list (MainWindowKeys_win.cpp).
  void OnContentMenuKey();           // Shift+F10, the menu key: the popup at the selected row
  bool OnContentKey(WPARAM key);     // Enter, F5, Ctrl+C; false for other keys
  void RunSelectedRowCommand();      // Enter: Edit on a line or a Run value
  void RefreshContent();             // F5: the open sections read again
  void CopySelectedRow();            // Ctrl+C
  // What a content row stands for as plain text (copied, and shown in its tooltip).
  std::string RowPlainTextOf(int section, int row) const;

  // Popup commands (their own file).
  void AddLine();
  void EditLine();
  void DeleteLine();
  void ViewFile();
  void AddValue();
  void EditValue();
  void DeleteValue();
  void ExploreFolder();
  void OpenInRegistryEditor();

  // Top bar.
  void MakeReport();
  void ShowAbout();
  void ChooseLanguage();
  void Minimize();
  void RequestClose();

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void OnClose() override;

 private:
  bool CreateMainWindow();
  void RunStartup();
  void SetUp();
  void CreateComponents();
  void CreateTopBar();
  void CreateLists();
  void CreateListPanel();
  void CreateSourceTree();
  void CreateTitleStrip();
  void CreateContentList();
  void CreateMenus();
  void SetCaptions();
  // Opens the popup menu (or menus) of the loaded group at a screen point; its items
  // follow the row at the popup point.
  void ShowPopupMenus(int screenX, int screenY);
  // Points the popup point at the selected row, scrolled into view; false when no
  // row is selected. menuAt receives where a menu for that row opens (screen).
  bool PopupPointAtSelectedRow(POINT* menuAt);
  void FillSourceTree();
  // Readers over the real system and this window's locations.
  ContentEnvironment Environment() const;
  // The source of the popup target's section when it has the given kind.
  const ConfigSource* TargetSource(const PopupTarget& target, SourceKind kind) const;
  // The file a line command acts on; empty for any section that is not a text file.
  std::string TargetFilePath(const PopupTarget& target) const;
  // The rows the target's section shows: for a file, the lines the user saw.
  TextLines ShownLines(const PopupTarget& target) const;
  static void ShowHoverImage(ExplorerButton& button);
  static void ShowLeaveImage(ExplorerButton& button);

  Application& application_;
  bool endsProgram_ = false;  // the program's own main window, not a test's
  // What the start-up found: where the sources lie, and which there are.
  SystemLocations locations_;
  Catalogue catalogue_;
  POINT popupPoint_{0, 0};

  UniqueFont formFont_;
  UniqueFont titleFont_;
  UniqueHandle<HIMAGELIST, ImageListTraits> images_;
  UniqueBitmap treeWallpaper_;
  UniqueBitmap contentWallpaper_;
  UniqueBitmap expandGlyph_;
  UniqueBitmap contractGlyph_;
  std::unique_ptr<TiledBackground> background_;
  std::unique_ptr<Panel> topBar_;
  std::unique_ptr<PictureStrip> strip_;
  std::unique_ptr<ExplorerButton> reportButton_;
  std::unique_ptr<ExplorerButton> aboutButton_;
  std::unique_ptr<ExplorerButton> languageButton_;
  std::unique_ptr<ExplorerButton> minimizeButton_;
  std::unique_ptr<ExplorerButton> closeButton_;
  std::unique_ptr<Panel> listPanel_;
  std::unique_ptr<SectionList> sourceTree_;
  std::unique_ptr<GaugeBar> titleBar_;
  std::unique_ptr<Panel> titleLabel_;
  std::unique_ptr<SectionList> contentList_;
  std::unique_ptr<PopupMenu> fileMenu_;
  std::unique_ptr<PopupMenu> autostartMenu_;
  std::unique_ptr<OpenFileDialog> openDialog_;
  bool reportOpen_ = false;          // one report window at a time
  bool languageDialogOpen_ = false;  // one language dialog at a time
};

}  // namespace vconfig
