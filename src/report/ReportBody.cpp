#include "report/ReportBody.h"

#include "markup/MarkupEscape.h"

namespace vconfig {

std::string ReportHeading(const std::string& sectionCaption, const std::string& entryCaption) {
  return "<FONT size=\"14\" color=\"clblue\">" + EscapeMarkup(sectionCaption) +
         " - <FONT size=\"14\" color=\"clnavy\">" + EscapeMarkup(entryCaption) + ":</FONT>";
}

TextLines BuildReportBody(const ReportRequest& request, const Catalogue& catalogue,
                          ContentEnvironment& env) {
  TextLines body;
  for (const ReportItem& item : request.items) {
    body.push_back(ReportHeading(item.sectionCaption, item.entryCaption));
    body.push_back(" ");
    const ConfigSource* source = catalogue.Find(item.entryCaption);
    if (source && source->kind != SourceKind::OtherFile) AppendReportRows(*source, env, body);
    body.push_back(" ");
  }
  return body;
}

}  // namespace vconfig
