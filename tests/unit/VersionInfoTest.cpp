// The version reader over version blocks built here: translations, the string
// lookup's sub-block, the version number text and the about box's selector table.
#include <gtest/gtest.h>

#include <map>

#include "locale/FileVersion.h"

namespace vconfig {
namespace {

std::string Le16(uint16_t v) { return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)}; }
std::string Le32(uint32_t v) { return Le16(static_cast<uint16_t>(v)) + Le16(static_cast<uint16_t>(v >> 16)); }

std::string FixedPart(uint32_t fileMS, uint32_t fileLS, uint32_t productMS, uint32_t productLS) {
  return Le32(0xFEEF04BDu) + Le32(0x10000) + Le32(fileMS) + Le32(fileLS) + Le32(productMS) +
         Le32(productLS) + std::string(28, '\0');
}

// A version block as a table of sub-block paths; it remembers what was asked.
class TableBlock : public VersionBlock {
 public:
  explicit TableBlock(std::map<std::string, std::string> values, std::vector<std::string>* asked)
      : values_(std::move(values)), asked_(asked) {}
  std::optional<std::string> QueryBytes(const std::string& subBlock) const override {
    return Find(subBlock);
  }
  std::optional<std::string> QueryString(const std::string& subBlock) const override {
    asked_->push_back(subBlock);
    return Find(subBlock);
  }

 private:
  std::optional<std::string> Find(const std::string& subBlock) const {
    auto it = values_.find(subBlock);
    if (it == values_.end()) return std::nullopt;
    return it->second;
  }
  std::map<std::string, std::string> values_;
  std::vector<std::string>* asked_;
};

class FakeVersionResource : public VersionResource {
 public:
  std::map<std::string, std::map<std::string, std::string>> files;
  std::vector<std::string> read;
  std::vector<std::string> asked;

  std::unique_ptr<VersionBlock> Read(const std::string& path) override {
    read.push_back(path);
    auto it = files.find(path);
    if (it == files.end()) return nullptr;
    return std::make_unique<TableBlock>(it->second, &asked);
  }
  std::string ModifiedShortDate(const std::string& path) override { return "date of " + path; }
  std::string ExecutablePath() override { return "C:\\Suite\\Config\\VConfig.exe"; }
  std::string ModulePath() override { return "C:\\Suite\\Config\\Library.dll"; }
};

std::map<std::string, std::string> Strings(const std::string& translation,
                                           const std::map<std::string, std::string>& values) {
  std::map<std::string, std::string> block;
  for (const auto& [key, value] : values) block["\\StringFileInfo\\" + translation + "\\" + key] = value;
  return block;
}

