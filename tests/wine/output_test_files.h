// Scratch folders and file contents for the output tests.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

// A fresh folder below the temporary folder, removed with its files at the end.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::wstring& under = {});
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::wstring& path() const { return path_; }
  std::wstring file(const std::wstring& name) const { return path_ + L"\\" + name; }

 private:
  std::wstring path_;
};

inline bool writeWholeFile(const std::wstring& path, const std::vector<uint8_t>& bytes);
// What is on disk, read without any code under test; empty when missing.
inline std::vector<uint8_t> contentOf(const std::wstring& path);
inline bool fileExists(const std::wstring& path);
// Name → content of every file in the folder.
inline std::map<std::wstring, std::vector<uint8_t>> folderSnapshot(const std::wstring& folder);

inline std::vector<uint8_t> bytesOf(const std::string& text);
// For messages of failed checks.
inline std::string utf8(const std::wstring& text);

namespace scratch_detail {

// The e2e program does not link the handle wrappers: a plain owner here.
struct OpenFile {
  explicit OpenFile(HANDLE h) : handle(h) {}
  ~OpenFile() {
    if (ok()) CloseHandle(handle);
  }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
  bool ok() const { return handle != INVALID_HANDLE_VALUE; }
  HANDLE handle;
};

inline void removeTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        removeTree(path);
      } else {
        DeleteFileW(path.c_str());
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(folder.c_str());
}

}  // namespace scratch_detail

inline ScratchFolder::ScratchFolder(const std::wstring& under) {
  static std::atomic<int> counter{0};
  std::wstring base = under;
  if (base.empty()) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    base = temp;
  }
  if (!base.empty() && base.back() != L'\\') base += L'\\';
  path_ = base + L"证件测试-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
  scratch_detail::removeTree(path_);
  CreateDirectoryW(path_.c_str(), nullptr);
}

inline ScratchFolder::~ScratchFolder() { scratch_detail::removeTree(path_); }

inline bool writeWholeFile(const std::wstring& path, const std::vector<uint8_t>& bytes) {
  const scratch_detail::OpenFile file(
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.ok()) return false;
  DWORD written = 0;
  return WriteFile(file.handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

inline std::vector<uint8_t> contentOf(const std::wstring& path) {
  const scratch_detail::OpenFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.ok()) return {};
  std::vector<uint8_t> bytes(GetFileSize(file.handle, nullptr));
  DWORD read = 0;
  if (!bytes.empty()) ReadFile(file.handle, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  bytes.resize(read);
  return bytes;
}

inline bool fileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

inline std::map<std::wstring, std::vector<uint8_t>> folderSnapshot(const std::wstring& folder) {
  std::map<std::wstring, std::vector<uint8_t>> files;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return files;
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") files[name] = contentOf(folder + L"\\" + name);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return files;
}

inline std::vector<uint8_t> bytesOf(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }

inline std::string utf8(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
  return out;
}
