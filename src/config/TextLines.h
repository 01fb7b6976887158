// Configuration and report files as lists of 8-bit lines, without any code-page
// conversion. Reading splits at CR LF, CR or LF and stops at the first NUL; a final
// line break adds no row. Writing puts CR LF after every line and rewrites the
// whole file safely, with its attributes lifted for the write and set back after.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iosfwd>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"

namespace vconfig {

// A list of lines held in one buffer: each line is a span of it, read as a
// string_view that stays valid until the list is next changed. A split file's lines
// need one copy of its bytes and no allocation per line. Changed lines are appended
// to the buffer; the text they replace stays there, unreferenced, until the list is
// cleared. Offsets are 32-bit: a list that would hold more than 4 GiB of text
// (buffer included) throws std::length_error rather than wrapping.
class TextLines {
  struct Span {
    uint32_t offset;
    uint32_t length;
  };

 public:
  class const_iterator {
   public:
    using iterator_category = std::random_access_iterator_tag;
    using value_type = std::string_view;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = std::string_view;

    const_iterator() = default;
    std::string_view operator*() const { return {base_ + span_->offset, span_->length}; }
    std::string_view operator[](difference_type n) const { return *(*this + n); }
    const_iterator& operator++() { ++span_; return *this; }
    const_iterator operator++(int) { const_iterator old = *this; ++span_; return old; }
    const_iterator& operator--() { --span_; return *this; }
    const_iterator& operator+=(difference_type n) { span_ += n; return *this; }
    const_iterator& operator-=(difference_type n) { span_ -= n; return *this; }
    friend const_iterator operator+(const_iterator i, difference_type n) { return i += n; }
    friend const_iterator operator-(const_iterator i, difference_type n) { return i -= n; }
    friend difference_type operator-(const_iterator a, const_iterator b) { return a.span_ - b.span_; }
    friend bool operator==(const_iterator a, const_iterator b) { return a.span_ == b.span_; }
    friend bool operator!=(const_iterator a, const_iterator b) { return a.span_ != b.span_; }
    friend bool operator<(const_iterator a, const_iterator b) { return a.span_ < b.span_; }

   private:
    friend class TextLines;
    const_iterator(const char* base, const Span* span) : base_(base), span_(span) {}
    const char* base_ = nullptr;
    const Span* span_ = nullptr;
  };
  using iterator = const_iterator;
  using value_type = std::string_view;
  using size_type = size_t;

  TextLines() = default;
  TextLines(std::initializer_list<std::string_view> lines);
  explicit TextLines(const std::vector<std::string>& lines);

  size_t size() const { return spans_.size(); }
  bool empty() const { return spans_.empty(); }
  std::string_view operator[](size_t i) const {
    return {text_.data() + spans_[i].offset, spans_[i].length};
  }
  std::string_view front() const { return (*this)[0]; }
  std::string_view back() const { return (*this)[size() - 1]; }
  const_iterator begin() const { return {text_.data(), spans_.data()}; }
  const_iterator end() const { return {text_.data(), spans_.data() + spans_.size()}; }

  // Room for `lines` more lines and `bytes` more bytes of text: a list that must grow
  // grows to at least twice its room, so that a row of small reservations costs no
  // more than one.
  void ReserveMore(size_t lines, size_t bytes);
  void clear();

  // The line may be a view of this list's own lines.
  void push_back(std::string_view line);
  // Appends every line of `other`, which may be this list.
  void append(const TextLines& other);
  // Appends the line that `write(buffer)` appends to the buffer it is given; `write`
  // must only append to it (and not read this list's lines: the buffer may move).
  template <class Write>
  void AppendLine(Write&& write) {
    const size_t start = text_.size();
    write(text_);
    spans_.push_back(SpanOf(start, text_.size() - start));
  }
  // Appends the lines of the bytes that `write(buffer)` appends to the buffer it is
  // given, split as SplitTextLines splits them; `write` must only append.
  template <class Write>
  void AppendSplit(Write&& write) {
    const size_t start = text_.size();
    write(text_);
    SplitAppended(start);
  }
  // The line goes before line `index` (index == size() appends it).
  void insert(size_t index, std::string_view line);
  void replace(size_t index, std::string_view line);
  void erase(size_t index);

  // Each line as a string of its own.
  std::vector<std::string> Strings() const;

  friend bool operator==(const TextLines& a, const TextLines& b);
  friend bool operator!=(const TextLines& a, const TextLines& b) { return !(a == b); }

 private:
  friend TextLines SplitTextLines(std::string_view bytes);

  // Appends the bytes of `line` (which may lie in text_) and returns their span.
  Span Store(std::string_view line);
  // Throws std::length_error when the text would pass what a span can address.
  Span SpanOf(size_t offset, size_t length) const;
  // Where a split stands: the start of the line not yet ended, how far the search
  // for its end has gone, and whether a NUL ended the text.
  struct SplitScan {
    size_t line = 0;
    size_t searched = 0;
    bool ended = false;
  };
  // Spans to reserve for a text of this many bytes: more than most texts need (the
  // room is not touched unless it is used).
  static size_t SpansFor(size_t bytes);
  // Ends the lines found in the buffer from the scan's position on; the last time
  // (or at a NUL) the unended line too, when it holds anything.
  void SplitMore(SplitScan& scan, bool last);
  // Lines of the buffer's bytes from `start` on, up to a NUL.
  void SplitAppended(size_t start);

  std::string text_;
  std::vector<Span> spans_;
};

// Prints the lines as a list of quoted strings (test failure messages).
void PrintTo(const TextLines& lines, std::ostream* os);

TextLines SplitTextLines(std::string_view bytes);
std::string JoinTextLines(const TextLines& lines);
// What JoinTextLines(SplitTextLines(bytes)) gives, in one pass: the text up to its
// first NUL with every line ended by CR LF.
std::string CrLfText(std::string_view bytes);

// Throws EFileOpenError when the file cannot be read, EFileTooLargeError (before
// reading) when it is larger than the program shows.
TextLines ReadTextLines(FileSystem& fs, const std::string& path);
// The file's lines appended to `lines`, read into its buffer without a copy of their
// own, with room for `spareBytes` more; the checks and errors of ReadTextLines.
void AppendFileLines(FileSystem& fs, const std::string& path, TextLines& lines,
                     size_t spareBytes = 0);
// The file's text as CrLfText gives it; throws EFileOpenError when it cannot be read.
std::string ReadCrLfText(FileSystem& fs, const std::string& path);

// Rewrites (or creates) the file. Refuses with EBinaryFileError an existing file that
// holds a NUL byte, since its tail after the NUL was never shown. Throws
// EFileCreateError when the content cannot be put in place; the original file then
// stays as it was, attributes included. Throws EAttributesLostError when the content
// was written but a read-only, hidden or system attribute could not be set back.
void WriteTextLines(FileSystem& fs, const std::string& path, const TextLines& lines);

// Same safety rules for content that is already one block of text (the editor's save).
void WriteTextFile(FileSystem& fs, const std::string& path, const std::string& content);

}  // namespace vconfig