TEST(VersionInfo, TranslationTextsAndTheStringSubBlock) {
  struct Case {
    const char* name;
    std::string translation;  // raw "\VarFileInfo\Translation", or "none" for a missing value
    std::vector<std::string> expected;
    const char* used;  // the sub-block's translation part
  };
  const std::vector<Case> cases = {
      {"Czech 1250", Le16(0x0405) + Le16(0x04E2), {"040504e2"}, "040504e2"},
      {"two entries, the first used", Le16(0x0407) + Le16(1252) + Le16(0x0409) + Le16(1200),
       {"040704e4", "040904b0"}, "040704e4"},
      {"cut entry: US English with its code page", Le16(0x04E2), {"040904e2"}, "040904e2"},
      {"a single byte", std::string(1, '\x05'), {"04090005"}, "04090005"},
      {"trailing partial entry ignored", Le16(0x0405) + Le16(0x04E2) + Le16(0x0409),
       {"040504e2"}, "040504e2"},
      {"empty value", std::string(), {}, "040904E4"},
      {"no translation value", "none", {}, "040904E4"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeVersionResource system;
    auto block = Strings(c.used, {{"InternalName", "VConfig"}});
    if (c.translation != "none") block["\\VarFileInfo\\Translation"] = c.translation;
    system.files["C:\\x.exe"] = block;
    FileVersion reader(system);
    reader.SetFilename("C:\\x.exe");
    EXPECT_EQ(reader.Translations(), c.expected);
    EXPECT_EQ(reader.InternalName(), "VConfig");
    EXPECT_EQ(system.asked.back(), std::string("\\StringFileInfo\\") + c.used + "\\InternalName");
  }
}

TEST(VersionInfo, VersionNumberTextPrefersTheStoredString) {
  FakeVersionResource system;
  auto withStrings = Strings("040904e4", {{"FileVersion", "2.1 beta"}, {"ProductVersion", ""}});
  withStrings["\\"] = FixedPart(0x00020001, 0x00000025, 0x00030004, 0x00050006);
  withStrings["\\VarFileInfo\\Translation"] = Le16(0x0409) + Le16(1252);
  system.files["C:\\a.exe"] = withStrings;
  std::map<std::string, std::string> numbersOnly;
  numbersOnly["\\"] = FixedPart(0xFFFF0000, 0x0001FFFF, 0, 0);
  system.files["C:\\b.exe"] = numbersOnly;

  FileVersion reader(system);
  reader.SetFilename("C:\\a.exe");
  EXPECT_EQ(reader.FileVersionText(), "2.1 beta");
  EXPECT_EQ(reader.ProductVersionText(), "3.4.5.6");  // an empty string counts as none
  reader.SetFilename("C:\\b.exe");
  EXPECT_EQ(reader.FileVersionText(), "65535.0.1.65535");
  EXPECT_EQ(reader.ProductVersionText(), "0.0.0.0");
  reader.SetFilename("C:\\none.exe");  // no version resource at all
  EXPECT_FALSE(reader.HasData());
  EXPECT_EQ(reader.FileVersionText(), "");
  EXPECT_EQ(reader.InternalName(), "");
  EXPECT_TRUE(reader.Translations().empty());
}

TEST(VersionInfo, FixedPartNeedsItsSignature) {
  EXPECT_FALSE(ParseFixedFileInfo(FixedPart(1, 2, 3, 4).substr(0, 20)));
  std::string wrong = FixedPart(1, 2, 3, 4);
  wrong[0] = 0;
  EXPECT_FALSE(ParseFixedFileInfo(wrong));
  ASSERT_TRUE(ParseFixedFileInfo(FixedPart(1, 2, 3, 4)));
  EXPECT_EQ(ParseFixedFileInfo(FixedPart(1, 2, 3, 4))->productVersionLS, 4u);
}

TEST(VersionInfo, FileVersionItemSelectorTable) {
  FakeVersionResource system;
  auto block = Strings("040504e2", {{"CompanyName", "company"},
                                    {"LegalTrademarks", "trademarks"},
                                    {"InternalName", "internal"},
                                    {"FileDescription", "description"},
                                    {"FileVersion", "file version"},
                                    {"LegalCopyright", "copyright"},
                                    {"OriginalFilename", "original"},
                                    {"Comments", "comments"},
                                    {"ProductName", "product"},
                                    {"ProductVersion", "product version"},
                                    {"BuildFlags", "flags"}});
  block["\\VarFileInfo\\Translation"] = Le16(0x0405) + Le16(0x04E2);
  system.files["C:\\v.exe"] = block;
  const std::vector<std::string> expected = {
      "company",   "trademarks", "internal", "description",     "file version",    "copyright",
      "original",  "comments",   "product",  "product version", "date of C:\\v.exe", "", ""};
  for (size_t selector = 0; selector < expected.size(); ++selector)
    EXPECT_EQ(FileVersionItem(system, "C:\\v.exe", static_cast<uint8_t>(selector)),
              expected[selector])
        << "selector " << selector;
  EXPECT_EQ(FileVersionItem(system, "C:\\v.exe", 255), "");
  // The program's own file when no path is given, even inside a library.
  system.read.clear();
  FileVersionItem(system, "", 2);
  ASSERT_FALSE(system.read.empty());
  EXPECT_EQ(system.read.back(), "C:\\Suite\\Config\\VConfig.exe");
}

TEST(VersionInfo, ResolvesTheLibraryOnlyWithoutForceExe) {
  FakeVersionResource system;
  FileVersion reader(system);
  reader.SetRunningInLibrary(true);
  EXPECT_EQ(reader.ResolvedFile(), "C:\\Suite\\Config\\Library.dll");
  reader.SetForceEXE(true);
  EXPECT_EQ(reader.ResolvedFile(), "C:\\Suite\\Config\\VConfig.exe");
  reader.SetFilename("D:\\other.exe");
  EXPECT_EQ(reader.ResolvedFile(), "D:\\other.exe");
}

}  // namespace
}  // namespace vconfig
