// A mapi32.dll for the mail module's tests, placed beside VnIMail.exe: MAPISendMail
// records the message it receives in mapi32.record beside this library (written
// whole, then renamed, so that a test never reads half a record) and returns the
// number written in mapi32.result beside it, success when there is none.
//
// Record: "flags=", "subject=", "recipients=", "files=" lines, a "file=PATH|NAME"
// line per attachment, then "body=LENGTH" and the note text's bytes.
#include <windows.h>

#include <mapi.h>

#include <cstdlib>
#include <string>

namespace {

HMODULE self = nullptr;

std::string Beside(const char* name) {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(self, path, MAX_PATH);
  std::string s = path;
  return s.substr(0, s.find_last_of('\\') + 1) + name;
}

std::string Text(const char* s) { return s ? s : "(null)"; }

bool WriteAll(const std::string& path, const std::string& bytes) {
  HANDLE f = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = ::WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  ::CloseHandle(f);
  return ok && written == bytes.size();
}

ULONG ResultToReturn() {
  HANDLE f = ::CreateFileA(Beside("mapi32.result").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return SUCCESS_SUCCESS;
  char digits[16] = {};
  DWORD read = 0;
  ::ReadFile(f, digits, sizeof digits - 1, &read, nullptr);
  ::CloseHandle(f);
  return static_cast<ULONG>(atoi(digits));
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) self = instance;
  return TRUE;
}

extern "C" __declspec(dllexport) ULONG WINAPI MAPISendMail(LHANDLE, ULONG_PTR, lpMapiMessage message,
                                                           FLAGS flags, ULONG) {
  if (!message) return MAPI_E_FAILURE;
  std::string record = "flags=" + std::to_string(flags) + "\r\n";
  record += "subject=" + Text(message->lpszSubject) + "\r\n";
  record += "recipients=" + std::to_string(message->nRecipCount) + "\r\n";
  record += "files=" + std::to_string(message->nFileCount) + "\r\n";
  for (ULONG i = 0; i < message->nFileCount && message->lpFiles; ++i)
    record += "file=" + Text(message->lpFiles[i].lpszPathName) + "|" +
              Text(message->lpFiles[i].lpszFileName) + "\r\n";
  const std::string body = Text(message->lpszNoteText);
  record += "body=" + std::to_string(body.size()) + "\r\n" + body;
  const std::string path = Beside("mapi32.record");
  if (!WriteAll(path + ".tmp", record) ||
      !::MoveFileExA((path + ".tmp").c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING))
    return MAPI_E_FAILURE;
  return ResultToReturn();
}
