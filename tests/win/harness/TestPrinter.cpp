#include "harness/TestPrinter.h"

#include <windows.h>

#include <winspool.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace vtest {
namespace {

const char* const kPort = "LPT1:";
const char* const kSpoolerKey = "Software\\Wine\\Printing\\Spooler";
const char* const kEnvironment = "Windows NT x86";

// A4 at 600 dpi with 0.25 inch margins; enough for Wine's PostScript driver.
const char kPpd[] =
    "*PPD-Adobe: \"4.3\"\n*FormatVersion: \"4.3\"\n*FileVersion: \"1.0\"\n"
    "*LanguageEncoding: ISOLatin1\n*LanguageVersion: English\n*Manufacturer: \"VTest\"\n"
    "*ModelName: \"VTest PostScript\"\n*ShortNickName: \"VTest PostScript\"\n"
    "*NickName: \"VTest PostScript\"\n*PCFileName: \"VTEST.PPD\"\n*Product: \"(VTest)\"\n"
    "*PSVersion: \"(3010) 0\"\n*LanguageLevel: \"3\"\n*ColorDevice: False\n"
    "*DefaultColorSpace: Gray\n*TTRasterizer: Type42\n"
    "*OpenUI *Resolution: PickOne\n*DefaultResolution: 600dpi\n"
    "*Resolution 600dpi: \"<</HWResolution[600 600]>>setpagedevice\"\n*CloseUI: *Resolution\n"
    "*OpenUI *PageSize: PickOne\n*DefaultPageSize: A4\n"
    "*PageSize A4/A4: \"<</PageSize[595 842]>>setpagedevice\"\n*CloseUI: *PageSize\n"
    "*OpenUI *PageRegion: PickOne\n*DefaultPageRegion: A4\n"
    "*PageRegion A4/A4: \"<</PageSize[595 842]>>setpagedevice\"\n*CloseUI: *PageRegion\n"
    "*DefaultImageableArea: A4\n*ImageableArea A4/A4: \"18 18 577 824\"\n"
    "*DefaultPaperDimension: A4\n*PaperDimension A4/A4: \"595 842\"\n";

std::string DefaultPrinter() {
  char name[512] = {};
  DWORD size = sizeof name;
  return ::GetDefaultPrinterA(name, &size) ? name : "";
}

void DeleteTestPrinter() {
  HANDLE printer = nullptr;
  PRINTER_DEFAULTSA access{nullptr, nullptr, PRINTER_ALL_ACCESS};
  if (::OpenPrinterA(const_cast<char*>(TestPrinter::kName), &printer, &access)) {
    ::DeletePrinter(printer);
    ::ClosePrinter(printer);
  }
  ::DeletePrinterDriverA(nullptr, const_cast<char*>(kEnvironment),
                         const_cast<char*>(TestPrinter::kName));
}

std::string Quote(const std::string& s) { return "'" + s + "'"; }

}  // namespace

std::string UnixPath(const std::string& windowsPath) {
  using ToUnix = char*(__cdecl*)(LPCWSTR);
  // Through the generic function type: GetProcAddress knows no signatures.
  static const auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void (*)()>(
      ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  if (!toUnix) return {};
  wchar_t wide[MAX_PATH] = {};
  ::MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide, MAX_PATH);
  char* unix = toUnix(wide);
  if (!unix) return {};
  std::string out = unix;
  ::HeapFree(::GetProcessHeap(), 0, unix);
  return out;
}

