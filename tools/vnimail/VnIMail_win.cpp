// The suite's mail module. Vorn Info Config's Send writes the report twice and starts
//   VnIMail.exe -vinfo " " "<report.txt>" "<report.htm>"
// in this folder; the module hands the report to the user's mail program (the text
// file's content as the message, the HTML file attached) and leaves both files where
// they are, so that a report that could not be sent is still at hand.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "SimpleMapi_win.h"
#include "platform/Handles_win.h"

namespace {

constexpr char kCaption[] = "Vorn Info Mail";
constexpr char kSubject[] = "Vorn Info Report";
constexpr int kTextArgument = 3;
constexpr int kHtmlArgument = 4;

enum ExitCode { kSent = 0, kCancelled = 1, kNotSent = 2 };

void Say(const std::string& text, UINT icon) {
  ::MessageBoxA(nullptr, text.c_str(), kCaption, MB_OK | icon | MB_SETFOREGROUND);
}

// The file names come relative to the working folder; the mail program needs them whole.
std::string FullPath(const std::string& path) {
  const DWORD needed = ::GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return path;
  std::string full(needed, '\0');
  const DWORD length = ::GetFullPathNameA(path.c_str(), needed, full.data(), nullptr);
  if (length == 0 || length >= needed) return path;
  full.resize(length);
  return full;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  vconfig::UniqueFile file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  bytes.clear();
  char buffer[64 * 1024];
  for (;;) {
    DWORD read = 0;
    if (!::ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr)) return false;
    if (read == 0) return true;
    bytes.append(buffer, read);
  }
}

bool IsFile(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (__argc <= kHtmlArgument) {
    Say("The mail module sends the reports of Vorn Info Config: press Send in its report "
        "window.",
        MB_ICONINFORMATION);
    return kNotSent;
  }
  const std::string textPath = FullPath(__argv[kTextArgument]);
  const std::string htmlPath = FullPath(__argv[kHtmlArgument]);
  vmail::MailMessage message;
  if (!ReadWholeFile(textPath, message.body)) {
    Say("Cannot open file " + textPath, MB_ICONERROR);
    return kNotSent;
  }
  if (!IsFile(htmlPath)) {
    Say("Cannot open file " + htmlPath, MB_ICONERROR);
    return kNotSent;
  }
  message.subject = kSubject;
  message.attachmentPath = htmlPath;
  message.attachmentName = htmlPath.substr(htmlPath.find_last_of("\\/") + 1);

  switch (vmail::SendWithMailProgram(message)) {
    case vmail::MailOutcome::kSent:
      return kSent;
    case vmail::MailOutcome::kCancelled:  // the user's own choice: nothing to say
      return kCancelled;
    case vmail::MailOutcome::kNotSent:
      break;
  }
  Say("No mail program is set up to send the report. The report was saved as " + htmlPath + ".",
      MB_ICONERROR);
  return kNotSent;
}
