// The language modules' texts as a table in the program itself, for the console
// report, which has no modules beside it. Generated with the modules' string tables
// from one list of texts (tools/lang/texts.py), so the two never differ.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vconfig {

struct LanguageText {
  int id;
  const char* utf8;
};

struct LanguageTexts {
  const char* code;  // "CSY", "DE", ... as the modules' file names carry it
  int codePage;      // the Windows code page the language is written in
  const LanguageText* texts;
  size_t count;
};

// The characters (UTF-16) of the bytes 0x80..0xFF of a Windows code page.
struct CodePageTable {
  int codePage;
  uint16_t high[128];
};

const LanguageTexts* LanguageTable(size_t& count);
const CodePageTable* CodePageTables(size_t& count);

}  // namespace vconfig
