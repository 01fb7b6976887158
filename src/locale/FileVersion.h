// FileVersion: reads the version resource of a file (by default the running program).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/VersionResource.h"

namespace vconfig {

// The version string keys, in the component's index order.
enum TPreDef {
  pdCompanyName,
  pdFileDescription,
  pdFileVersion,
  pdInternalName,
  pdLegalCopyright,
  pdLegalTrademarks,
  pdOriginalFilename,
  pdProductName,
  pdProductVersion,
  pdComments,
  pdBuildFlags,
};
const char* PreDefKey(TPreDef item);

// The numeric part of the version block that matters here.
struct FixedFileInfo {
  uint32_t fileVersionMS = 0;
  uint32_t fileVersionLS = 0;
  uint32_t productVersionMS = 0;
  uint32_t productVersionLS = 0;
};
// Decodes the system's fixed-information record; empty when the bytes are too short or
// do not carry its signature.
std::optional<FixedFileInfo> ParseFixedFileInfo(const std::string& bytes);

// "\VarFileInfo\Translation" as texts of 8 lower-case hexadecimal digits.
std::vector<std::string> ParseTranslations(const std::string& bytes);

// A version number: the block's own string when it has one, else the four numbers.
class VersionNumber {
 public:
  VersionNumber() = default;
  VersionNumber(uint32_t ms, uint32_t ls, std::string stored)
      : valid_(true), ms_(ms), ls_(ls), stored_(std::move(stored)) {}
  std::string Text() const;

 private:
  bool valid_ = false;
  uint32_t ms_ = 0;
  uint32_t ls_ = 0;
  std::string stored_;
};

class FileVersion {
 public:
  explicit FileVersion(VersionResource& system);

  const std::string& Filename() const { return filename_; }
  void SetFilename(const std::string& filename);
  bool ForceEXE() const { return forceExe_; }
  void SetForceEXE(bool force);
  // Only a library has a module file of its own; the program is never one.
  void SetRunningInLibrary(bool inLibrary);

  std::string CompanyName() const { return Item(pdCompanyName); }
  std::string FileDescription() const { return Item(pdFileDescription); }
  std::string InternalName() const { return Item(pdInternalName); }
  std::string LegalCopyright() const { return Item(pdLegalCopyright); }
  std::string LegalTrademarks() const { return Item(pdLegalTrademarks); }
  std::string OriginalFilename() const { return Item(pdOriginalFilename); }
  std::string ProductName() const { return Item(pdProductName); }
  std::string Comments() const { return Item(pdComments); }
  std::string Item(TPreDef item) const;
  // The value of any key in the translation in use; empty when missing.
  std::string Value(const std::string& key) const;

  bool HasData() const { return block_ != nullptr; }
  const std::vector<std::string>& Translations() const { return translations_; }
  int TranslationIndex() const { return translationIndex_; }
  void SetTranslationIndex(int index) { translationIndex_ = index; }
  const std::optional<FixedFileInfo>& Fixed() const { return fixed_; }
  std::string FileVersionText() const { return fileVersion_.Text(); }
  std::string ProductVersionText() const { return productVersion_.Text(); }
  // The file the data was read from.
  std::string ResolvedFile() const;

 private:
  void Reload();

  VersionResource& system_;
  std::string filename_;
  bool forceExe_ = false;
  bool inLibrary_ = false;
  std::unique_ptr<VersionBlock> block_;
  std::vector<std::string> translations_;
  int translationIndex_ = 0;
  std::optional<FixedFileInfo> fixed_;
  VersionNumber fileVersion_;
  VersionNumber productVersion_;
};

// The about box's lookup: 0 to 9 select a string of the version block, 10 the file's
// last-modified date; anything else is empty.
std::string FileVersionItem(VersionResource& system, const std::string& path, uint8_t selector);

}  // namespace vconfig
