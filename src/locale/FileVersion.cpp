#include "locale/FileVersion.h"

#include <cstdio>

namespace vconfig {
namespace {

constexpr uint32_t kFixedSignature = 0xFEEF04BDu;
constexpr const char* kDefaultTranslation = "040904E4";

uint16_t Word(const std::string& bytes, size_t at) {
  uint16_t w = static_cast<unsigned char>(bytes[at]);
  if (at + 1 < bytes.size()) w |= static_cast<uint16_t>(static_cast<unsigned char>(bytes[at + 1]) << 8);
  return w;
}

uint32_t DWord(const std::string& bytes, size_t at) {
  return static_cast<uint32_t>(Word(bytes, at)) | (static_cast<uint32_t>(Word(bytes, at + 2)) << 16);
}

std::string TranslationText(uint16_t language, uint16_t codePage) {
  char text[16];
  std::snprintf(text, sizeof text, "%.4x%.4x", language, codePage);
  return text;
}

}  // namespace

const char* PreDefKey(TPreDef item) {
  static const char* const kKeys[] = {
      "CompanyName",      "FileDescription", "FileVersion",    "InternalName",
      "LegalCopyright",   "LegalTrademarks", "OriginalFilename", "ProductName",
      "ProductVersion",   "Comments",        "BuildFlags"};
  return kKeys[item];
}

std::optional<FixedFileInfo> ParseFixedFileInfo(const std::string& bytes) {
  // Signature, structure version, then the file and product versions.
  if (bytes.size() < 24 || DWord(bytes, 0) != kFixedSignature) return std::nullopt;
  FixedFileInfo info;
  info.fileVersionMS = DWord(bytes, 8);
  info.fileVersionLS = DWord(bytes, 12);
  info.productVersionMS = DWord(bytes, 16);
  info.productVersionLS = DWord(bytes, 20);
  return info;
}

std::vector<std::string> ParseTranslations(const std::string& bytes) {
  std::vector<std::string> list;
  if (bytes.empty()) return list;
  if (bytes.size() < 4) {
    // A cut entry still names a code page: take it as US English.
    list.push_back(TranslationText(1033, Word(bytes, 0)));
    return list;
  }
  for (size_t at = 0; at + 4 <= bytes.size(); at += 4)
    list.push_back(TranslationText(Word(bytes, at), Word(bytes, at + 2)));
  return list;
}

std::string VersionNumber::Text() const {
  if (!valid_) return {};
  if (!stored_.empty()) return stored_;
  char text[64];
  std::snprintf(text, sizeof text, "%u.%u.%u.%u", ms_ >> 16, ms_ & 0xFFFFu, ls_ >> 16,
                ls_ & 0xFFFFu);
  return text;
}

FileVersion::FileVersion(VersionResource& system) : system_(system) {}

// Each change of what to read reads the block again.
void FileVersion::SetFilename(const std::string& filename) {
  if (filename == filename_ && block_) return;
  filename_ = filename;
  Reload();
}

void FileVersion::SetForceEXE(bool force) {
  if (force == forceExe_ && block_) return;
  forceExe_ = force;
  Reload();
}

void FileVersion::SetRunningInLibrary(bool inLibrary) {
  if (inLibrary == inLibrary_ && block_) return;
  inLibrary_ = inLibrary;
  Reload();
}

std::string FileVersion::ResolvedFile() const {
  if (!filename_.empty()) return filename_;
  if (!inLibrary_ || forceExe_) return system_.ExecutablePath();
  return system_.ModulePath();
}

void FileVersion::Reload() {
  translations_.clear();
  block_.reset();
  fixed_.reset();
  fileVersion_ = VersionNumber();
  productVersion_ = VersionNumber();

  block_ = system_.Read(ResolvedFile());
  if (!block_) return;
  if (auto fixed = block_->QueryBytes("\\")) fixed_ = ParseFixedFileInfo(*fixed);
  if (auto translation = block_->QueryBytes("\\VarFileInfo\\Translation"))
    translations_ = ParseTranslations(*translation);
  if (translationIndex_ < 0 || translationIndex_ >= static_cast<int>(translations_.size()))
    translationIndex_ = 0;
  const FixedFileInfo fixed = fixed_.value_or(FixedFileInfo{});
  fileVersion_ = VersionNumber(fixed.fileVersionMS, fixed.fileVersionLS, Value("FileVersion"));
  productVersion_ =
      VersionNumber(fixed.productVersionMS, fixed.productVersionLS, Value("ProductVersion"));
}

std::string FileVersion::Value(const std::string& key) const {
  if (!block_) return {};
  const std::string translation =
      translationIndex_ < static_cast<int>(translations_.size()) ? translations_[translationIndex_]
                                                                 : kDefaultTranslation;
  return block_->QueryString("\\StringFileInfo\\" + translation + "\\" + key).value_or("");
}

std::string FileVersion::Item(TPreDef item) const {
  if (item == pdFileVersion) return FileVersionText();
  if (item == pdProductVersion) return ProductVersionText();
  return Value(PreDefKey(item));
}

std::string FileVersionItem(VersionResource& system, const std::string& path, uint8_t selector) {
  static const TPreDef kSelectorItems[] = {
      pdCompanyName,  pdLegalTrademarks, pdInternalName, pdFileDescription, pdFileVersion,
      pdLegalCopyright, pdOriginalFilename, pdComments,   pdProductName,     pdProductVersion};
  if (selector == 10) return system.ModifiedShortDate(path);
  if (selector > 10) return {};
  FileVersion reader(system);
  reader.SetForceEXE(true);
  reader.SetFilename(path);
  return reader.Item(kSelectorItems[selector]);
}

}  // namespace vconfig
