// The section list's data: sections with their sub-item strings, tab stops and
// address settings, and the flat row list they make. Portable: the window that shows
// the rows implements SectionRowHost.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/sectionlist/SectionListTypes.h"
#include "diagnostics/Errors.h"

namespace vconfig {

class ListSection;
class ListSectionCollection;

// "Access of imageindex of non-existing subitem"
class ESectionListBoxError : public AppError {
 public:
  ESectionListBoxError();
  const char* ClassName() const noexcept override { return "ESectionListBoxError"; }
};

// The data word kept with each sub-item string: image index + 1 in the low 16 bits
// (0: no image), the checked state in bit 16.
namespace subitemdata {
constexpr std::uint32_t kImageMask = 0xFFFFu;
constexpr std::uint32_t kChecked = 0x10000u;
inline int ImageIndex(std::uint32_t word) { return static_cast<int>(word & kImageMask) - 1; }
inline std::uint32_t WithImageIndex(std::uint32_t word, int index) {
  return (word & ~kImageMask) | (static_cast<std::uint32_t>(index + 1) & kImageMask);
}
inline bool Checked(std::uint32_t word) { return (word & kChecked) != 0; }
inline std::uint32_t WithChecked(std::uint32_t word, bool checked) {
  return checked ? (word | kChecked) : (word & ~kChecked);
}
}  // namespace subitemdata

// What the row model needs of the list that shows its rows. Row indices are the
// platform list's; heights are the host's business.
class SectionRowHost {
 public:
  virtual ~SectionRowHost() = default;
  // Inserts the rows of sub-items [first, first + count) of the section at row `at`,
  // each measured in the font it is painted with.
  virtual void InsertSubItemRows(int at, const ListSection& section, int first, int count) = 0;
  virtual void InsertHeaderRow(int at, const ListSection& section) = 0;
  virtual void DeleteRows(int at, int count) = 0;
  virtual void SetRowText(int row, const std::string& text, bool header,
                          const ListSection& section) = 0;
  virtual void BeginUpdate() = 0;
  virtual void EndUpdate() = 0;
  virtual void RepaintRow(int row) = 0;
  virtual void Repaint() = 0;
  // After any change of the sections or of their rows.
  virtual void SectionsChanged() = 0;
};

// One string per sub-item, each with its data word.
class SectionListStrings {
 public:
  struct Item {
    std::string text;
    std::uint32_t data = 0;
  };

  int Count() const { return static_cast<int>(items_.size()); }
  const std::string& Strings(int index) const;
  const std::string& operator[](int index) const { return Strings(index); }
  void SetString(int index, const std::string& text);
  std::uint32_t Data(int index) const;
  void SetData(int index, std::uint32_t data);

  int Add(const std::string& text, std::uint32_t data = 0);  // returns the new index
  void Insert(int index, const std::string& text, std::uint32_t data = 0);
  void Delete(int index);
  void Clear();
  // Adds many strings at once; an expanded section inserts their rows in one batch.
  void AddStrings(const std::vector<std::string>& texts);
  void AddStrings(std::vector<std::string>&& texts);  // takes the strings over
  void Reserve(int count) { items_.reserve(static_cast<size_t>(count)); }

  const std::vector<Item>& Items() const { return items_; }

 private:
  friend class ListSection;
  void CheckIndex(int index) const;  // EListIndexError

  ListSection* owner_ = nullptr;
  std::vector<Item> items_;
};

// Sorts strings with their data words: quicksort on the middle element, comparing
// character codes case-sensitively.
void SortSubItems(std::vector<SectionListStrings::Item>& items, bool descending);

class ListSection {
 public:
  explicit ListSection(ListSectionCollection* collection);
  ~ListSection();
  ListSection(const ListSection&) = delete;
  ListSection& operator=(const ListSection&) = delete;

  // Plain fields; after changing one on a shown list, call Changed() to repaint.
  TSectionAlignment Alignment = taLeftJustify;
  TVAlignment VAlignment = vtaCenter;
  bool AutoEdit = false;
  bool AutoSize = true;
  bool Fixed = false;
  TColor Color = clWindow;  // set from the control's Color on creation
  int ImageIndex = -1;
  TSectionLines Lines = slNone;
  SectionListFont Font;
  TFontUsage FontUsage = fuSubItems;
  bool EndEllipsis = false;
  TSectionControlType ControlType = scText;
  int RadioIndex = 0;
  bool SortShow = false;
  int Tag = 0;
  bool OwnerDraw = false;
  bool ReadOnly = true;
  int ItemHeight = 13;  // set from the control's SubItemHeight on creation

