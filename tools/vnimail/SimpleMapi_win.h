// Hands a message to the user's mail program through Simple MAPI: MAPISendMail of
// mapi32.dll, loaded by name at run time, so that the module also starts (and says
// so) where no mail program is set up.
#pragma once

#include <string>

namespace vmail {

struct MailMessage {
  std::string subject;
  std::string body;            // the note text
  std::string attachmentPath;  // full path of the one attached file
  std::string attachmentName;  // the name the mail program shows for it
};

enum class MailOutcome {
  kSent,       // the mail program took the message
  kCancelled,  // the user closed the mail program's window without sending
  kNotSent,    // no mapi32.dll, no MAPISendMail in it, or the call failed
};

// Shows the mail program's own window for the message (MAPI_DIALOG) and lets it ask
// for a profile or log-on (MAPI_LOGON_UI); returns when that window has closed.
MailOutcome SendWithMailProgram(const MailMessage& message);

}  // namespace vmail
