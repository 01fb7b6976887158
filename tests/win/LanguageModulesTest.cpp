// The seven language modules as built: every id the program asks for is there, and
// Czech and Russian letters survive as Unicode in the string tables.
#include <gtest/gtest.h>

#include <string>

#include "harness/Harness.h"
#include "platform/Handles_win.h"

namespace vtest {
namespace {

const int kIds[] = {1,   7,   10,  11,  12,  13,  20,    21,    52,    54,    55,    100,   101,
                    102, 103, 104, 105, 106, 107, 108, 109, 50100, 50101, 50102, 50103, 50104,
                    50200, 50201, 50202};

std::wstring Text(HMODULE module, int id) {
  wchar_t buf[1024] = {};
  const int n = ::LoadStringW(module, static_cast<UINT>(id), buf, 1024);
  return std::wstring(buf, n > 0 ? static_cast<size_t>(n) : 0);
}

struct ModuleCheck {
  const char* code;
  int id;
  const wchar_t* text;
};

TEST(LanguageModules, EveryModuleHoldsEveryIdInItsOwnLanguage) {
  const ModuleCheck checks[] = {
      {"CSY", 7, L"Otev\u0159\u00edt jin\u00fd soubor..."},
      {"CSY", 50201, L"Protokol vytvo\u0159en "},
      {"DE", 52, L"Schlie\u00dfen"},
      {"EN", 12, L"Language"},
      {"ES", 100, L"A\u00f1adir"},
      {"FR", 109, L"Donn\u00e9es de la valeur :"},
      {"IT", 13, L"Riduci a icona"},
      {"RUS", 12, L"\u042f\u0437\u044b\u043a"},
      {"RUS", 50103, L"\u0412\u044b\u0431\u0440\u0430\u0442\u044c \u0432\u0441\u0451"},
  };
  for (const char* code : {"CSY", "DE", "EN", "ES", "FR", "IT", "RUS"}) {
    const std::string path = SuiteDir() + "Config\\VConfig" + code + ".dll";
    vconfig::UniqueModule owner(::LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    ASSERT_TRUE(owner) << path;
    HMODULE module = owner.get();
    for (int id : kIds) EXPECT_FALSE(Text(module, id).empty()) << code << " id " << id;
    // The report joins these directly with the date and the program's name.
    for (int id : {50201, 50202}) {
      const std::wstring text = Text(module, id);
      EXPECT_TRUE(text.size() > 2 && text.back() == L' ' && text[text.size() - 2] != L' ')
          << code << " id " << id << " ends in exactly one blank";
    }
    // The English module is the only one that reads "Close".
    if (std::string(code) != "EN") {
      EXPECT_NE(Text(module, 52), L"Close") << code;
    }
    for (const auto& check : checks) {
      if (std::string(check.code) == code) {
        EXPECT_EQ(Text(module, check.id), check.text) << code;
      }
    }
  }
}

}  // namespace
}  // namespace vtest
