// Scratch folders and file contents for the output tests.
#pragma once

#include <windows.h>

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

bool writeWholeFile(const std::wstring& path, const std::vector<uint8_t>& bytes);
// What is on disk, read without any code under test; empty when missing.
std::vector<uint8_t> contentOf(const std::wstring& path);
bool fileExists(const std::wstring& path);
// Name → content of every file in the folder.
std::map<std::wstring, std::vector<uint8_t>> folderSnapshot(const std::wstring& folder);

std::vector<uint8_t> bytesOf(const std::string& text);
