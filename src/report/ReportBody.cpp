#include "report/ReportBody.h"

#include <algorithm>

#include "markup/MarkupEscape.h"

namespace vconfig {

std::string ReportHeading(const std::string& sectionCaption, const std::string& entryCaption) {
  return "<FONT size=\"14\" color=\"clblue\">" + EscapeMarkup(sectionCaption) +
         " - <FONT size=\"14\" color=\"clnavy\">" + EscapeMarkup(entryCaption) + ":</FONT>";
}

std::vector<std::string> BuildReportBody(const ReportRequest& request, const Catalogue& catalogue,
                                         ContentEnvironment& env) {
  std::vector<std::string> body;
  for (const ReportItem& item : request.items) {
    body.push_back(ReportHeading(item.sectionCaption, item.entryCaption));
    body.emplace_back(" ");
    const ConfigSource* source = catalogue.Find(item.entryCaption);
    if (source && source->kind != SourceKind::OtherFile) {
      StringList rows = SourceRows(*source, env, RowUse::Report);
      // Grown once for a big source rather than doubled (and its strings moved) twice.
      const size_t needed = body.size() + rows.size() + 1;
      if (needed > body.capacity()) body.reserve(std::max(needed, 2 * body.capacity()));
      body.insert(body.end(), std::make_move_iterator(rows.begin()),
                  std::make_move_iterator(rows.end()));
    }
    body.emplace_back(" ");
  }
  return body;
}

}  // namespace vconfig