  SectionListStrings SubItems;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  TListSectionState State() const { return state_; }
  // Expands or contracts without raising events.
  void SetState(TListSectionState state);
  bool Expanded() const { return state_ == lssExpanded; }
  TSortDirection SortDirection() const { return sortDirection_; }
  void SetSortDirection(TSortDirection direction);

  int Index() const;
  ListSectionCollection* Collection() const { return collection_; }
  void Changed();

 private:
  friend class SectionListStrings;
  friend class ListSectionCollection;
  // Called by SubItems before it changes.
  void SubItemsInserting(int index, int count);
  void SubItemDeleting(int index);
  void SubItemsClearing();
  void SubItemTextChanged(int index);
  void SubItemsAdded(int first, int count);

  ListSectionCollection* collection_;
  std::string caption_;
  TListSectionState state_ = lssContracted;
  TSortDirection sortDirection_ = sdNone;
};

// Row arithmetic over the sections in display order.
class ListSectionCollection {
 public:
  explicit ListSectionCollection(SectionRowHost* host = nullptr) : host_(host) {}
  ListSectionCollection(const ListSectionCollection&) = delete;
  ListSectionCollection& operator=(const ListSectionCollection&) = delete;

  int Count() const { return static_cast<int>(sections_.size()); }
  ListSection& operator[](int index) const { return Items(index); }
  ListSection& Items(int index) const;  // EListIndexError
  // Appends a new contracted section; its header row is appended at once.
  ListSection& Add();
  void Delete(int index);
  void Clear();

  // Defaults for new sections (the control's Color and SubItemHeight).
  TColor DefaultColor = clWindow;
  int DefaultItemHeight = 13;

  // The row model.
  int RowCount() const;
  int HeaderRow(int section) const;
  // Sub-item rows of a section: its sub-item count when expanded, else 0.
  int VisibleSubItemRows(int section) const;
  // The section of a row; rows past the end belong to the last section (-1 without
  // sections).
  int SectionOfRow(int row) const;
  // The sub-item index of a row, -1 on a header row.
  int SubItemOfRow(int row) const;
  // Both at once.
  void RowPosition(int row, int& section, int& subitem) const;
  // The row of a sub-item, -1 when the section is contracted or the index is out of range.
  int SubItemRow(int section, int subitem) const;

  SectionRowHost* host() const { return host_; }

 private:
  friend class ListSection;
  SectionRowHost* host_;
  std::vector<std::unique_ptr<ListSection>> sections_;
};

struct TabPositionItem {
  int TabPosition = 0;  // pixels from the row's left
  TTabType TabType = tableft;
};

class TabPositionCollection {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  const TabPositionItem& operator[](int index) const { return items_.at(static_cast<size_t>(index)); }
  void Add(int position, TTabType type = tableft);
  void Set(int index, int position, TTabType type);
  void Delete(int index);
  void Clear();
  // The stops for the platform's tabbed text calls: right stops are negative. Empty
  // unless there are 1 to 19 stops (the platform's defaults apply then).
  std::vector<int> PlatformStops() const;

  std::function<void()> OnChange;  // repaints the control

 private:
  void Notify();
  std::vector<TabPositionItem> items_;
};

class UrlSettings {
 public:
  bool URLAware() const { return aware_; }
  void SetURLAware(bool on);
  TColor URLColor() const { return color_; }
  void SetURLColor(TColor color);
  bool URLFull() const { return full_; }
  void SetURLFull(bool on);

  std::function<void()> OnChange;  // repaints the control

 private:
  void Notify();
  bool aware_ = false;
  TColor color_ = clBlue;
  bool full_ = false;
};

// Rows drawn as markup, and rows that a probe may find anchors in.
inline bool IsMarkupRow(const std::string& text) {
  return text.find("</") != std::string::npos && text.compare(0, 2, "{\\") != 0;
}

}  // namespace vconfig
