#include "cli/ConsoleReport.h"

#include <algorithm>

#include "cli/ValueText.h"
#include "config/ContentReaders.h"
#include "report/ReportBody.h"

namespace vconfig {
namespace {

// A registry without keys.
class NoRegistry : public Registry {
 public:
  std::unique_ptr<RegistryKey> OpenKey(RegistryRoot, const std::string&, RegistryAccess,
                                       RegistryView) override {
    return nullptr;
  }
};

bool IsUsersSource(const ConfigSource& s) {
  return (s.kind == SourceKind::RunKey && s.root == RegistryRoot::CurrentUser) ||
         (s.kind == SourceKind::StartupFolder && s.folder == StartupFolderKind::User);
}

bool IsChosen(const ConfigSource& s, const std::vector<std::string>& captions) {
  if (captions.empty()) return s.kind != SourceKind::OtherFile;
  return std::find(captions.begin(), captions.end(), s.caption) != captions.end();
}

std::string LocationText(const ConfigSource& source, const SourceLocationInfo& where) {
  if (source.kind != SourceKind::RunKey) return where.path;
  return std::string(where.root == RegistryRoot::LocalMachine ? "HKLM\\" : "HKCU\\") +
         where.keyPath;
}

void AddRunRecords(const ReportSection& section, const SourceLocationInfo& where,
                   const ReportRecord& base, std::vector<ReportRecord>& out) {
  auto key =
      section.scope->registry->OpenKey(where.root, where.keyPath, RegistryAccess::Read, where.view);
  if (!key) return;
  for (const RegistryValue& value : key->Values()) {
    ReportRecord r = base;
    r.name = value.name;
    r.type = RegistryTypeName(value.type);
    r.data = ValueDataText(value);
    out.push_back(std::move(r));
  }
}

void AddSectionRecords(const ReportSubject& subject, const ReportSection& section,
                       const ReportRecord& base, std::vector<ReportRecord>& out) {
  const ConfigSource& source = *section.source;
  const SourceLocationInfo where = SourceLocation(source, section.scope->locations);
  switch (source.kind) {
    case SourceKind::TextFile: {
      const StringList lines = ReadSourceFile(*subject.files, where.path);
      for (size_t i = 0; i < lines.size(); ++i) {
        ReportRecord r = base;
        r.name = std::to_string(i + 1);
        r.type = "line";
        r.data = lines[i];
        out.push_back(std::move(r));
      }
      break;
    }
    case SourceKind::RunKey:
      AddRunRecords(section, where, base, out);
      break;
    case SourceKind::StartupFolder:
      for (const std::string& name : ListStartupFolder(*subject.files, where.path)) {
        ReportRecord r = base;
        r.name = name;
        r.type = "file";
        out.push_back(std::move(r));
      }
      break;
    case SourceKind::OtherFile:
      break;
  }
}

}  // namespace

std::vector<ReportSection> PlanSections(const ReportSubject& subject,
                                        const std::vector<std::string>& captions) {
  std::vector<ReportSection> sections;
  for (int g = 0; g < kGroupCount; ++g) {
    for (const ConfigSource& source : subject.catalogue.Group(g)) {
      if (!IsChosen(source, captions)) continue;
      if (!IsUsersSource(source)) {
        sections.push_back({&source, &subject.scopes.front(), source.caption});
        continue;
      }
      for (const ReportScope& scope : subject.scopes)
        sections.push_back(
            {&source, &scope,
             scope.user.empty() ? source.caption : source.caption + " (" + scope.user + ")"});
    }
  }
  return sections;
}

std::vector<std::string> UnknownCaptions(const ReportSubject& subject,
                                         const std::vector<std::string>& captions) {
  std::vector<std::string> unknown;
  for (const std::string& caption : captions)
    if (!subject.catalogue.Find(caption)) unknown.push_back(caption);
  return unknown;
}

TextLines ConsoleReportBody(const ReportSubject& subject,
                            const std::vector<ReportSection>& sections,
                            std::vector<std::string>& problems) {
  TextLines body;
  for (const ReportSection& section : sections) {
    const ConfigSource& source = *section.source;
    const std::string& title = subject.catalogue.GroupTitle(source.group);
    TextLines lines;
    if (source.kind == SourceKind::RunKey && !section.scope->registry) {
      lines = {ReportHeading(title, section.caption), " ", subject.registryNote, " "};
    } else {
      try {
        ReportRequest request;
        request.action = ReportAction::Save;
        request.items.push_back({source.group, source.position, 1, source.caption, title});
        // The files of a machine whose registry is not read need none.
        NoRegistry none;
        TypeDescribingRegistry registry(section.scope->registry ? *section.scope->registry : none);
        ContentEnvironment env{*subject.files, registry, section.scope->locations,
                               subject.otherFileCaption};
        // The report window's own body, under the caption that names the user.
        lines = BuildReportBody(request, subject.catalogue, env);
        lines.replace(0, ReportHeading(title, section.caption));
      } catch (const std::exception& e) {
        problems.push_back(section.caption + ": " + e.what());
        lines = {ReportHeading(title, section.caption), " ", std::string("Not read: ") + e.what(),
                 " "};
      }
    }
    body.append(lines);
  }
  return body;
}

std::vector<ReportRecord> ConsoleReportRecords(const ReportSubject& subject,
                                               const std::vector<ReportSection>& sections,
                                               std::vector<std::string>& problems) {
  std::vector<ReportRecord> records;
  for (const ReportSection& section : sections) {
    const ConfigSource& source = *section.source;
    ReportRecord base;
    base.group = subject.catalogue.GroupTitle(source.group);
    base.source = source.caption;
    base.location = LocationText(source, SourceLocation(source, section.scope->locations));
    if (IsUsersSource(source)) base.user = section.scope->user;
    if (source.kind == SourceKind::RunKey && source.view == RegistryView::Bit32)
      base.view = "32-bit";
    if (source.kind == SourceKind::RunKey && !section.scope->registry) {
      ReportRecord r = base;
      r.type = "not-read";
      r.data = subject.registryNote;
      records.push_back(std::move(r));
      continue;
    }
    try {
      std::vector<ReportRecord> items;
      AddSectionRecords(subject, section, base, items);
      records.insert(records.end(), items.begin(), items.end());
    } catch (const std::exception& e) {
      problems.push_back(section.caption + ": " + e.what());
      ReportRecord r = base;
      r.type = "error";
      r.data = e.what();
      records.push_back(std::move(r));
    }
  }
  return records;
}

}  // namespace vconfig