TestPrinter::TestPrinter(const std::string& outputPath) {
  previousDefault_ = DefaultPrinter();
  DeleteTestPrinter();

  // The spooler writes jobs for the port to a Unix file.
  HKEY key = nullptr;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, kSpoolerKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
    error_ = "spooler key";
    return;
  }
  char previous[1024] = {};
  DWORD size = sizeof previous - 1;
  hadMapping_ = ::RegQueryValueExA(key, kPort, nullptr, nullptr,
                                   reinterpret_cast<BYTE*>(previous), &size) == ERROR_SUCCESS;
  previousMapping_ = previous;
  const std::string target = UnixPath(outputPath);
  ::RegSetValueExA(key, kPort, 0, REG_SZ, reinterpret_cast<const BYTE*>(target.c_str()),
                   static_cast<DWORD>(target.size() + 1));
  ::RegCloseKey(key);

  char system[MAX_PATH] = {};
  ::GetSystemDirectoryA(system, MAX_PATH);
  const std::string drivers = std::string(system) + "\\spool\\drivers\\w32x86\\3";
  ::CreateDirectoryA((std::string(system) + "\\spool\\drivers").c_str(), nullptr);
  ::CreateDirectoryA((std::string(system) + "\\spool\\drivers\\w32x86").c_str(), nullptr);
  ::CreateDirectoryA(drivers.c_str(), nullptr);
  const std::string ppd = drivers + "\\vtest.ppd";
  if (!WriteFileBytes(ppd, std::string(kPpd, sizeof kPpd - 1))) {
    error_ = "PPD file";
    return;
  }

  DRIVER_INFO_3A driver{};
  driver.cVersion = 3;
  driver.pName = const_cast<char*>(kName);
  driver.pEnvironment = const_cast<char*>(kEnvironment);
  driver.pDriverPath = const_cast<char*>("wineps.drv");
  driver.pDataFile = const_cast<char*>(ppd.c_str());
  driver.pConfigFile = const_cast<char*>("wineps.drv");
  driver.pDefaultDataType = const_cast<char*>("RAW");
  if (!::AddPrinterDriverA(nullptr, 3, reinterpret_cast<BYTE*>(&driver))) {
    error_ = "AddPrinterDriver " + std::to_string(::GetLastError());
    return;
  }
  PRINTER_INFO_2A info{};
  info.pPrinterName = const_cast<char*>(kName);
  info.pPortName = const_cast<char*>(kPort);
  info.pDriverName = const_cast<char*>(kName);
  info.pPrintProcessor = const_cast<char*>("WinPrint");
  info.pDatatype = const_cast<char*>("RAW");
  info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
  HANDLE printer = ::AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
  if (!printer) {
    error_ = "AddPrinter " + std::to_string(::GetLastError());
    return;
  }
  ::ClosePrinter(printer);
  if (!::SetDefaultPrinterA(kName)) {
    error_ = "SetDefaultPrinter";
    return;
  }
  installed_ = true;
}

TestPrinter::~TestPrinter() {
  DeleteTestPrinter();
  if (!previousDefault_.empty()) ::SetDefaultPrinterA(previousDefault_.c_str());
  RestorePortMapping();
}

void TestPrinter::RestorePortMapping() {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, kSpoolerKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
    return;
  if (hadMapping_)
    ::RegSetValueExA(key, kPort, 0, REG_SZ, reinterpret_cast<const BYTE*>(previousMapping_.c_str()),
                     static_cast<DWORD>(previousMapping_.size() + 1));
  else
    ::RegDeleteValueA(key, kPort);
  ::RegCloseKey(key);
}

bool WaitForPrintout(const std::string& psPath, std::chrono::milliseconds timeout) {
  return WaitFor([&] {
    const std::string ps = ReadFileBytes(psPath);
    return ps.find("%%EOF") != std::string::npos;
  }, timeout);
}

bool RunUnixCommand(const std::string& shellCommand, const std::string& resultPath,
                    std::chrono::milliseconds timeout) {
  ::DeleteFileA(resultPath.c_str());
  // Wine starts a Unix program named by its Unix path; its end cannot be waited for
  // through the process handle, so the result file tells.
  std::string cmd = "/bin/sh -c \"" + shellCommand + "\"";
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!::CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi))
    return false;
  ::CloseHandle(pi.hThread);
  ::CloseHandle(pi.hProcess);
  return WaitFor([&] { return FileExists(resultPath); }, timeout);
}

