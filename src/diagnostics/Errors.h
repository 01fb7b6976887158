// Exceptions that carry the library-style messages shown by the general error
// handling. Each kind has its own fixed class name, which the error dialog and
// the exception log show.
#pragma once

#include <stdexcept>
#include <string>

namespace vconfig {

class AppError : public std::runtime_error {
 public:
  explicit AppError(const std::string& message) : std::runtime_error(message) {}
  virtual const char* ClassName() const noexcept { return "EAppError"; }
};

// "Cannot open file %s"
class EFileOpenError : public AppError {
 public:
  explicit EFileOpenError(const std::string& path);
  const char* ClassName() const noexcept override { return "EFileOpenError"; }
};

// "Cannot create file %s"
class EFileCreateError : public AppError {
 public:
  explicit EFileCreateError(const std::string& path);
  const char* ClassName() const noexcept override { return "EFileCreateError"; }
};

// "List index out of bounds (%d)"
class EListIndexError : public AppError {
 public:
  explicit EListIndexError(long index);
  const char* ClassName() const noexcept override { return "EListIndexError"; }
};

// "Invalid data type for '%s'", "Failed to set data for '%s'", "Failed to get data for '%s'"
class ERegistryError : public AppError {
 public:
  using AppError::AppError;
  static ERegistryError InvalidType(const std::string& name);
  static ERegistryError SetFailed(const std::string& name);
  static ERegistryError GetFailed(const std::string& name);
  const char* ClassName() const noexcept override { return "ERegistryError"; }
};

// "File %s contains binary data and was not rewritten": a rewrite would cut the
// file at its first NUL byte, so it is refused.
class EBinaryFileError : public AppError {
 public:
  explicit EBinaryFileError(const std::string& path);
  const char* ClassName() const noexcept override { return "EBinaryFileError"; }
};

// "File %s is too large to show here.": refused before it is read, so that a huge
// file cannot exhaust the program's address space.
class EFileTooLargeError : public AppError {
 public:
  explicit EFileTooLargeError(const std::string& path);
  const char* ClassName() const noexcept override { return "EFileTooLargeError"; }
};

// "File %s was saved, but its attributes could not be restored.": the content is in
// place, but the file lost its read-only, hidden or system attribute.
class EAttributesLostError : public AppError {
 public:
  explicit EAttributesLostError(const std::string& path);
  const char* ClassName() const noexcept override { return "EAttributesLostError"; }
};

// "File %s was changed since it was shown. The list now shows its current content.":
// a line command found other lines in the file than the list shows, and wrote nothing.
class EFileChangedError : public AppError {
 public:
  explicit EFileChangedError(const std::string& path);
  const char* ClassName() const noexcept override { return "EFileChangedError"; }
};

}  // namespace vconfig
