// Reading a photo file whole, and writing the certificate file without ever
// destroying the file it replaces.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

// The whole content of the file, or nothing when it cannot be read. Shared
// for reading only: a file another program holds open for writing is
// refused.
std::vector<uint8_t> readFileBytes(const std::wstring& path);

// The stages of a save, in order. The new bytes go to a temporary file in the
// target's folder; the target is replaced only once they are all on disk.
enum class SaveStep { CreateTemporary, WriteBytes, FlushBytes, ReplaceTarget };

// Test seam, consulted at each step once its work on the temporary file is
// done (for the replace: before it is tried). A non-zero result fails the
// step with that error code.
using SaveFault = std::function<DWORD(SaveStep)>;

struct WriteResult {
  DWORD error = ERROR_SUCCESS;  // the system's code of what went wrong
  explicit operator bool() const { return error == ERROR_SUCCESS; }
};

// Writes the byte strings one after the other as the new content of the file
// at `path`. On any failure the old file stays exactly as it was and no
// temporary file is left behind.
WriteResult writeFileBytes(const std::wstring& path, std::initializer_list<std::span<const uint8_t>> parts,
                           const SaveFault& fault = {});
