// Fuzzes the splitting of files into lines against a byte-by-byte reference, and the
// editor's text against the lines joined.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "config/TextLines.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

// One byte at a time: a line ends at CR LF, a lone CR or a lone LF; the text at the
// first NUL; a final break adds no line.
vconfig::TextLines SplitSlowly(std::string_view bytes) {
  vconfig::TextLines lines;
  std::string line;
  bool open = false;
  for (size_t i = 0; i < bytes.size() && bytes[i] != '\0'; ++i) {
    const char c = bytes[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      open = false;
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      line += c;
      open = true;
    }
  }
  if (open) lines.push_back(line);
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const vconfig::TextLines lines = vconfig::SplitTextLines(bytes);
  Check(lines == SplitSlowly(bytes));
  Check(vconfig::CrLfText(bytes) == vconfig::JoinTextLines(lines));
  return 0;
}