namespace {

// Runs Ghostscript on a printout into `out` (a Windows path), written whole.
bool Ghostscript(const std::string& psPath, const std::string& device, const std::string& out,
                 const std::string& extra = "") {
  const std::string unixOut = UnixPath(out);
  const std::string cmd = "gs -q -dNOPAUSE -dBATCH -dSAFER " + extra + " -sDEVICE=" + device +
                          " -sOutputFile=" + Quote(unixOut + ".part") + " " +
                          Quote(UnixPath(psPath)) + " && mv " + Quote(unixOut + ".part") + " " +
                          Quote(unixOut);
  return RunUnixCommand(cmd, out);
}

// Ghostscript writes UTF-8, with the space glyph as a no-break space (C2 A0) and
// the hyphen as a soft hyphen (C2 AD).
std::string PlainGlyphs(const std::string& text) {
  std::string plain;
  for (size_t i = 0; i < text.size(); ++i) {
    const bool c2 = static_cast<unsigned char>(text[i]) == 0xC2 && i + 1 < text.size();
    if (c2 && static_cast<unsigned char>(text[i + 1]) == 0xAD) {
      plain += '-';
      ++i;
    } else if (c2 && static_cast<unsigned char>(text[i + 1]) == 0xA0) {
      plain += ' ';
      ++i;
    } else {
      plain += text[i];
    }
  }
  return plain;
}

// The value of attribute `name` in an XML element's text.
std::string Attribute(const std::string& element, const std::string& name) {
  const size_t at = element.find(" " + name + "=\"");
  if (at == std::string::npos) return {};
  const size_t begin = at + name.size() + 3;
  const size_t end = element.find('"', begin);
  std::string value = element.substr(begin, end == std::string::npos ? end : end - begin);
  // Character references: the no-break space and the soft hyphen Ghostscript writes
  // for the space and the hyphen, and the ASCII ones.
  for (size_t p = value.find("&#x"); p != std::string::npos; p = value.find("&#x", p + 1)) {
    const size_t semi = value.find(';', p);
    if (semi == std::string::npos) break;
    const unsigned long code = strtoul(value.substr(p + 3, semi - p - 3).c_str(), nullptr, 16);
    const char c = code == 0xA0 ? ' ' : code == 0xAD ? '-' : code < 0x80 ? char(code) : '?';
    value.replace(p, semi - p + 1, 1, c);
  }
  for (const auto& [entity, c] : {std::pair<const char*, const char*>{"&quot;", "\""},
                                  {"&lt;", "<"}, {"&gt;", ">"}, {"&apos;", "'"}, {"&amp;", "&"}}) {
    for (size_t p = value.find(entity); p != std::string::npos; p = value.find(entity, p + 1))
      value.replace(p, strlen(entity), c);
  }
  return value;
}

}  // namespace

std::string PrintedText(const std::string& psPath) {
  const std::string out = psPath + ".txt";
  if (!Ghostscript(psPath, "txtwrite", out)) return {};
  std::string text = ReadFileBytes(out);
  ::DeleteFileA(out.c_str());
  return PlainGlyphs(text);
}

std::vector<PrintedSpan> PrintedSpans(const std::string& psPath) {
  const std::string out = psPath + ".xml";
  std::vector<PrintedSpan> spans;
  if (!Ghostscript(psPath, "txtwrite", out, "-dTextFormat=0")) return spans;
  const std::string xml = ReadFileBytes(out);
  ::DeleteFileA(out.c_str());
  int page = 0;
  for (size_t at = xml.find('<'); at != std::string::npos; at = xml.find('<', at + 1)) {
    const size_t end = xml.find('>', at);
    if (end == std::string::npos) break;
    const std::string element = xml.substr(at, end - at + 1);
    if (element.rfind("<page", 0) == 0) {
      ++page;
    } else if (element.rfind("<span", 0) == 0) {
      PrintedSpan span;
      span.page = page;
      double x0 = 0, y0 = 0;
      sscanf(Attribute(element, "bbox").c_str(), "%lf %lf", &x0, &y0);
      span.baseline = y0;
      span.size = atof(Attribute(element, "size").c_str());
      // The driver places glyph by glyph: runs in a row on one base line in one size
      // are one printed text.
      const bool goesOn = !spans.empty() && spans.back().page == page &&
                          spans.back().baseline == span.baseline && spans.back().size == span.size;
      if (!goesOn) spans.push_back(span);
    } else if (element.rfind("<char", 0) == 0 && !spans.empty()) {
      spans.back().text += PlainGlyphs(Attribute(element, "c"));
    }
  }
  return spans;
}

int PrintedPages(const std::string& psPath) {
  const std::string ps = ReadFileBytes(psPath);
  int pages = 0;
  for (size_t at = ps.find("\n%%Page:"); at != std::string::npos; at = ps.find("\n%%Page:", at + 1))
    ++pages;
  return pages;
}

bool PrintoutToPdf(const std::string& psPath, const std::string& pdfPath) {
  return Ghostscript(psPath, "pdfwrite", pdfPath);
}

bool PrintoutPageToPng(const std::string& psPath, const std::string& pngPath) {
  return Ghostscript(psPath, "png16m", pngPath, "-r72 -dFirstPage=1 -dLastPage=1");
}

}  // namespace vtest
