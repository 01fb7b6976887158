#include "diagnostics/ExcReport.h"

#include "diagnostics/ExcText.h"

namespace vconfig {

ExcReport BuildReport(const ExceptionCapture& capture, const std::string& className,
                      const std::string& message, ModuleList& modules, bool addressCommitted,
                      ExcCallStack& callStack) {
  ExcMessageParts parts;
  parts.className = className;
  parts.message = message;
  parts.address = capture.record.address;
  parts.committed = addressCommitted;
  if (const ModuleDebugInfo* m = parts.address ? modules.Find(parts.address) : nullptr) {
    parts.moduleName = m->FileName();
    parts.moduleHandle = m->Handle();
    const SourcePosition pos = m->LineAt(LookupAddress(parts.address, capture.exactAddress));
    if (pos.line >= 0) {
      parts.sourceFile = FileNameOnly(m->SourceFileName(pos.fileIndex));
      parts.line = pos.line;
    }
  }
  callStack.Build(capture, modules);
  ExcReport report;
  report.message = ExceptionMessageText(parts);
  report.callStack = callStack.Text();
  report.registers = RegisterText(capture);
  return report;
}

}  // namespace vconfig
