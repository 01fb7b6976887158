#include "report/ReportDelivery.h"

#include <gtest/gtest.h>

#include "diagnostics/Errors.h"
#include "locale/Language.h"
#include "fakes/MemoryFileSystem.h"
#include "fakes/RecordingPrinterSurface.h"

namespace vconfig {
namespace {

class FakeStrings : public StringModule {
 public:
  bool Load(const std::string&) override { return true; }
  std::string Text(int id) override {
    if (id == 50201) return "Created on ";
    if (id == 50202) return "Made by ";
    return {};
  }
};

// Lends the test's recording printer to the delivery, which owns what it is given.
struct LentPrinter : PrinterSurface {
  explicit LentPrinter(PrinterSurface& p) : to(p) {}
  bool BeginJob(const std::string& title) override { return to.BeginJob(title); }
  void NewPage() override { to.NewPage(); }
  void EndJob() override { to.EndJob(); }
  int PageWidth() override { return to.PageWidth(); }
  int PageHeight() override { return to.PageHeight(); }
  int DotsPerInchY() override { return to.DotsPerInchY(); }
  void SetFontSize(int points) override { to.SetFontSize(points); }
  int TextHeight(const std::string& text) override { return to.TextHeight(text); }
  void PrintText(int x, int y, const std::string& text) override { to.PrintText(x, y, text); }
  PrinterSurface& to;
};

struct FakeServices : ReportServices {
  MemoryFileSystem files;
  std::optional<std::string> saveName;
  bool printerAvailable = true;
  RecordingPrinterSurface printer;
  bool startSucceeds = true;
  std::vector<std::string> calls;
  std::vector<std::string> started;  // file, parameters, folder
  std::vector<std::string> shown;

  FileSystem& Files() override { return files; }
  std::string ProgramFolder() override { return "C:\\Suite\\Config\\"; }
  std::string ApplicationTitle() override { return "Vorn Info Config"; }
  std::string DateText() override { return "08.12.2026"; }
  std::string TimeText() override { return "7:05:09"; }
  std::optional<std::string> ChooseSaveFile() override {
    calls.push_back("save dialog");
    return saveName;
  }
  std::unique_ptr<PrinterSurface> ChoosePrinter() override {
    calls.push_back("print dialog");
    if (!printerAvailable) return nullptr;
    return std::make_unique<LentPrinter>(printer);
  }
  bool StartProgram(const std::string& file, const std::string& parameters,
                    const std::string& folder) override {
    started = {file, parameters, folder};
    return startSucceeds;
  }
  void ShowInfo(const std::string& text, const std::string& caption) override {
    shown.push_back(caption + ": " + text);
  }
  void ShowError(const std::string& text) override { shown.push_back("Error: " + text); }

  std::string File(const std::string& path) const {
    const auto* f = files.Get(path);
    return f ? f->content : "<missing>";
  }
};

class ReportDelivery : public ::testing::Test {
 protected:
  void SetUp() override { SetLanguageModule(std::make_unique<FakeStrings>()); }
  void TearDown() override { SetLanguageModule(nullptr); }

  // A file line with a quoted number, as the body carries it (escaped), and a line
  // with an image element.
  static TextLines Body() { return {"a=&quot;8&quot;", "<IMG src=\"x\">b"}; }

