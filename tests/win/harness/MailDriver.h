// The real mail module in a suite copy, and the recording mapi32.dll beside it that
// stands in for the user's mail program (build/win/testmapi/mapi32.dll).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "harness/Harness.h"

namespace vtest {

// The command line the program starts the mail module with, from its Vmail folder.
constexpr char kMailModuleArgs[] =
    "-vinfo \" \" \"..\\Vmail\\report.txt\" \"..\\Vmail\\report.htm\"";

// Puts the real VnIMail.exe of this build over the suite copy's recording stand-in,
// and the recording mapi32.dll beside it when asked. Returns the Vmail folder.
std::string InstallRealMailModule(const SuiteCopy& suite, bool withRecordingMapi);

// Which mapi32.dll Wine gives VnIMail.exe while this lives: "native,builtin" the one
// beside it, "" none at all (Wine's own otherwise, even with one beside it).
class MapiLoadOrder {
 public:
  explicit MapiLoadOrder(const char* order);
  ~MapiLoadOrder();
  MapiLoadOrder(const MapiLoadOrder&) = delete;
  MapiLoadOrder& operator=(const MapiLoadOrder&) = delete;
};

// What the recording mapi32.dll received (mapi32.record in the mail folder).
struct MapiRecord {
  bool complete = false;  // the file was there and whole
  unsigned long flags = 0;
  std::string subject;
  int recipients = -1;
  int files = -1;
  std::vector<std::string> attachments;  // "PATH|NAME"
  std::string body;
};
MapiRecord ReadMapiRecord(const std::string& mailFolder);
// Makes the recording MAPISendMail return this code (MAPI_USER_ABORT, MAPI_E_FAILURE...).
void SetMapiResult(const std::string& mailFolder, unsigned long code);

}  // namespace vtest
