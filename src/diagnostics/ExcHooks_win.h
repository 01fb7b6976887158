// Capture at raise: the processor state of every exception is saved in the raising
// thread where it is raised, before anything unwinds the stack. C++ throws are
// seen by wrapping the run time's throw entry point at link time; processor faults
// by a vectored exception handler.
#pragma once

#include <windows.h>

#include "diagnostics/ExcCapture.h"

namespace vconfig {

// Starts capturing (the vectored handler) and prepares this thread's capture area.
void InstallRaiseHooks();

// This thread's capture of the C++ exception whose object is given, else its most
// recent one; nullptr when this thread has thrown nothing since the hooks started.
const ExceptionCapture* FindThrowCapture(const void* object);

// This thread's capture of the processor fault being dispatched; taken from the
// dispatcher's own record when the vectored handler did not see it. The area lives
// as long as the thread; the caller reads it while the thread waits.
ExceptionCapture* FaultCapture(const EXCEPTION_POINTERS* pointers);

// Copies a system context and record into a capture (registers and record only).
void FillFromSystem(const CONTEXT& context, const EXCEPTION_RECORD& record,
                    ExceptionCapture& capture);

}  // namespace vconfig
