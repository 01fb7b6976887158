#include "diagnostics/ExceptionReporter_win.h"

#include <cxxabi.h>

#include <cstdlib>
#include <cstring>
#include <typeinfo>

#include "diagnostics/Errors.h"
#include "windows/ErrorDialog_win.h"
#include "diagnostics/ExcHooks_win.h"
#include "diagnostics/ExcText.h"

namespace vconfig {
namespace {

ExceptionReporter* g_instance = nullptr;

std::string ProgramDirectory() {
  char path[MAX_PATH] = {};
  const DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string s(path, n < MAX_PATH ? n : 0);
  const auto slash = s.find_last_of('\\');
  return slash == std::string::npos ? std::string() : s.substr(0, slash + 1);
}

std::string Demangle(const char* name) {
  int status = 0;
  char* plain = abi::__cxa_demangle(name, nullptr, nullptr, &status);
  std::string result = status == 0 && plain ? plain : name;
  std::free(plain);
  return result;
}

Address ProgramAddress() {
  return static_cast<Address>(reinterpret_cast<std::uintptr_t>(::GetModuleHandleA(nullptr)));
}

// The thrown object of an exception pointer: the run time keeps nothing else in it.
const void* ThrownObject(const std::exception_ptr& exception) {
  static_assert(sizeof(std::exception_ptr) == sizeof(void*), "exception_ptr holds one pointer");
  const void* object = nullptr;
  std::memcpy(&object, static_cast<const void*>(&exception), sizeof object);
  return object;
}

}  // namespace

ExceptionReporter::ExceptionReporter() : logFile_(ProgramDirectory() + "ExcMagic.Log"), modules_(locator_) {
  if (g_instance) throw AppError("Only one instance of TExcMagic allowed");
  ::InitializeCriticalSection(&lock_);
  ::InitializeCriticalSection(&faultLock_);
  modules_.Register(ProgramAddress());
  g_instance = this;
}

ExceptionReporter::~ExceptionReporter() {
  if (g_instance == this) g_instance = nullptr;
  ::DeleteCriticalSection(&faultLock_);
  ::DeleteCriticalSection(&lock_);
}

ExceptionReporter* ExceptionReporter::Instance() { return g_instance; }

void ExceptionReporter::Install() {
  InstallRaiseHooks();
  // A stack overflow leaves the faulting thread no room to format and show a
  // report: a thread of our own, started now, does it while that thread waits.
  faultRequest_.reset(::CreateEventA(nullptr, FALSE, FALSE, nullptr));
  faultDone_.reset(::CreateEventA(nullptr, FALSE, FALSE, nullptr));
  DWORD threadId = 0;
  reporterThread_.reset(::CreateThread(nullptr, 256 * 1024, &ExceptionReporter::ReporterThread, this, 0,
                                       &threadId));
  reporterThreadId_ = threadId;
  previousFilter_ = ::SetUnhandledExceptionFilter(&ExceptionReporter::OnUnhandledFault);
  std::set_terminate(&ExceptionReporter::OnTerminate);
}

ExceptionReporter::Described ExceptionReporter::Describe(const std::exception_ptr& exception) {
  Described d;
  if (!exception) return d;
  try {
    std::rethrow_exception(exception);
  } catch (const AppError& e) {
    d.className = e.ClassName();
    d.message = e.what();
  } catch (const std::exception& e) {
    d.className = Demangle(typeid(e).name());
    d.message = e.what();
  } catch (...) {
    const std::type_info* type = abi::__cxa_current_exception_type();
    d.className = type ? Demangle(type->name()) : std::string(kUnknown);
  }
  return d;
}

HWND ExceptionReporter::DialogOwner() const {
  HWND main = dialogOwner_;
  if (main && ::IsWindow(main) &&
      ::GetWindowThreadProcessId(main, nullptr) == ::GetCurrentThreadId()) {
    return main;
  }
  return ::GetActiveWindow();
}

void ExceptionReporter::ShowException(const std::exception_ptr& exception) {
  ExceptionCapture empty{};
  const ExceptionCapture* capture = FindThrowCapture(ThrownObject(exception));
  Report(capture ? *capture : empty, Describe(exception), DialogOwner());
}

namespace {

// Holds the reporter's lock unless told not to, and gives it back however the
// report ends.
class ReportLock {
 public:
  ReportLock(CRITICAL_SECTION& lock, std::atomic<DWORD>& owner, bool take)
      : lock_(lock), owner_(owner), take_(take) {
    if (!take_) return;
    ::EnterCriticalSection(&lock_);
    previous_ = owner_.exchange(::GetCurrentThreadId());
  }
  ~ReportLock() {
    if (!take_) return;
    owner_ = previous_;
    ::LeaveCriticalSection(&lock_);
  }
  ReportLock(const ReportLock&) = delete;
  ReportLock& operator=(const ReportLock&) = delete;

