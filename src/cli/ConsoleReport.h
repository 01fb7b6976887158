// What the console report reads and how it gathers it: the catalogue's sources, each
// machine-wide source once and each user's source once per user, as the report
// window's body (txt, htm) or as one record per item (csv, json).
#pragma once

#include <string>
#include <vector>

#include "app/SystemLocations.h"
#include "config/Catalogue.h"
#include "config/TextLines.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"

namespace vconfig {

// The machine seen by one user (or by nobody in particular: empty name).
struct ReportScope {
  std::string user;
  SystemLocations locations;
  Registry* registry = nullptr;  // not owned; null when the registry is not read
};

struct ReportSubject {
  Catalogue catalogue;
  FileSystem* files = nullptr;      // not owned
  std::vector<ReportScope> scopes;  // at least one; the first also reads machine-wide sources
  std::string otherFileCaption;     // language text 7
  // Said in the sections of registry sources when the registry is not read.
  std::string registryNote;
};

constexpr const char* kRegistryNotRead = "registry not read offline for this Windows family";

// One section of the report: a source, for one user where the source is a user's.
struct ReportSection {
  const ConfigSource* source = nullptr;
  const ReportScope* scope = nullptr;
  std::string caption;  // the entry's caption, the user's name added for a user's source
};

// The sections for the chosen captions (all entries but the other-file entry when
// none are chosen), in the catalogue's order.
std::vector<ReportSection> PlanSections(const ReportSubject& subject,
                                        const std::vector<std::string>& captions);

// Captions among the chosen that the catalogue does not hold.
std::vector<std::string> UnknownCaptions(const ReportSubject& subject,
                                         const std::vector<std::string>& captions);

// The report window's body for the sections. A source that cannot be read is named
// in problems with its reason, and its section says so.
TextLines ConsoleReportBody(const ReportSubject& subject,
                            const std::vector<ReportSection>& sections,
                            std::vector<std::string>& problems);

struct ReportRecord {
  std::string group, source, location, user, view, name, type, data;
};

// One record per line, value or file; a source that cannot be read gives one record
// of type "error" (and is named in problems), a registry not read one of "not-read".
std::vector<ReportRecord> ConsoleReportRecords(const ReportSubject& subject,
                                               const std::vector<ReportSection>& sections,
                                               std::vector<std::string>& problems);

}  // namespace vconfig
