#include "controls/sectionlist/SectionList.h"

#include <utility>

namespace vconfig {

ESectionListBoxError::ESectionListBoxError()
    : AppError("Access of imageindex of non-existing subitem") {}

// ---- SectionListStrings ----

void SectionListStrings::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) throw EListIndexError(index);
}

const std::string& SectionListStrings::Strings(int index) const {
  CheckIndex(index);
  return items_[static_cast<size_t>(index)].text;
}

void SectionListStrings::SetString(int index, const std::string& text) {
  CheckIndex(index);
  auto& item = items_[static_cast<size_t>(index)];
  if (item.text == text) return;
  item.text = text;
  if (owner_) owner_->SubItemTextChanged(index);
}

std::uint32_t SectionListStrings::Data(int index) const {
  CheckIndex(index);
  return items_[static_cast<size_t>(index)].data;
}

void SectionListStrings::SetData(int index, std::uint32_t data) {
  CheckIndex(index);
  items_[static_cast<size_t>(index)].data = data;
}

int SectionListStrings::Add(const std::string& text, std::uint32_t data) {
  const int index = Count();
  items_.push_back({text, data});
  if (owner_) owner_->SubItemsAdded(index, 1);
  return index;
}

void SectionListStrings::Insert(int index, const std::string& text, std::uint32_t data) {
  if (index < 0 || index > Count()) throw EListIndexError(index);
  items_.insert(items_.begin() + index, Item{text, data});
  if (owner_) owner_->SubItemsAdded(index, 1);
}

void SectionListStrings::AddStrings(const std::vector<std::string>& texts) {
  AddStrings(std::vector<std::string>(texts));
}

void SectionListStrings::AddStrings(std::vector<std::string>&& texts) {
  if (texts.empty()) return;
  const int first = Count();
  items_.reserve(items_.size() + texts.size());
  for (auto& t : texts) items_.push_back({std::move(t), 0});
  if (owner_) owner_->SubItemsAdded(first, static_cast<int>(texts.size()));
}

void SectionListStrings::Delete(int index) {
  CheckIndex(index);
  if (owner_) owner_->SubItemDeleting(index);
  items_.erase(items_.begin() + index);
}

void SectionListStrings::Clear() {
  if (items_.empty()) return;
  if (owner_) owner_->SubItemsClearing();
  items_.clear();
}

namespace {

bool Less(const std::string& a, const std::string& b, bool descending) {
  // char_traits<char> compares as unsigned char: plain character codes.
  return descending ? b.compare(a) < 0 : a.compare(b) < 0;
}

void QuickSort(std::vector<SectionListStrings::Item>& items, int lo, int hi, bool descending) {
  // Recurse into the smaller part and loop over the larger, so the depth stays
  // logarithmic whatever the input.
  while (lo < hi) {
    const std::string pivot = items[static_cast<size_t>(lo + (hi - lo) / 2)].text;
    int i = lo, j = hi;
    while (i <= j) {
      while (Less(items[static_cast<size_t>(i)].text, pivot, descending)) ++i;
      while (Less(pivot, items[static_cast<size_t>(j)].text, descending)) --j;
      if (i <= j) {
        std::swap(items[static_cast<size_t>(i)], items[static_cast<size_t>(j)]);
        ++i;
        --j;
      }
    }
    if (j - lo < hi - i) {
      QuickSort(items, lo, j, descending);
      lo = i;
    } else {
      QuickSort(items, i, hi, descending);
      hi = j;
    }
  }
}

}  // namespace

void SortSubItems(std::vector<SectionListStrings::Item>& items, bool descending) {
  QuickSort(items, 0, static_cast<int>(items.size()) - 1, descending);
}

// ---- ListSection ----

ListSection::ListSection(ListSectionCollection* collection) : collection_(collection) {
  SubItems.owner_ = this;
  if (collection_) {
    Color = collection_->DefaultColor;
    ItemHeight = collection_->DefaultItemHeight;
  }
}

ListSection::~ListSection() { SubItems.owner_ = nullptr; }

int ListSection::Index() const {
  if (!collection_) return -1;
  for (int i = 0; i < collection_->Count(); ++i)
    if (collection_->sections_[static_cast<size_t>(i)].get() == this) return i;
  return -1;
}

namespace {
SectionRowHost* HostOf(const ListSection& s) {
  return s.Collection() ? s.Collection()->host() : nullptr;
}
}  // namespace

void ListSection::Changed() {
  if (auto* host = HostOf(*this)) host->Repaint();
}

void ListSection::SetCaption(const std::string& caption) {
  if (caption_ == caption) return;
  caption_ = caption;
  if (auto* host = HostOf(*this)) {
    host->SetRowText(collection_->HeaderRow(Index()), caption_, true, *this);
    host->SectionsChanged();
  }
}

void ListSection::SetState(TListSectionState state) {
  if (state_ == state) return;
  auto* host = HostOf(*this);
  if (!host) {
    state_ = state;
    return;
  }
  const int header = collection_->HeaderRow(Index());
  host->BeginUpdate();
  if (state == lssExpanded) {
    state_ = state;
    if (SubItems.Count() > 0) host->InsertSubItemRows(header + 1, *this, 0, SubItems.Count());
  } else {
    if (SubItems.Count() > 0) host->DeleteRows(header + 1, SubItems.Count());
    state_ = state;
  }
  host->EndUpdate();
  host->SectionsChanged();
}

void ListSection::SetSortDirection(TSortDirection direction) {
  sortDirection_ = direction;
  if (direction == sdNone) return;
  auto* host = HostOf(*this);
  const bool reshow = host && Expanded();
  if (host) host->BeginUpdate();
  if (reshow) SetState(lssContracted);
  SortSubItems(SubItems.items_, direction == sdDescending);
  if (reshow) SetState(lssExpanded);
  if (host) {
    host->EndUpdate();
    host->Repaint();
  }
}

void ListSection::SubItemsAdded(int first, int count) {
  auto* host = HostOf(*this);
  if (!host || !Expanded()) return;
  host->InsertSubItemRows(collection_->HeaderRow(Index()) + 1 + first, *this, first, count);
  host->SectionsChanged();
}

void ListSection::SubItemDeleting(int index) {
  auto* host = HostOf(*this);
  if (!host || !Expanded()) return;
  host->DeleteRows(collection_->HeaderRow(Index()) + 1 + index, 1);
  host->SectionsChanged();
}

void ListSection::SubItemsClearing() {
  auto* host = HostOf(*this);
  if (!host || !Expanded()) return;
  host->BeginUpdate();
  host->DeleteRows(collection_->HeaderRow(Index()) + 1, SubItems.Count());
  host->EndUpdate();
  host->SectionsChanged();
}

void ListSection::SubItemTextChanged(int index) {
  auto* host = HostOf(*this);
  if (!host || !Expanded()) return;
  host->SetRowText(collection_->HeaderRow(Index()) + 1 + index, SubItems.Strings(index), false,
                   *this);
}

// ---- ListSectionCollection ----

ListSection& ListSectionCollection::Items(int index) const {
  if (index < 0 || index >= Count()) throw EListIndexError(index);
  return *sections_[static_cast<size_t>(index)];
}

ListSection& ListSectionCollection::Add() {
  const int at = RowCount();
  sections_.push_back(std::make_unique<ListSection>(this));
  ListSection& s = *sections_.back();
  if (host_) {
    host_->InsertHeaderRow(at, s);
    host_->SectionsChanged();
  }
  return s;
}

void ListSectionCollection::Delete(int index) {
  Items(index);  // range check
  if (host_) host_->DeleteRows(HeaderRow(index), 1 + VisibleSubItemRows(index));
  sections_.erase(sections_.begin() + index);
  if (host_) host_->SectionsChanged();
}

void ListSectionCollection::Clear() {
  if (sections_.empty()) return;
  if (host_) {
    host_->BeginUpdate();
    host_->DeleteRows(0, RowCount());
  }
  sections_.clear();
  if (host_) {
    host_->EndUpdate();
    host_->SectionsChanged();
  }
}

int ListSectionCollection::VisibleSubItemRows(int section) const {
  const auto& s = *sections_[static_cast<size_t>(section)];
  return s.Expanded() ? s.SubItems.Count() : 0;
}

int ListSectionCollection::RowCount() const { return HeaderRow(Count()); }

int ListSectionCollection::HeaderRow(int section) const {
  int row = 0;
  for (int j = 0; j < section && j < Count(); ++j) row += 1 + VisibleSubItemRows(j);
  return row;
}

void ListSectionCollection::RowPosition(int row, int& section, int& subitem) const {
  section = -1;
  subitem = -1;
  if (row < 0 || sections_.empty()) return;
  int header = 0;
  for (int j = 0; j < Count(); ++j) {
    const int next = header + 1 + VisibleSubItemRows(j);
    if (row < next || j == Count() - 1) {
      section = j;
      subitem = row - header - 1;
      return;
    }
    header = next;
  }
}

int ListSectionCollection::SectionOfRow(int row) const {
  int section, subitem;
  RowPosition(row, section, subitem);
  return section;
}

int ListSectionCollection::SubItemOfRow(int row) const {
  int section, subitem;
  RowPosition(row, section, subitem);
  return subitem;
}

int ListSectionCollection::SubItemRow(int section, int subitem) const {
  if (section < 0 || section >= Count()) return -1;
  if (subitem < 0 || subitem >= VisibleSubItemRows(section)) return -1;
  return HeaderRow(section) + 1 + subitem;
}

// ---- TabPositionCollection ----

void TabPositionCollection::Notify() {
  if (OnChange) OnChange();
}

void TabPositionCollection::Add(int position, TTabType type) {
  items_.push_back({position, type});
  Notify();
}

void TabPositionCollection::Set(int index, int position, TTabType type) {
  items_.at(static_cast<size_t>(index)) = {position, type};
  Notify();
}

void TabPositionCollection::Delete(int index) {
  if (index < 0 || index >= Count()) throw EListIndexError(index);
  items_.erase(items_.begin() + index);
  Notify();
}

void TabPositionCollection::Clear() {
  items_.clear();
  Notify();
}

std::vector<int> TabPositionCollection::PlatformStops() const {
  std::vector<int> stops;
  if (items_.empty() || items_.size() > 19) return stops;
  for (const auto& t : items_)
    stops.push_back(t.TabType == tabright ? -t.TabPosition : t.TabPosition);
  return stops;
}

// ---- UrlSettings ----

void UrlSettings::Notify() {
  if (OnChange) OnChange();
}
void UrlSettings::SetURLAware(bool on) {
  aware_ = on;
  Notify();
}
void UrlSettings::SetURLColor(TColor color) {
  color_ = color;
  Notify();
}
void UrlSettings::SetURLFull(bool on) {
  full_ = on;
  Notify();
}

}  // namespace vconfig
