// What the content list shows for each configuration source, read afresh from the
// files, the registry and the start-up folders; and which popup commands apply to
// the row under the mouse. The report builds its body from the same readers.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/SystemLocations.h"
#include "config/Catalogue.h"
#include "config/TextLines.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"

namespace vconfig {

using StringList = std::vector<std::string>;

// The markup row of one autostart value: name and separator blue at size 10 (the
// first FONT is left open), the data maroon. Name and data are escaped, so that
// they show as they are stored whatever characters they hold.
std::string RunValueLine(const std::string& name, const std::string& data);

// The one row of the other-file section, from the other-file caption (language text 7).
std::string OtherFileRow(const std::string& otherFileCaption);

// The content list's row of a file line or a file name: the text itself, which the
// list draws as plain text; but a text holding "</" would be drawn as markup, so it
// is escaped inside an element that changes nothing.
std::string PlainTextRow(std::string_view text);

// The RunValueLine rows of a key in the given view, in the registry's enumeration order. The key is
// opened for reading only, so that an account without administrative rights still
// sees the machine-wide values. A missing or unreadable key gives no rows. String
// and expandable-string data come as stored (not expanded), a value without data as
// empty text; any other type throws "Invalid data type for '%s'".
StringList getregconfig(Registry& registry, RegistryRoot root, const std::string& key,
                        RegistryView view);

// The names of the plain files of a folder (no directories, hidden, system or
// volume-label entries), in the file system's order. An empty folder path lists
// nothing (rather than the current drive's root).
StringList ListStartupFolder(FileSystem& files, const std::string& folder);
StringList getrunutostringlst(FileSystem& files, const SystemLocations& locations);
StringList getrunctostringlst(FileSystem& files, const SystemLocations& locations);

// The lines of a text file; none when it does not exist. Throws "Cannot open file %s"
// for a file that exists but cannot be read.
StringList ReadSourceFile(FileSystem& files, const std::string& path);

// Where the content readers take their data from.
struct ContentEnvironment {
  FileSystem& files;
  Registry& registry;
  const SystemLocations& locations;
  std::string otherFileCaption;  // language text 7
};

// Who the rows are for: the content list shows plain rows as they are; a report is
// markup throughout, so every file line and file name in it is escaped.
enum class RowUse { ContentList, Report };

// The rows of one source's section.
StringList SourceRows(const ConfigSource& source, ContentEnvironment& env,
                      RowUse use = RowUse::ContentList);

// The rows of one source's section as a report shows them (SourceRows for a report),
// appended to the report's lines. A file is read straight into their buffer; only its
// lines that hold a character to escape get a text of their own.
void AppendReportRows(const ConfigSource& source, ContentEnvironment& env, TextLines& lines);

// Receives the content list's sections while a group loads.
class ContentSink {
 public:
  virtual ~ContentSink() = default;
  virtual void ClearSections() = 0;
  // Returns the new section's index.
  virtual int AddSection(const std::string& title) = 0;
  virtual void SetRows(int section, StringList rows) = 0;
  virtual void SetSectionImage(int section, int image) = 0;
};

// Fills the sink with a group: its title section without rows, then one section per
// entry with the entry's rows; the images are set once every section is filled. An
// error stops the loading at that source; the sections added so far stay.
void LoadGroupSections(const Catalogue& catalogue, int group, ContentEnvironment& env,
                       ContentSink& sink);

// Which of the two popup menus a right click opens, from the title of content section
// 0. Both when the two group titles are equal (a language module lacking them).
struct PopupChoice {
  bool configMenu = false;
  bool autostartMenu = false;
};
PopupChoice ChoosePopupMenus(const std::string& section0Title, const std::string& configTitle,
                             const std::string& autostartTitle);

// The row under the popup point: section and row (-1 on a title row). A miss counts
// as section 0, row 0.
struct PopupTarget {
  int section = 0;
  int row = 0;
  std::string sectionTitle;
};

struct PopupItems {
  bool add = false;
  bool rem = false;
  bool edit = false;
  bool view = false;
  bool registryEditor = false;  // the autostart menu's "Open in Registry Editor"
};

// Configuration-file menu: nothing on the group's title section or the other-file
// section; Add and View on a file's title row; all four on a line.
PopupItems PopupMenu1Items(const PopupTarget& target, const std::string& otherFileCaption);
// Autostart menu: nothing on the group's title section; Add and View on a title row,
// all four on a value; View alone anywhere in a start-up folder's section. Opening the
// Registry Editor goes with Add: wherever a Run key's section is.
PopupItems PopupMenu2Items(const PopupTarget& target);

}  // namespace vconfig
