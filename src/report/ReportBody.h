// The report body: for each chosen entry a heading, then its content as the content
// list would show it at this moment. Every line is markup: captions, file lines and
// file names are escaped, so the conversions give them back exactly.
#pragma once

#include <string>

#include "config/TextLines.h"

#include "config/Catalogue.h"
#include "config/ContentReaders.h"
#include "report/ReportRequest.h"

namespace vconfig {

// Sizes before colours, unlike the content list's rows; the first FONT stays open.
std::string ReportHeading(const std::string& sectionCaption, const std::string& entryCaption);

// Sources are read now, in the request's order. The other-file entry and captions
// the catalogue does not know contribute their heading and spacers only.
TextLines BuildReportBody(const ReportRequest& request, const Catalogue& catalogue,
                          ContentEnvironment& env);

}  // namespace vconfig