 private:
  CRITICAL_SECTION& lock_;
  std::atomic<DWORD>& owner_;
  bool take_;
  DWORD previous_ = 0;
};

}  // namespace

void ExceptionReporter::Report(const ExceptionCapture& capture, const Described& what, HWND owner) {
  if (!active_) return;
  const DWORD self = ::GetCurrentThreadId();
  // A fault inside a report: the faulting thread holds the lock and waits for us,
  // so taking the lock would never return.
  const DWORD holder = lockOwner_;
  ReportLock lock(lock_, lockOwner_, holder == 0 || holder != faultThreadId_);
  const ExcReport report = BuildReport(capture, what.className, what.message, modules_,
                                       IsCommitted(capture.record.address), callStack_);
  if (!logFile_.empty()) {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    const LocalTime t{now.wHour, now.wMinute, now.wSecond, now.wDay, now.wMonth, now.wYear};
    AppendToLog(LogEntry(t, report.message, report.callStack, report.registers,
                         report.additional));
  }
  // A report raised on the thread whose dialog is open is logged only: showing it
  // would stack dialogs for as long as the cause repeats (a failing paint).
  if ((options_ & kExcShowDialog) && dialogThread_ != self) {
    const DWORD previousDialog = dialogThread_.exchange(self);
    if (self == reporterThreadId_) faultDialogShown_ = true;
    ShowErrorDialog(owner, ErrorDialogContent{report.message, report.callStack, report.registers,
                                          report.additional, customTabCaption_, options_});
    dialogThread_ = previousDialog;
  }
}

void ExceptionReporter::AppendToLog(const std::string& entry) const {
  UniqueFile file(::CreateFileA(logFile_.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return;  // an unwritable log skips the entry
  if (::SetFilePointer(file.get(), 0, nullptr, FILE_END) == INVALID_SET_FILE_POINTER &&
      ::GetLastError() != NO_ERROR) {
    return;
  }
  DWORD written = 0;
  ::WriteFile(file.get(), entry.data(), static_cast<DWORD>(entry.size()), &written, nullptr);
}

LONG WINAPI ExceptionReporter::OnUnhandledFault(EXCEPTION_POINTERS* pointers) {
  ExceptionReporter* self = g_instance;
  if (!self || !self->active_ || !self->reporterThread_) {
    if (self && self->previousFilter_) return self->previousFilter_(pointers);
    return EXCEPTION_CONTINUE_SEARCH;
  }
  // A fault in the reporter's own thread cannot wait for that thread.
  if (self->reporterThreadId_ == ::GetCurrentThreadId()) {
    return EXCEPTION_EXECUTE_HANDLER;
  }
  // Little is done here: the thread may have no stack left. One fault at a time.
  ::EnterCriticalSection(&self->faultLock_);
  self->pendingFault_ = FaultCapture(pointers);
  self->faultThreadId_ = ::GetCurrentThreadId();
  self->faultDialogShown_ = false;
  ::SetEvent(self->faultRequest_.get());
  // A fault taken while the heap or the loader lock was held can stop the report
  // before it shows anything: then end the process rather than hang.
  if (::WaitForSingleObject(self->faultDone_.get(), self->faultWaitLimit_) == WAIT_TIMEOUT) {
    if (!self->faultDialogShown_)
      ::TerminateProcess(::GetCurrentProcess(), pointers->ExceptionRecord->ExceptionCode);
    ::WaitForSingleObject(self->faultDone_.get(), INFINITE);
  }
  // The program's state is unknown after a fault: end it, as the system would.
  return EXCEPTION_EXECUTE_HANDLER;
}

DWORD WINAPI ExceptionReporter::ReporterThread(void* param) {
  ExceptionReporter* self = static_cast<ExceptionReporter*>(param);
  for (;;) {
    if (::WaitForSingleObject(self->faultRequest_.get(), INFINITE) != WAIT_OBJECT_0) return 0;
    self->ReportFaultFromReporterThread(self->pendingFault_);
    ::SetEvent(self->faultDone_.get());
  }
}

void ExceptionReporter::ReportFaultFromReporterThread(ExceptionCapture* capture) {
  if (!capture) return;
  // The faulting thread waits, so its stack is still there to walk.
  LiveMemory memory;
  WalkFrames(memory, capture->record.address, capture->regs.ebp, collapseRecursion_, *capture);
  CaptureDumps(memory, *capture);
  const FaultDescription fault = DescribeFault(capture->record);
  // No owner: the application's windows belong to the waiting thread.
  Report(*capture, Described{fault.className, fault.message}, nullptr);
}

void ExceptionReporter::OnTerminate() {
  // An exception that no handler caught ends the program; it is shown first.
  if (ExceptionReporter* self = g_instance) {
    if (std::exception_ptr e = std::current_exception()) self->ShowException(e);
  }
  ::TerminateProcess(::GetCurrentProcess(), 3);
}

ExceptionReporter& InstallExceptionReporter() {
  // Lives for the whole run; the system reclaims it with the process.
  ExceptionReporter* magic = new ExceptionReporter();
  magic->Install();
  return *magic;
}

}  // namespace vconfig
