#include "SimpleMapi_win.h"

#include <windows.h>

#include <mapi.h>

#include <vector>

#include "platform/Handles_win.h"

namespace vmail {

MailOutcome SendWithMailProgram(const MailMessage& message) {
  // By name: the system's mapi32.dll routes the call to the default mail program. The
  // program's folder comes first in the search, as it does for every module.
  vconfig::UniqueModule mapi(::LoadLibraryA("mapi32.dll"));
  if (!mapi) return MailOutcome::kNotSent;
  auto* send = reinterpret_cast<LPMAPISENDMAIL>(
      reinterpret_cast<void*>(::GetProcAddress(mapi.get(), "MAPISendMail")));
  if (!send) return MailOutcome::kNotSent;

  // Simple MAPI takes writable strings; these copies live until the call returns.
  std::vector<char> subject(message.subject.begin(), message.subject.end());
  std::vector<char> body(message.body.begin(), message.body.end());
  std::vector<char> path(message.attachmentPath.begin(), message.attachmentPath.end());
  std::vector<char> name(message.attachmentName.begin(), message.attachmentName.end());
  for (auto* s : {&subject, &body, &path, &name}) s->push_back('\0');

  MapiFileDesc file{};
  file.nPosition = static_cast<ULONG>(-1);  // attached, not placed in the text
  file.lpszPathName = path.data();
  file.lpszFileName = name.data();
  MapiMessage mail{};
  mail.lpszSubject = subject.data();
  mail.lpszNoteText = body.data();
  mail.nFileCount = 1;
  mail.lpFiles = &file;

  const ULONG result = send(0, 0, &mail, MAPI_DIALOG | MAPI_LOGON_UI, 0);
  if (result == SUCCESS_SUCCESS) return MailOutcome::kSent;
  if (result == MAPI_USER_ABORT) return MailOutcome::kCancelled;
  return MailOutcome::kNotSent;
}

}  // namespace vmail
