#include "cli/OfflineSubject.h"

#include "locale/Language.h"

namespace vconfig {

std::unique_ptr<OfflineSubject> OpenOfflineSubject(const std::string& root, const std::string& user,
                                                   int codePage,
                                                   std::vector<std::string>& problems) {
  auto s = std::make_unique<OfflineSubject>();
  s->installation = OpenOfflineInstallation(root, user, codePage, problems);
  OfflineInstallation& inst = s->installation;
  ReportSubject& subject = s->subject;
  subject.otherFileCaption = GetLangString(7);
  // The NT variants exactly when the running program would take them on that version.
  const bool nt = IsWindowsNT(GetWindowsVersionCode(inst.version));
  // A 64-bit installation keeps its 32-bit programs' machine keys under Wow6432Node.
  bool twoViews = false;
  try {
    twoViews = inst.software && inst.software->HasKey("Wow6432Node");
  } catch (const EHiveError& e) {
    problems.push_back(e.what());
  }
  subject.catalogue = Catalogue::Build(nt, subject.otherFileCaption, GetLangString(20),
                                       GetLangString(21), twoViews);
  subject.files = inst.files.get();
  subject.registryNote = kRegistryNotRead;
  const bool readRegistry = inst.IsNT();
  auto addScope = [&](const OfflineUser* u) {
    ReportScope scope;
    scope.user = u ? u->name : std::string();
    scope.locations = inst.Locations(u);
    if (readRegistry) {
      s->registries.push_back(
          std::make_unique<HiveRegistry>(inst.software, u ? u->hive : nullptr, codePage));
      scope.registry = s->registries.back().get();
    }
    subject.scopes.push_back(std::move(scope));
  };
  for (const OfflineUser& u : inst.users) addScope(&u);
  if (inst.users.empty()) addScope(nullptr);
  return s;
}

}  // namespace vconfig
