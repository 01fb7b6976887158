// Requests understood by the exception reporter's test program (messages posted
// to its window "TExcTestFrm").
#pragma once

#include <windows.h>

enum ExcTestRequest : UINT {
  kExcTestOpenFile = WM_APP + 1,         // a handler throws "Cannot open file" (wParam: path length)
  kExcTestDeepThrow = WM_APP + 2,        // wParam nested calls, then a throw
  kExcTestOverflow = WM_APP + 3,         // a recursion that overflows the stack
  kExcTestAccessViolation = WM_APP + 4,  // a write to an invalid address
  kExcTestPing = WM_APP + 5,             // answers kExcTestPingReply
  kExcTestFaultWhileReporting = WM_APP + 6,  // another thread's report is open, then a fault
};
constexpr LRESULT kExcTestPingReply = 4242;
