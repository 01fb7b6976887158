#include "diagnostics/Errors.h"

namespace vconfig {

EFileOpenError::EFileOpenError(const std::string& path)
    : AppError("Cannot open file " + path) {}

EFileCreateError::EFileCreateError(const std::string& path)
    : AppError("Cannot create file " + path) {}

EListIndexError::EListIndexError(long index)
    : AppError("List index out of bounds (" + std::to_string(index) + ")") {}

ERegistryError ERegistryError::InvalidType(const std::string& name) {
  return ERegistryError("Invalid data type for '" + name + "'");
}
ERegistryError ERegistryError::SetFailed(const std::string& name) {
  return ERegistryError("Failed to set data for '" + name + "'");
}
ERegistryError ERegistryError::GetFailed(const std::string& name) {
  return ERegistryError("Failed to get data for '" + name + "'");
}

EBinaryFileError::EBinaryFileError(const std::string& path)
    : AppError("File " + path + " contains binary data and was not rewritten") {}

EFileTooLargeError::EFileTooLargeError(const std::string& path)
    : AppError("File " + path + " is too large to show here.") {}

EAttributesLostError::EAttributesLostError(const std::string& path)
    : AppError("File " + path + " was saved, but its attributes could not be restored.") {}

EFileChangedError::EFileChangedError(const std::string& path)
    : AppError("File " + path +
               " was changed since it was shown. The list now shows its current content.") {}

}  // namespace vconfig
