#include "config/ContentReaders.h"

#include "config/TextLines.h"
#include "diagnostics/Errors.h"
#include "markup/ByteSearch.h"
#include "markup/MarkupEscape.h"

namespace vconfig {

std::string RunValueLine(const std::string& name, const std::string& data) {
  return "<FONT color=\"clblue\" size=\"10\">" + EscapeMarkup(name) +
         " : <FONT color=\"clmaroon\">" + EscapeMarkup(data) + "</FONT>";
}

std::string OtherFileRow(const std::string& otherFileCaption) {
  return "<FONT color=\"clblue\" size=\"12\">" + EscapeMarkup(otherFileCaption) + "</FONT>";
}

std::string PlainTextRow(std::string_view text) {
  if (text.find("</") == std::string_view::npos) return std::string(text);
  return "<FONT>" + EscapeMarkup(text) + "</FONT>";
}

StringList getregconfig(Registry& registry, RegistryRoot root, const std::string& key,
                        RegistryView view) {
  StringList rows;
  auto opened = registry.OpenKey(root, key, RegistryAccess::Read, view);
  if (!opened) return rows;
  for (const RegistryValue& value : opened->Values()) {
    // Data-less values read as empty text whatever their type.
    if (!value.data.empty() && value.type != kRegSz && value.type != kRegExpandSz)
      throw ERegistryError::InvalidType(value.name);
    rows.push_back(RunValueLine(value.name, value.data));
  }
  return rows;
}

StringList ListStartupFolder(FileSystem& files, const std::string& folder) {
  StringList names;
  if (folder.empty()) return names;
  constexpr uint32_t kSkipped = kAttrDirectory | kAttrHidden | kAttrSystem | kAttrVolumeLabel;
  for (const FolderEntry& entry : files.ListFolder(folder + "\\*.*"))
    if ((entry.attributes & kSkipped) == 0) names.push_back(entry.name);
  return names;
}

StringList getrunutostringlst(FileSystem& files, const SystemLocations& locations) {
  return ListStartupFolder(files, locations.userStartup);
}

StringList getrunctostringlst(FileSystem& files, const SystemLocations& locations) {
  return ListStartupFolder(files, locations.commonStartup);
}

StringList ReadSourceFile(FileSystem& files, const std::string& path) {
  if (!files.FileExists(path)) return {};
  return ReadTextLines(files, path).Strings();
}

namespace {

StringList AsRows(StringList texts, RowUse use) {
  for (std::string& text : texts) {
    if (use == RowUse::Report)
      EscapeMarkupInPlace(text);
    else if (text.find("</") != std::string::npos)
      text = PlainTextRow(text);
  }
  return texts;
}

}  // namespace

StringList SourceRows(const ConfigSource& source, ContentEnvironment& env, RowUse use) {
  const SourceLocationInfo where = SourceLocation(source, env.locations);
  switch (source.kind) {
    case SourceKind::TextFile:
      return AsRows(ReadSourceFile(env.files, where.path), use);
    case SourceKind::RunKey:
      return getregconfig(env.registry, where.root, where.keyPath, where.view);
    case SourceKind::StartupFolder:
      return AsRows(source.folder == StartupFolderKind::User
                        ? getrunutostringlst(env.files, env.locations)
                        : getrunctostringlst(env.files, env.locations),
                    use);
    case SourceKind::OtherFile:
      return {OtherFileRow(env.otherFileCaption)};
  }
  return {};
}

void AppendReportRows(const ConfigSource& source, ContentEnvironment& env, TextLines& lines) {
  if (source.kind != SourceKind::TextFile) {
    for (const std::string& row : SourceRows(source, env, RowUse::Report)) lines.push_back(row);
    return;
  }
  const std::string path = SourceLocation(source, env.locations).path;
  if (!env.files.FileExists(path)) return;
  // The file is read into the lines' buffer; a line that needs escaping is replaced
  // by its escaped text, for which there is some room after the file.
  size_t i = lines.size();
  const auto size = env.files.FileSize(path);
  AppendFileLines(env.files, path, lines, size ? static_cast<size_t>(*size / 16) + 64 : 64);
  // The file's lines lie one after the other in the buffer, apart only by line breaks:
  // they are searched as one run, and the line that holds a hit is replaced.
  while (i < lines.size()) {
    const std::string_view last = lines.back();
    const char* const end = last.data() + last.size();
    const char* const hit = FindAnyOf(lines[i].data(), end, '&', '<', '>', '"');
    if (hit == end) break;
    while (lines[i].data() + lines[i].size() < hit) ++i;
    lines.replace(i, EscapeMarkup(lines[i]));
    ++i;
  }
}

void LoadGroupSections(const Catalogue& catalogue, int group, ContentEnvironment& env,
                       ContentSink& sink) {
  sink.ClearSections();
  sink.AddSection(catalogue.GroupTitle(group));
  const auto& sources = catalogue.Group(group);
  std::vector<int> sections;
  for (const ConfigSource& source : sources) {
    const int section = sink.AddSection(source.caption);
    sections.push_back(section);
    sink.SetRows(section, SourceRows(source, env));
  }
  // Images only once every source has loaded: after a failure the sections so far
  // stay without them.
  for (size_t i = 0; i < sources.size(); ++i) sink.SetSectionImage(sections[i], sources[i].image);
}

PopupChoice ChoosePopupMenus(const std::string& section0Title, const std::string& configTitle,
                             const std::string& autostartTitle) {
  return {section0Title == configTitle, section0Title == autostartTitle};
}

PopupItems PopupMenu1Items(const PopupTarget& target, const std::string& otherFileCaption) {
  PopupItems items;
  const bool fileSection = target.section != 0 && target.sectionTitle != otherFileCaption;
  items.add = items.view = fileSection;
  items.rem = items.edit = fileSection && target.row != -1;
  return items;
}

PopupItems PopupMenu2Items(const PopupTarget& target) {
  PopupItems items;
  if (target.section == 0) return items;
  items.add = items.view = true;
  items.edit = items.rem = target.row != -1;
  items.registryEditor = true;
  if (target.sectionTitle == "Startup(User)" || target.sectionTitle == "Startup(Common)")
    items = PopupItems{false, false, false, true, false};
  return items;
}

}  // namespace vconfig
