// The about box's portable rules: language of the box, system error text, the texts
// of its boxes, and the shadowed label's placement.
#include <gtest/gtest.h>

#include "controls/chrome/ShadowLabel.h"
#include "locale/AboutTexts.h"

namespace vconfig {
namespace {

TEST(About, LanguageOfTheBoxFollowsRunLangUpperCased) {
  struct Case {
    const char* runLang;
    const char* flag;
    const char* caption;
  };
  const Case cases[] = {
      {"de", "DE", "\xDC" "ber Applikacion"}, {"DE", "DE", "\xDC" "ber Applikacion"},
      {"csy", "CSY", "O Aplikaci"},           {"Es", "ES", "Sobre aplicati\xF3n"},
      {"FR", "FR", "About"},                  {"IT", "IT", "About"},
      {"rus", "RUS", "About"},                {"EN", "EN", "About"},
      {"<Error>", "EN", "About"},             {"", "EN", "About"},
      {"CZ", "EN", "About"},                  {"DEU", "EN", "About"},
  };
  for (const auto& c : cases) {
    const AboutLanguage language = AboutLanguageFor(c.runLang);
    EXPECT_STREQ(kAboutFlagCodes[language.flag], c.flag) << c.runLang;
    EXPECT_EQ(language.caption, c.caption) << c.runLang;
  }
}

TEST(About, SysErrorTextCutsTrailingBlanksControlsAndFullStops) {
  EXPECT_EQ(SysErrorTextFrom("The system cannot find the file specified.\r\n"),
            "SysErr: The system cannot find the file specified");
  EXPECT_EQ(SysErrorTextFrom("Access is denied. .\t\r\n ..\x01"), "SysErr: Access is denied");
  EXPECT_EQ(SysErrorTextFrom("Version 1.0 failed!\r\n"), "SysErr: Version 1.0 failed!");
  EXPECT_EQ(SysErrorTextFrom(". \r\n"), "SysErr: ");
  EXPECT_EQ(SysErrorTextFrom(""), "SysErr: ");
  // Letters above 127 are text, not control characters.
  EXPECT_EQ(SysErrorTextFrom("Chyba p\xF8\xED" "stupu\xE9."), "SysErr: Chyba p\xF8\xEDstupu\xE9");
}

TEST(About, BoxTextsKeepTheirBackslashN) {
  EXPECT_EQ(ShellExecuteErrorText(2, "SysErr: x"),
            "Error no.2 of 'ShellExecute' design!\\n\\nSysErr: x");
  EXPECT_EQ(OpenDialogErrorText("boom"), "Error open dialog !\\n\\nboom");
}

TEST(About, ExLabelShadowOffsets) {
  struct Case {
    TShadowPosition position;
    int size;
    bool enabled;
    int dx, dy;
  };
  const Case cases[] = {
      {spLeftTop, 1, true, -1, -1},    {spLeftBottom, 2, true, -2, 2},
      {spRightBottom, 3, true, 3, 3},  {spRightTop, 1, true, 1, -1},
      {spLeftTop, 0, true, 0, 0},      {spLeftTop, 0, false, 1, 1},
      {spRightTop, 0, false, 1, 1},    {spLeftTop, 2, false, -2, -2},
  };
  for (const auto& c : cases) {
    int dx = 99, dy = 99;
    ShadowLabelShadowOffset(c.position, c.size, c.enabled, dx, dy);
    EXPECT_EQ(dx, c.dx) << c.position << " " << c.size << " " << c.enabled;
    EXPECT_EQ(dy, c.dy) << c.position << " " << c.size << " " << c.enabled;
  }
}

TEST(About, ExLabelAutoSizeKeepsARightAlignedRightEdge) {
  const LabelBounds version{168, 199, 27, 17};
  // Text 40 x 16 with a 1-pixel shadow: 40 + 2 margins + 1 wide, 17 high.
  EXPECT_EQ(ShadowLabelAutoSize(version, 40, 16, 1, taRightJustify), (LabelBounds{152, 199, 43, 17}));
  EXPECT_EQ(ShadowLabelAutoSize(version, 10, 16, 1, taRightJustify), (LabelBounds{182, 199, 13, 17}));
  EXPECT_EQ(ShadowLabelAutoSize(version, 40, 16, 1, taLeftJustify), (LabelBounds{168, 199, 43, 17}));
  EXPECT_EQ(ShadowLabelAutoSize(version, 40, 16, 0, taCenter), (LabelBounds{168, 199, 42, 16}));
  // Growing and shrinking again lands on the same right edge.
  const LabelBounds grown = ShadowLabelAutoSize(version, 100, 24, 3, taRightJustify);
  EXPECT_EQ(grown.left + grown.width, 195);
  const LabelBounds shrunk = ShadowLabelAutoSize(grown, 5, 24, 3, taRightJustify);
  EXPECT_EQ(shrunk.left + shrunk.width, 195);
}

TEST(About, ExLabelTextRectByLayout) {
  EXPECT_EQ(ShadowLabelTextRect(65, 17, 13, tlTop), (LabelRect{1, 0, 64, 17}));
  EXPECT_EQ(ShadowLabelTextRect(65, 17, 13, tlCenter), (LabelRect{1, 2, 64, 19}));
  EXPECT_EQ(ShadowLabelTextRect(65, 17, 13, tlBottom), (LabelRect{1, 4, 64, 21}));
  // Text taller than the label: centred text starts above the top.
  EXPECT_EQ(ShadowLabelTextRect(65, 10, 13, tlCenter).top, -1);
}

}  // namespace
}  // namespace vconfig
