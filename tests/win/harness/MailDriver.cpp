#include "harness/MailDriver.h"

#include <cstdlib>

namespace vtest {

namespace {

constexpr char kOverrides[] = "Software\\Wine\\AppDefaults\\VnIMail.exe\\DllOverrides";
constexpr char kApp[] = "Software\\Wine\\AppDefaults\\VnIMail.exe";

std::string BuildFolder() {
  const std::string exe = TestProgramPath();
  return exe.substr(0, exe.find_last_of('\\') + 1);
}

}  // namespace

std::string InstallRealMailModule(const SuiteCopy& suite, bool withRecordingMapi) {
  const std::string vmail = suite.root() + "Vmail\\";
  ::CreateDirectoryA(vmail.c_str(), nullptr);
  ::DeleteFileA((vmail + "VnIMail.exe").c_str());
  ::CopyFileA((BuildFolder() + "VnIMail.exe").c_str(), (vmail + "VnIMail.exe").c_str(), FALSE);
  if (withRecordingMapi)
    ::CopyFileA((BuildFolder() + "testmapi\\mapi32.dll").c_str(), (vmail + "mapi32.dll").c_str(),
                FALSE);
  return vmail;
}

MapiLoadOrder::MapiLoadOrder(const char* order) {
  HKEY key = nullptr;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, kOverrides, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
    return;
  vconfig::UniqueHKey owned(key);
  ::RegSetValueExA(key, "mapi32", 0, REG_SZ, reinterpret_cast<const BYTE*>(order),
                   static_cast<DWORD>(std::string(order).size() + 1));
}

MapiLoadOrder::~MapiLoadOrder() {
  ::RegDeleteKeyA(HKEY_CURRENT_USER, kOverrides);
  ::RegDeleteKeyA(HKEY_CURRENT_USER, kApp);
}

MapiRecord ReadMapiRecord(const std::string& mailFolder) {
  MapiRecord record;
  const std::string path = mailFolder + "mapi32.record";
  if (!FileExists(path)) return record;
  const std::string bytes = ReadFileBytes(path);
  size_t at = 0;
  for (;;) {
    const size_t end = bytes.find("\r\n", at);
    if (end == std::string::npos) return record;
    const std::string line = bytes.substr(at, end - at);
    at = end + 2;
    const size_t eq = line.find('=');
    const std::string key = line.substr(0, eq), value = line.substr(eq + 1);
    if (key == "flags") record.flags = std::strtoul(value.c_str(), nullptr, 10);
    if (key == "subject") record.subject = value;
    if (key == "recipients") record.recipients = std::atoi(value.c_str());
    if (key == "files") record.files = std::atoi(value.c_str());
    if (key == "file") record.attachments.push_back(value);
    if (key == "body") {
      record.body = bytes.substr(at);
      record.complete = record.body.size() == std::strtoul(value.c_str(), nullptr, 10);
      return record;
    }
  }
}

void SetMapiResult(const std::string& mailFolder, unsigned long code) {
  WriteFileBytes(mailFolder + "mapi32.result", std::to_string(code));
}

}  // namespace vtest
