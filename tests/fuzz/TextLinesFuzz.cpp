// Fuzzes the splitting of files into lines against a byte-by-byte reference, the
// editor's text against the lines joined, and the line list's editing (push_back,
// insert, replace, erase, append, lines taken from the list itself) against the same
// steps on a vector of strings.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "config/TextLines.h"

namespace {

using Strings = std::vector<std::string>;

void Check(bool ok) {
  if (!ok) std::abort();
}

bool Same(const vconfig::TextLines& lines, const Strings& expected) {
  if (lines.size() != expected.size()) return false;
  size_t i = 0;
  for (std::string_view line : lines)
    if (line != expected[i++]) return false;
  return true;
}

// One byte at a time: a line ends at CR LF, a lone CR or a lone LF; the text at the
// first NUL; a final break adds no line.
Strings SplitSlowly(std::string_view bytes) {
  Strings lines;
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

// Reads the editing steps from the input's bytes.
class Steps {
 public:
  explicit Steps(std::string_view bytes) : bytes_(bytes) {}
  bool Done() const { return at_ >= bytes_.size(); }
  uint8_t Byte() { return at_ < bytes_.size() ? static_cast<uint8_t>(bytes_[at_++]) : 0; }
  std::string_view Text() {
    const size_t n = std::min<size_t>(Byte() % 24, bytes_.size() - std::min(at_, bytes_.size()));
    const std::string_view text = bytes_.substr(std::min(at_, bytes_.size()), n);
    at_ += n;
    return text;
  }

 private:
  std::string_view bytes_;
  size_t at_ = 0;
};

// Applies the steps to the split lines and to the reference, checking after each.
void EditBoth(vconfig::TextLines& lines, Strings& expected, Steps& steps) {
  for (int step = 0; step < 64 && !steps.Done(); ++step) {
    const uint8_t op = steps.Byte() % 6;
    const size_t size = expected.size();
    const size_t index = size == 0 ? 0 : steps.Byte() % size;
    // Sometimes the new text is one of the list's own lines, seen through its view.
    const bool own = size != 0 && (steps.Byte() & 1) != 0;
    const std::string_view text = own ? lines[index] : steps.Text();
    const std::string copy(text);
    switch (op) {
      case 0:
        lines.push_back(text);
        expected.push_back(copy);
        break;
      case 1:
        lines.insert(index, text);
        expected.insert(expected.begin() + static_cast<std::ptrdiff_t>(index), copy);
        break;
      case 2:
        if (size == 0) break;
        lines.replace(index, text);
        expected[index] = copy;
        break;
      case 3:
        if (size == 0) break;
        lines.erase(index);
        expected.erase(expected.begin() + static_cast<std::ptrdiff_t>(index));
        break;
      case 4:
        if (size > 256) break;
        lines.append(lines);
        expected.reserve(2 * size);
        for (size_t i = 0; i < size; ++i) expected.push_back(expected[i]);
        break;
      default:
        lines.ReserveMore(steps.Byte(), steps.Byte());
    }
    Check(Same(lines, expected));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  vconfig::TextLines lines = vconfig::SplitTextLines(bytes);
  Strings expected = SplitSlowly(bytes);
  Check(Same(lines, expected));
  Check(vconfig::CrLfText(bytes) == vconfig::JoinTextLines(lines));
  Steps steps(bytes.substr(size / 2));
  EditBoth(lines, expected, steps);
  Check(lines == vconfig::TextLines(lines) && lines.Strings() == expected);
  return 0;
}
