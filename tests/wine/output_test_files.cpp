#include "wine/output_test_files.h"

#include <atomic>

#include "ui/handles.h"

namespace {

void removeTree(const std::wstring& folder) {
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

}  // namespace

ScratchFolder::ScratchFolder(const std::wstring& under) {
  static std::atomic<int> counter{0};
  std::wstring base = under;
  if (base.empty()) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    base = temp;
  }
  if (!base.empty() && base.back() != L'\\') base += L'\\';
  path_ = base + L"证件测试-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
  removeTree(path_);
  CreateDirectoryW(path_.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() { removeTree(path_); }

bool writeWholeFile(const std::wstring& path, const std::vector<uint8_t>& bytes) {
  handles::UniqueFile file(
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  return WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

std::vector<uint8_t> contentOf(const std::wstring& path) {
  handles::UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return {};
  std::vector<uint8_t> bytes(GetFileSize(file.get(), nullptr));
  DWORD read = 0;
  if (!bytes.empty()) ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  bytes.resize(read);
  return bytes;
}

bool fileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::map<std::wstring, std::vector<uint8_t>> folderSnapshot(const std::wstring& folder) {
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

std::vector<uint8_t> bytesOf(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }
