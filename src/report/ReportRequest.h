// What the report window hands back: the chosen action and the ticked entries.
#pragma once

#include <string>
#include <vector>

namespace vconfig {

enum class ReportAction { None = 0, Print = 1, Send = 2, Save = 3 };

struct ReportItem {
  int sectionIndex = 0;  // 0 configuration files, 1 autostart places
  int entryIndex = 0;    // position within its section
  int checkValue = 0;    // the list's check state; kept but never read
  std::string entryCaption;
  std::string sectionCaption;
};

struct ReportRequest {
  ReportAction action = ReportAction::None;
  std::vector<ReportItem> items;
};

}  // namespace vconfig
