#include "editing/file_bytes.h"

#include <algorithm>
#include <limits>
#include <new>
#include <utility>

#include "ui/handles.h"

namespace {

using handles::UniqueFile;

DWORD lastErrorOr(DWORD fallback) {
  const DWORD error = GetLastError();
  return error != ERROR_SUCCESS ? error : fallback;
}

// A file that can be written over must be open-able for writing without
// sharing: a read-only file or one that another program holds open is
// refused here, before anything is written, with the system's reason.
DWORD checkTargetWritable(const std::wstring& target) {
  // Said outright: where the process may write anything (an administrator,
  // Wine run as root) the open below would not refuse a read-only file.
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return ERROR_ACCESS_DENIED;
  UniqueFile probe(CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (probe) return ERROR_SUCCESS;
  const DWORD error = GetLastError();
  return error == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : error;
}

std::wstring fullPathOf(const std::wstring& path) {
  const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return {};
  std::wstring full(needed, L'\0');
  const DWORD length = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
  if (length == 0 || length >= needed) return {};
  full.resize(length);
  return full;
}

DWORD writeAll(HANDLE file, std::span<const uint8_t> bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) return lastErrorOr(ERROR_WRITE_FAULT);
    if (written == 0) return ERROR_DISK_FULL;
    bytes = bytes.subspan(written);
  }
  return ERROR_SUCCESS;
}

// The temporary file: removed on every path except a completed replace.
class TemporaryFile {
 public:
  explicit TemporaryFile(std::wstring path) : path_(std::move(path)) {}
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (!path_.empty()) DeleteFileW(path_.c_str());
  }
  const std::wstring& path() const { return path_; }
  void keep() { path_.clear(); }

 private:
  std::wstring path_;
};

DWORD injected(const SaveFault& fault, SaveStep step) { return fault ? fault(step) : ERROR_SUCCESS; }

}  // namespace

std::vector<uint8_t> readFileBytes(const std::wstring& path) {
  if (path.empty()) return {};
  UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return {};

  LARGE_INTEGER length = {};
  if (!GetFileSizeEx(file.get(), &length) || length.QuadPart <= 0) return {};
  if (static_cast<unsigned long long>(length.QuadPart) > std::numeric_limits<size_t>::max()) return {};

  // Read straight into the result: a photo too large to hold gives no
  // picture, it does not end the program.
  std::vector<uint8_t> bytes;
  try {
    bytes.resize(static_cast<size_t>(length.QuadPart));
  } catch (const std::bad_alloc&) {
    return {};
  }

  size_t filled = 0;
  while (filled < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - filled, 1u << 30));
    DWORD got = 0;
    if (!ReadFile(file.get(), bytes.data() + filled, chunk, &got, nullptr)) return {};
    if (got == 0) break;  // the file shrank while being read
    filled += got;
  }
  bytes.resize(filled);
  return bytes;
}

WriteResult writeFileBytes(const std::wstring& path, std::initializer_list<std::span<const uint8_t>> parts,
                           const SaveFault& fault) {
  if (path.empty()) return {ERROR_INVALID_NAME};
  const std::wstring target = fullPathOf(path);
  if (target.empty()) return {lastErrorOr(ERROR_INVALID_NAME)};
  const size_t slash = target.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return {ERROR_INVALID_NAME};
  const std::wstring folder = target.substr(0, slash + 1);

  if (const DWORD error = checkTargetWritable(target)) return {error};

  wchar_t temporaryName[MAX_PATH] = {};
  if (!GetTempFileNameW(folder.c_str(), L"jc", 0, temporaryName)) return {lastErrorOr(ERROR_PATH_NOT_FOUND)};
  TemporaryFile temporary(temporaryName);
  if (const DWORD error = injected(fault, SaveStep::CreateTemporary)) return {error};

  {
    UniqueFile file(CreateFileW(temporary.path().c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return {lastErrorOr(ERROR_OPEN_FAILED)};
    for (std::span<const uint8_t> part : parts) {
      if (const DWORD error = writeAll(file.get(), part)) return {error};
    }
    if (const DWORD error = injected(fault, SaveStep::WriteBytes)) return {error};
    if (!FlushFileBuffers(file.get())) return {lastErrorOr(ERROR_WRITE_FAULT)};
    if (const DWORD error = injected(fault, SaveStep::FlushBytes)) return {error};
  }

  // Only now, with every byte on disk, does the old file go.
  if (const DWORD error = injected(fault, SaveStep::ReplaceTarget)) return {error};
  if (!MoveFileExW(temporary.path().c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return {lastErrorOr(ERROR_WRITE_FAULT)};
  }
  temporary.keep();
  return {};
}
