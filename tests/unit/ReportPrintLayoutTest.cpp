#include <gtest/gtest.h>

#include <algorithm>

#include "report/PrintLayout.h"
#include "fakes/RecordingPrinterSurface.h"

namespace vconfig {
namespace {

using Text = RecordingPrinterSurface::Text;

TEST(ReportPrintLayout, TitlesSizesAndAdvanceOnOnePage) {
  RecordingPrinterSurface printer(4800, 6600, 600);
  ASSERT_TRUE(printtext({"<FONT color=\"clnavy\" size=\"14\">Vorn Info Report</FONT>", "plain",
                         "<FONT size=\"x\">odd</FONT>", "<FONT size=\"2\">tiny</FONT>"},
                        printer));
  const auto& t = printer.texts();
  ASSERT_EQ(t.size(), 6u);
  const int margin = 4800 / 20, gap = 600 / 10;
  const struct {
    const char* text;
    int points;
  } expected[] = {{"                                VornInfo Report", 14},
                  {"Vorn Info Report", 14},
                  {"plain", kPrintDefaultPoints},
                  {"odd", kPrintDefaultPoints},
                  {"tiny", 2}};
  int y = 0;
  for (size_t i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(t[i].text, expected[i].text);
    EXPECT_EQ(t[i].points, expected[i].points);
    EXPECT_EQ(t[i].x, margin);
    // Each line starts below the one before, by its own printed height and the gap.
    y += printer.HeightFor(expected[i].points) + gap;
    EXPECT_EQ(t[i].y, y);
  }
  // Footer of the only page: 8 points from half the page width.
  EXPECT_EQ(t[5].text, "-1.-");
  EXPECT_EQ(t[5].points, kPrintFooterPoints);
  EXPECT_EQ(t[5].x, 2400);
  // In a band of its own at the foot of the page.
  EXPECT_EQ(t[5].y, 6600 - printer.HeightFor(kPrintFooterPoints) - gap);
  EXPECT_EQ(printer.pages(), 1);
  EXPECT_TRUE(printer.jobEnded());
  EXPECT_EQ(printer.jobTitle(), kPrintJobTitle);
}

TEST(ReportPrintLayout, LongReportBreaksPagesWithFooters) {
  RecordingPrinterSurface printer(4800, 6600, 600);
  TextLines lines;
  for (int i = 0; i < 150; ++i)
    lines.push_back(i % 10 == 0 ? "<FONT size=\"14\">head " + std::to_string(i) + "</FONT>"
                                : "line " + std::to_string(i));
  ASSERT_TRUE(printtext(lines, printer));
  const int margin = 240, gap = 60;
  const int footerTop = 6600 - printer.HeightFor(kPrintFooterPoints) - gap;
  std::vector<Text> footers, body;
  for (const auto& t : printer.texts()) (t.points == kPrintFooterPoints ? footers : body).push_back(t);
  ASSERT_EQ(body.size(), 151u);
  ASSERT_EQ(static_cast<int>(footers.size()), printer.pages());
  ASSERT_GE(printer.pages(), 3);
  for (size_t i = 0; i < footers.size(); ++i) {
    EXPECT_EQ(footers[i].text, "-" + std::to_string(i + 1) + ".-");
    EXPECT_EQ(footers[i].page, static_cast<int>(i + 1));
    EXPECT_EQ(footers[i].x, 2400);
    EXPECT_EQ(footers[i].y, footerTop);
  }
  for (size_t i = 1; i < body.size(); ++i) {
    const Text& a = body[i - 1];
    const Text& b = body[i];
    SCOPED_TRACE(b.text);
    EXPECT_EQ(b.points, b.text.rfind("head", 0) == 0 ? 14 : kPrintDefaultPoints);
    if (a.page == b.page) {
      EXPECT_EQ(b.y, a.y + printer.HeightFor(b.points) + gap);
      EXPECT_GE(b.y, a.y + printer.HeightFor(a.points)) << "overlaps the line before";
    } else {
      // A page's first line: at its own height plus the gap. The line did not fit
      // below the last one without running into the footer's band or the margin.
      EXPECT_EQ(b.page, a.page + 1);
      EXPECT_EQ(b.y, printer.HeightFor(b.points) + gap);
      const int wouldBe = a.y + printer.HeightFor(b.points) + gap;
      EXPECT_GT(wouldBe + printer.HeightFor(b.points),
                std::min(6600 - margin, footerTop - gap));
    }
    // Every line ends a gap above its page's footer: nothing overprints it.
    EXPECT_LE(b.y + printer.HeightFor(b.points), footerTop - gap);
  }
}

TEST(ReportPrintLayout, CancelledJobPrintsNothing) {
  RecordingPrinterSurface printer;
  printer.CancelNextJob();
  EXPECT_FALSE(printtext({"a"}, printer));
  EXPECT_TRUE(printer.texts().empty());
}

}  // namespace
}  // namespace vconfig
