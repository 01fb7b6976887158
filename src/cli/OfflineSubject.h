// The console report's subject for an offline installation: the catalogue picked by
// its version, its files, and one registry per user over the hive files.
#pragma once

#include <memory>
#include <vector>

#include "cli/ConsoleReport.h"
#include "offline/HiveRegistry.h"
#include "offline/OfflineInstallation.h"

namespace vconfig {

struct OfflineSubject {
  OfflineInstallation installation;
  std::vector<std::unique_ptr<HiveRegistry>> registries;  // one per scope
  ReportSubject subject;
};

// Reads the installation (throws ENotAnInstallation, EUnknownUser); language texts
// come from GetLangString.
std::unique_ptr<OfflineSubject> OpenOfflineSubject(const std::string& root, const std::string& user,
                                                   int codePage,
                                                   std::vector<std::string>& problems);

}  // namespace vconfig