  FakeServices services;
};

const char* const kTextFile =
    "Vorn Info Report\r\n"
    "Created on 08.12.2026  7:05:09\r\n"
    "a=\"8\"\r\n"
    "b\r\n"  // the text conversion keeps what follows a tag
    " \r\n"
    "\r\n"
    "Made by Vorn Info Config\r\n";

const char* const kHtmlFile =
    "<HTML>\r\n<HEAD>\r\n"
    "<META http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\r\n"
    "<TITLE>Vorn Info Report</TITLE>\r\n</HEAD>\r\n<BODY>\r\n<TABLE>\r\n"
    "<TR><TD><FONT color=\"#000080\" size=\"4\">Vorn Info Report</FONT></TD></TR>\r\n"
    "<TR><TD><FONT color=\"#000000\" size=\"3\">Created on 08.12.2026  7:05:09</FONT></TD></TR>\r\n"
    "<TR><TD>a=&quot;8&quot;</TD></TR>\r\n"  // the file's number stays as it is
    "<TR><TD>b</TD></TR>\r\n"
    "<TR><TD> </TD></TR>\r\n"
    "<TR><TD><HR color-\"#0000FF\"></TD></TR>\r\n"
    "<TR><TD><FONT color=\"#000000\" size=\"2\">Made by Vorn Info Config</FONT></TD></TR>\r\n"
    "</TABLE>\r\n</BODY>\r\n</HTML>\r\n";

TEST_F(ReportDelivery, EmptyBodyOrNoActionProducesNothing) {
  for (auto action : {ReportAction::Save, ReportAction::Print, ReportAction::Send}) {
    TextLines empty;
    DeliverReport(action, empty, services);
  }
  auto body = Body();
  DeliverReport(ReportAction::None, body, services);
  EXPECT_TRUE(services.calls.empty());
  EXPECT_TRUE(services.started.empty());
  EXPECT_EQ(services.files.ListFolder("C:\\Suite\\Vmail\\*.*").size(), 0u);
}

TEST_F(ReportDelivery, SaveChoosesTheFormatByExtensionInAnyCase) {
  const struct {
    const char* name;
    const char* content;  // nullptr: nothing written, a notice instead
  } cases[] = {
      {"C:\\out\\r.txt", kTextFile}, {"C:\\out\\r.TXT", kTextFile},
      {"C:\\out\\r.htm", kHtmlFile}, {"C:\\out\\r.Htm", kHtmlFile},
      {"C:\\out\\r.html", nullptr},  {"C:\\out.d\\report", nullptr},
  };
  for (const auto& c : cases) {
    FakeServices s;
    s.saveName = c.name;
    auto body = Body();
    DeliverReport(ReportAction::Save, body, s);
    if (c.content) {
      EXPECT_EQ(s.File(c.name), c.content) << c.name;
      EXPECT_TRUE(s.shown.empty());
    } else {
      EXPECT_FALSE(s.files.FileExists(c.name)) << c.name;
      EXPECT_EQ(s.shown, std::vector<std::string>{"Vorn Info Config: " +
                                                  std::string(kNotSavedText)});
    }
  }
}

TEST_F(ReportDelivery, CancelledDialogsProduceNothing) {
  auto body = Body();
  DeliverReport(ReportAction::Save, body, services);  // no name chosen
  services.printerAvailable = false;
  body = Body();
  DeliverReport(ReportAction::Print, body, services);
  EXPECT_EQ(services.calls, (std::vector<std::string>{"save dialog", "print dialog"}));
  EXPECT_TRUE(services.shown.empty());
}

TEST_F(ReportDelivery, SendWritesBothFilesBesideTheProgramAndStartsTheMailModule) {
  auto body = Body();
  DeliverReport(ReportAction::Send, body, services);
  EXPECT_EQ(services.File("C:\\Suite\\Vmail\\report.htm"), kHtmlFile);
  // The same text as a saved text report: the file's line as it is in the file.
  EXPECT_EQ(services.File("C:\\Suite\\Vmail\\report.txt"), kTextFile);
  ASSERT_EQ(services.started.size(), 3u);
  EXPECT_EQ(services.started[0], "C:\\Suite\\Vmail\\VnIMail.exe");
  EXPECT_EQ(services.started[1],
            "-vinfo \" \" \"..\\Vmail\\report.txt\" \"..\\Vmail\\report.htm\"");
  EXPECT_EQ(services.started[1].size(), 54u);
  EXPECT_EQ(services.started[2], "C:\\Suite\\Vmail");
  EXPECT_TRUE(services.shown.empty());
}

TEST_F(ReportDelivery, SendFailures) {
  {  // The HTML file cannot be written: nothing after it happens.
    FakeServices s;
    s.files.FailWritesTo("C:\\Suite\\Vmail\\report.htm");
    auto body = Body();
    try {
      DeliverReport(ReportAction::Send, body, s);
      ADD_FAILURE() << "no error";
    } catch (const EFileCreateError& e) {
      EXPECT_STREQ(e.what(), "Cannot create file C:\\Suite\\Vmail\\report.htm");
    }
    EXPECT_FALSE(s.files.FileExists("C:\\Suite\\Vmail\\report.txt"));
    EXPECT_TRUE(s.started.empty());
  }
  {  // A mail module that cannot be started is reported after both files are written.
    FakeServices s;
    s.startSucceeds = false;
    auto body = Body();
    DeliverReport(ReportAction::Send, body, s);
    EXPECT_TRUE(s.files.FileExists("C:\\Suite\\Vmail\\report.txt"));
    EXPECT_EQ(s.shown, std::vector<std::string>{
                           "Error: Cannot start the mail module C:\\Suite\\Vmail\\VnIMail.exe"});
  }
}

TEST_F(ReportDelivery, PrintGetsTheCompletedLines) {
  auto body = Body();
  DeliverReport(ReportAction::Print, body, services);
  std::vector<std::string> printed;
  for (const auto& t : services.printer.texts()) printed.push_back(t.text);
  EXPECT_EQ(printed, (std::vector<std::string>{
                         std::string(32, ' ') + "VornInfo Report", "Vorn Info Report",
                         "Created on 08.12.2026  7:05:09", "a=\"8\"", "b", " ", "",
                         "Made by Vorn Info Config", "-1.-"}));
  EXPECT_TRUE(services.printer.jobEnded());
}

TEST(MailFolder, IsTheProgramsParentsVmail) {
  EXPECT_EQ(MailFolder("C:\\Suite\\Config\\"), "C:\\Suite\\Vmail\\");
  EXPECT_EQ(MailFolder("C:\\Config\\"), "C:\\Vmail\\");
  EXPECT_EQ(MailFolder("C:\\"), "C:\\Vmail\\");
}

}  // namespace
}  // namespace vconfig
