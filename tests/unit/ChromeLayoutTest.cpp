// The chrome's portable rules: tile placement, gauge colours and fill, button
// placement, inactive-copy shading, file dialog record choice.
#include <gtest/gtest.h>

#include "controls/buttons/ExplorerButtonLayout.h"
#include "controls/chrome/GaugeBar.h"
#include "controls/chrome/TiledBackground.h"
#include "controls/chrome/FileDialog.h"

namespace vconfig {
namespace {

TEST(ChromeTiles, TileCoversTheOuterSizeRowByRow) {
  const auto points = TilePositions(586, 493, 250, 8);
  ASSERT_EQ(points.size(), 3u * 62u);
  EXPECT_EQ(points[0], (TilePoint{0, 0}));
  EXPECT_EQ(points[1], (TilePoint{250, 0}));
  EXPECT_EQ(points[2], (TilePoint{500, 0}));
  EXPECT_EQ(points.back(), (TilePoint{500, 488}));
  // An exact fit adds no extra row or column.
  EXPECT_EQ(TilePositions(500, 16, 250, 8).size(), 4u);
}

TEST(ChromeTiles, EmptyTilesEndTheLoop) {
  EXPECT_TRUE(TilePositions(586, 493, 0, 8).empty());
  EXPECT_TRUE(TilePositions(586, 493, 250, 0).empty());
  EXPECT_TRUE(TilePositions(586, 493, -3, 8).empty());
  EXPECT_TRUE(TilePositions(0, 0, 10, 10).empty());
}

TEST(ChromeTiles, SingleCopyModesFollowTheTable) {
  struct Case {
    TTileMode mode;
    TilePoint expected;
  };
  // Client 100 x 61, tile 20 x 10; halves truncate.
  const Case cases[] = {
      {TTileMode::tmCenter, {40, 25}},       {TTileMode::tmLeftVCenter, {0, 25}},
      {TTileMode::tmLeftVTop, {0, 0}},       {TTileMode::tmLeftVBottom, {0, 51}},
      {TTileMode::tmRightVCenter, {79, 25}}, {TTileMode::tmRightVTop, {79, 0}},
      {TTileMode::tmRightVBottom, {79, 51}}, {TTileMode::tmCenterVTop, {40, 0}},
      {TTileMode::tmCenterVBottom, {40, 51}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SingleTilePosition(c.mode, 100, 61, 20, 10), c.expected)
        << "mode " << static_cast<int>(c.mode);
}

TEST(ChromeGauge, MainStripRunsColumnByColumn) {
  const ChromeColor c1 = ChromeRgb(64, 0, 128), c2 = ChromeRgb(112, 133, 190),
                    c3 = ChromeRgb(174, 187, 219);
  const auto lines = GradientLines(TBarColorStyle::cs3Colors, TProgressDirection::pdLeftToRight,
                                   c1, c2, c3, 353);
  ASSERT_EQ(lines.size(), 353u);
  EXPECT_EQ(lines[0], c1);
  EXPECT_EQ(lines[175], c2);  // end of the first run (176 columns)
  EXPECT_EQ(lines[176], c2);  // start of the second run (177 columns)
  EXPECT_EQ(lines[352], c3);
  // Column 88 is line 89 of 176: 64 + 88*48/175 = 88.137.., 0 + 88*133/175 = 66.88, 128 + 88*62/175 = 159.17
  EXPECT_EQ(lines[88], ChromeRgb(88, 67, 159));
  // Column 264 is line 89 of 177: 112 + 88*62/176 = 143, 133 + 88*54/176 = 160, 190 + 88*29/176 = 204.5
  EXPECT_EQ(lines[264], ChromeRgb(143, 160, 205));
}

TEST(ChromeGauge, RunsByDirectionAndStyle) {
  const ChromeColor a = ChromeRgb(10, 0, 0), b = ChromeRgb(0, 20, 0), c = ChromeRgb(0, 0, 30);
  using D = TProgressDirection;
  using S = TBarColorStyle;
  // Two pixels with three colours: two runs of one line each.
  EXPECT_EQ(GradientLines(S::cs3Colors, D::pdLeftToRight, a, b, c, 2),
            (std::vector<ChromeColor>{a, b}));
  EXPECT_EQ(GradientLines(S::cs3Colors, D::pdTopToBottom, a, b, c, 2),
            (std::vector<ChromeColor>{a, b}));
  EXPECT_EQ(GradientLines(S::cs3Colors, D::pdRightToLeft, a, b, c, 2),
            (std::vector<ChromeColor>{c, b}));
  EXPECT_EQ(GradientLines(S::cs3Colors, D::pdBottomToTop, a, b, c, 3),
            (std::vector<ChromeColor>{c, GradientColor(b, a, 2, 1), a}));
  EXPECT_EQ(GradientLines(S::cs2Colors, D::pdRightToLeft, a, b, c, 3).back(), a);
  EXPECT_EQ(GradientLines(S::cs2Colors, D::pdLeftToRight, a, b, c, 3).front(), a);
  EXPECT_EQ(GradientLines(S::cs1Color, D::pdLeftToRight, a, b, c, 2),
            (std::vector<ChromeColor>{a, a}));
  EXPECT_TRUE(GradientLines(S::cs3Colors, D::pdLeftToRight, a, b, c, 0).empty());
  EXPECT_TRUE(GradientLines(S::cs3Colors, D::pdLeftToRight, a, b, c, 1) ==
              (std::vector<ChromeColor>{b}));
}

TEST(ChromeGauge, StepOutsideTheRunIsARangeError) {
  EXPECT_EQ(GradientColor(ChromeRgb(1, 2, 3), ChromeRgb(9, 9, 9), 1, 1), ChromeRgb(1, 2, 3));
  for (int index : {0, 6, -1}) {
    try {
      GradientColor(0, 0xFFFFFF, 5, index);
      ADD_FAILURE() << "no error for index " << index;
    } catch (const EGaugeRangeError& e) {
      EXPECT_STREQ(e.what(), "ColorIndex can't be less than 1 or greater than 5");
    }
  }
}

TEST(ChromeGauge, FilledLengthRoundsHalvesToEven) {
  struct Case {
    int position, min, max, inner, expected;
  };
  const Case cases[] = {
      {50, 0, 100, 100, 50},  // 102-pixel bar with border
      {100, 0, 100, 100, 100}, {0, 0, 100, 100, 0},  {-5, 0, 100, 100, 0},
      {1, 0, 4, 2, 0},         // 0.5 -> 0
      {3, 0, 4, 2, 2},         // 1.5 -> 2
      {5, 0, 4, 2, 2},         // beyond the range: never more than the inner length
      {111, 0, 111, 351, 351}, {7, 7, 7, 50, 0},  // empty range
      {5, 10, 0, 10, 0},       // position at or below Min
  };
  for (const Case& c : cases)
    EXPECT_EQ(FilledLength(c.position, c.min, c.max, c.inner), c.expected)
        << c.position << " of " << c.min << ".." << c.max << " on " << c.inner;
}

TEST(ChromeButton, PlacementFollowsLayoutAndAlignment) {
  using L = TExplBtnLayout;
  using A = TExplBtnAlignment;
  struct Case {
    L layout;
    A alignment;
    int glyphLeft, glyphTop;
    BtnRect text;
  };
  // A 90 x 19 button, 16 x 16 glyph, caption 40 x 13.
  const Case cases[] = {
      {L::blBitmapLeft, A::taCenter, 16, 1, {34, 3, 74, 16}},
      {L::blBitmapLeft, A::taLeftJustify, 3, 1, {21, 3, 61, 16}},
      {L::blBitmapLeft, A::taRightJustify, 29, 1, {47, 3, 87, 16}},
      {L::blBitmapRight, A::taCenter, 58, 1, {16, 3, 56, 16}},
      {L::blBitmapRight, A::taLeftJustify, 45, 1, {3, 3, 43, 16}},
      {L::blBitmapRight, A::taRightJustify, 71, 1, {29, 3, 69, 16}},
      // F = 19 - 13 - 16 - 2 = -12, so F / 2 = -6.
      {L::blBitmapTop, A::taCenter, 37, -6, {25, 12, 65, 25}},
      {L::blBitmapBottom, A::taRightJustify, 71, 9, {47, -6, 87, 7}},
      {L::blBitmapTop, A::taLeftJustify, 3, -6, {3, 12, 43, 25}},
  };
  for (const Case& c : cases) {
    BtnPlacementInput in;
    in.usableWidth = 90;
    in.height = 19;
    in.textWidth = 40;
    in.textHeight = 13;
    in.gap = 2;
    in.hasGlyph = true;
    in.glyphWidth = 16;
    in.glyphHeight = 16;
    in.layout = c.layout;
    in.alignment = c.alignment;
    const BtnPlacement p = PlaceGlyphAndText(in);
    EXPECT_EQ(p.glyphLeft, c.glyphLeft) << static_cast<int>(c.layout) << "/" << static_cast<int>(c.alignment);
    EXPECT_EQ(p.glyphTop, c.glyphTop) << static_cast<int>(c.layout) << "/" << static_cast<int>(c.alignment);
    EXPECT_EQ(p.text, c.text) << static_cast<int>(c.layout) << "/" << static_cast<int>(c.alignment);
  }
}

TEST(ChromeButton, TextIsCutToTheRoomBesideTheGlyph) {
  BtnPlacementInput in;
  in.usableWidth = 90;
  in.height = 19;
  in.textWidth = 86;  // measured, limited to A - 4
  in.textHeight = 13;
  in.gap = 2;
  in.hasGlyph = true;
  in.glyphWidth = 16;
  in.glyphHeight = 16;
  in.layout = TExplBtnLayout::blBitmapLeft;
  in.alignment = TExplBtnAlignment::taCenter;
  EXPECT_EQ(PlaceGlyphAndText(in).text.width(), 90 - 4 - 2 - 16);
  // Without a glyph the caption alone is placed.
  in.hasGlyph = false;
  in.textWidth = 40;
  EXPECT_EQ(PlaceGlyphAndText(in).text, (BtnRect{25, 3, 65, 16}));
  in.alignment = TExplBtnAlignment::taRightJustify;
  EXPECT_EQ(PlaceGlyphAndText(in).text.left, 47);
  // Wrapped text ends at least 5 pixels before the usable width.
  in.alignment = TExplBtnAlignment::taLeftJustify;
  in.wordWrap = true;
  in.textWidth = 86;
  EXPECT_EQ(PlaceGlyphAndText(in).text.right, 85);
}

TEST(ChromeButton, InactiveCopyThresholds) {
  struct Case {
    TExplBtnShadingType type;
    int sum;
    InactiveShade expected;
  };
  using S = TExplBtnShadingType;
  using I = InactiveShade;
  const Case cases[] = {
      {S::stLight, 206, I::kWhite},     {S::stLight, 205, I::kHighlight},
      {S::stLight, 128, I::kHighlight}, {S::stLight, 127, I::kShadow},
      {S::stLight, 69, I::kShadow},     {S::stLight, 68, I::kBlack},
      {S::stMedium, 554, I::kWhite},    {S::stMedium, 553, I::kHighlight},
      {S::stMedium, 232, I::kHighlight}, {S::stMedium, 231, I::kShadow},
      {S::stMedium, 58, I::kShadow},    {S::stMedium, 57, I::kBlack},
      {S::stDark, 336, I::kWhite},      {S::stDark, 335, I::kHighlight},
      {S::stDark, 275, I::kHighlight},  {S::stDark, 274, I::kShadow},
      {S::stDark, 176, I::kShadow},     {S::stDark, 175, I::kBlack},
      {S::stDark, 0, I::kBlack},        {S::stMedium, 765, I::kWhite},
  };
  for (const Case& c : cases) {
    // Spread the sum over the channels: only the sum counts.
    const int r = c.sum / 3, g = c.sum / 3, b = c.sum - 2 * (c.sum / 3);
    EXPECT_EQ(InactiveShadeFor(c.type, r, g, b), c.expected)
        << "type " << static_cast<int>(c.type) << " sum " << c.sum;
  }
}

TEST(ChromeButton, CaptionAccelerator) {
  EXPECT_EQ(CaptionAccelerator("&Save"), 'S');
  EXPECT_EQ(CaptionAccelerator("Cl&ose"), 'O');
  EXPECT_EQ(CaptionAccelerator("R&&D &tools"), 'T');
  EXPECT_EQ(CaptionAccelerator("Plain"), 0);
  EXPECT_EQ(CaptionAccelerator("Trailing&"), 0);
}

TEST(ChromeFileDialog, ExtendedRecordFromNt5On) {
  struct Case {
    uint32_t platform, major;
    bool placesBar;
    FileDialogRecordChoice expected;
  };
  const Case cases[] = {
      {1, 4, true, {false, 76, 0}},   // 98
      {2, 4, false, {false, 76, 0}},  // NT 4.0
      {2, 5, true, {true, 88, 0}},    // 2000, places bar shown
      {2, 5, false, {true, 88, 1}},   // 2000, OFN_EX_NOPLACESBAR
      {2, 6, false, {true, 88, 1}},
  };
  for (const Case& c : cases) {
    VersionRecord v;
    v.platformId = c.platform;
    v.major = c.major;
    const FileDialogRecordChoice got = ChooseFileDialogRecord(v, c.placesBar);
    EXPECT_EQ(got.extended, c.expected.extended) << c.platform << "." << c.major;
    EXPECT_EQ(got.size, c.expected.size) << c.platform << "." << c.major;
    EXPECT_EQ(got.flagsEx, c.expected.flagsEx) << c.platform << "." << c.major;
  }
  EXPECT_EQ(FileDialogFilter("Text files|*.txt|All files|*.*"),
            std::string("Text files\0*.txt\0All files\0*.*\0\0", 32));
  EXPECT_EQ(FileDialogFilter(""), "");
}

}  // namespace
}  // namespace vconfig
