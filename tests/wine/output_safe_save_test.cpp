// Saving the certificate file never destroys the file it replaces, and says
// why it failed; reading a photo file takes it whole or not at all.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "editing/file_bytes.h"
#include "editing/system_error_text.h"
#include "ui/handles.h"
#include "wine/output_test_files.h"

namespace {

const std::vector<uint8_t> kOldContent = bytesOf("the certificate saved last time");

std::vector<uint8_t> newContent(size_t size = 513990) {
  std::vector<uint8_t> bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i * 7 + 3);
  return bytes;
}

WriteResult save(const std::wstring& path, const std::vector<uint8_t>& bytes, const SaveFault& fault = {}) {
  return writeFileBytes(path, {std::span<const uint8_t>(bytes)}, fault);
}

std::wstring environmentFolder(const wchar_t* name) {
  const wchar_t* value = _wgetenv(name);
  return value ? std::wstring(value) : std::wstring();
}

TEST(SafeSaveTest, ReplacesAnExistingFileWithAllParts) {
  ScratchFolder folder;
  const std::wstring target = folder.file(L"光棍证.jpg");
  ASSERT_TRUE(writeWholeFile(target, kOldContent));
  const std::vector<uint8_t> head = bytesOf("BM-header"), body = newContent(1000);

  const WriteResult result = writeFileBytes(target, {std::span<const uint8_t>(head), std::span<const uint8_t>(body)});

  ASSERT_TRUE(result) << result.error;
  std::vector<uint8_t> expected = head;
  expected.insert(expected.end(), body.begin(), body.end());
  EXPECT_EQ(contentOf(target), expected);
  EXPECT_EQ(folderSnapshot(folder.path()).size(), 1u) << "a temporary file was left behind";
}

TEST(SafeSaveTest, CreatesANewFile) {
  ScratchFolder folder;
  const std::wstring target = folder.file(L"new.bmp");
  ASSERT_TRUE(save(target, newContent()));
  EXPECT_EQ(contentOf(target), newContent());
  EXPECT_EQ(folderSnapshot(folder.path()).size(), 1u);
}

TEST(SafeSaveTest, AnEmptyPathTouchesNothing) {
  const WriteResult result = save(L"", newContent());
  EXPECT_FALSE(result);
  EXPECT_NE(result.error, static_cast<DWORD>(ERROR_SUCCESS));
}

// Each failure leaves the folder exactly as it was: the old file byte for
// byte, and no temporary file.
void expectFolderUnchanged(const std::wstring& folder, const std::map<std::wstring, std::vector<uint8_t>>& before) {
  const auto after = folderSnapshot(folder);
  std::wstring names;
  for (const auto& [name, content] : after) names += name + L" ";
  EXPECT_EQ(after.size(), before.size()) << "files now: " << utf8(names);
  for (const auto& [name, content] : before) {
    const auto kept = after.find(name);
    EXPECT_TRUE(kept != after.end() && kept->second == content) << "changed or removed";
  }
}

TEST(SafeSaveTest, ReadOnlyTargetIsKept) {
  ScratchFolder folder;
  const std::wstring target = folder.file(L"old.jpg");
  ASSERT_TRUE(writeWholeFile(target, kOldContent));
  ASSERT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));
  const auto before = folderSnapshot(folder.path());

  const WriteResult result = save(target, newContent());

  EXPECT_EQ(result.error, static_cast<DWORD>(ERROR_ACCESS_DENIED));
  expectFolderUnchanged(folder.path(), before);
}

TEST(SafeSaveTest, TargetHeldOpenWithoutSharingIsKept) {
  ScratchFolder folder;
  const std::wstring target = folder.file(L"old.jpg");
  ASSERT_TRUE(writeWholeFile(target, kOldContent));
  const auto before = folderSnapshot(folder.path());
  handles::UniqueFile holder(
      CreateFileW(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(holder);

  const WriteResult result = save(target, newContent());
  holder.reset();

  EXPECT_EQ(result.error, static_cast<DWORD>(ERROR_SHARING_VIOLATION));
  expectFolderUnchanged(folder.path(), before);
}

TEST(SafeSaveTest, MissingFolderCreatesNothing) {
  ScratchFolder folder;
  const WriteResult result = save(folder.file(L"missing\\cert.jpg"), newContent());
  EXPECT_EQ(result.error, static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
  EXPECT_TRUE(folderSnapshot(folder.path()).empty());
}

// A small filesystem prepared by scripts/test-output-drives.
TEST(SafeSaveTest, FullDiskKeepsTheOldFile) {
  const std::wstring small = environmentFolder(L"JOKECERT_TEST_FULL_DIR");
  if (small.empty()) GTEST_SKIP() << "JOKECERT_TEST_FULL_DIR is not set (scripts/test-output-drives sets it)";
  ScratchFolder folder(small);
  const std::wstring target = folder.file(L"old.jpg");
  ASSERT_TRUE(writeWholeFile(target, kOldContent));
  const auto before = folderSnapshot(folder.path());

  const WriteResult result = save(target, newContent());

  EXPECT_EQ(result.error, static_cast<DWORD>(ERROR_DISK_FULL));
  expectFolderUnchanged(folder.path(), before);
}

// A read-only filesystem holding old.jpg, prepared by scripts/test-output-drives.
TEST(SafeSaveTest, FolderWithoutWritePermissionKeepsTheOldFile) {
  const std::wstring locked = environmentFolder(L"JOKECERT_TEST_READONLY_DIR");
  if (locked.empty()) GTEST_SKIP() << "JOKECERT_TEST_READONLY_DIR is not set (scripts/test-output-drives sets it)";
  const std::wstring target = locked + L"\\old.jpg";
  const auto before = folderSnapshot(locked);
  ASSERT_FALSE(contentOf(target).empty());

  const WriteResult result = save(target, newContent());
  const WriteResult fresh = save(locked + L"\\new.jpg", newContent());

  EXPECT_FALSE(result);
  EXPECT_FALSE(fresh);
  expectFolderUnchanged(locked, before);
}

struct InjectedFault {
  SaveStep step;
  DWORD error;
};

class SaveStepFailureTest : public testing::TestWithParam<InjectedFault> {};

TEST_P(SaveStepFailureTest, OldFileKeptAndNoTemporaryFileLeft) {
  ScratchFolder folder;
  const std::wstring target = folder.file(L"old.jpg");
  ASSERT_TRUE(writeWholeFile(target, kOldContent));
  const auto before = folderSnapshot(folder.path());
  std::vector<SaveStep> reached;

  const WriteResult result = save(target, newContent(), [&](SaveStep step) -> DWORD {
    reached.push_back(step);
    return step == GetParam().step ? GetParam().error : ERROR_SUCCESS;
  });

  EXPECT_EQ(result.error, GetParam().error);
  EXPECT_EQ(reached.back(), GetParam().step) << "the save went on after the failed step";
  expectFolderUnchanged(folder.path(), before);
}

INSTANTIATE_TEST_SUITE_P(EveryStep, SaveStepFailureTest,
                         testing::Values(InjectedFault{SaveStep::CreateTemporary, ERROR_ACCESS_DENIED},
                                         InjectedFault{SaveStep::WriteBytes, ERROR_DISK_FULL},
                                         InjectedFault{SaveStep::FlushBytes, ERROR_WRITE_FAULT},
                                         InjectedFault{SaveStep::ReplaceTarget, ERROR_SHARING_VIOLATION}));

TEST(SafeSaveTest, StepsRunInOrder) {
  ScratchFolder folder;
  std::vector<SaveStep> reached;
  ASSERT_TRUE(save(folder.file(L"a.jpg"), newContent(10), [&](SaveStep step) -> DWORD {
    reached.push_back(step);
    return ERROR_SUCCESS;
  }));
  const std::vector<SaveStep> expected = {SaveStep::CreateTemporary, SaveStep::WriteBytes, SaveStep::FlushBytes,
                                          SaveStep::ReplaceTarget};
  EXPECT_EQ(reached, expected);
}

TEST(SystemErrorTextTest, GivesTheSystemReasonAndCode) {
  const DWORD codes[] = {ERROR_ACCESS_DENIED, ERROR_SHARING_VIOLATION, ERROR_PATH_NOT_FOUND, ERROR_DISK_FULL,
                         ERROR_WRITE_PROTECT};
  for (DWORD code : codes) {
    const std::wstring text = systemErrorText(code);
    const std::wstring suffix = L"(错误代码 " + std::to_wstring(code) + L")";
    ASSERT_GT(text.size(), suffix.size() + 1) << code << ": no system text";
    EXPECT_TRUE(text.ends_with(suffix)) << code;
    EXPECT_EQ(text.find(L'\n'), std::wstring::npos) << code;
  }
}

TEST(ReadFileBytesTest, ReadsTheWholeFile) {
  ScratchFolder folder;
  const std::wstring path = folder.file(L"photo.jpg");
  ASSERT_TRUE(writeWholeFile(path, newContent(300000)));
  EXPECT_EQ(readFileBytes(path), newContent(300000));
}

TEST(ReadFileBytesTest, UnreadableFilesGiveNothing) {
  ScratchFolder folder;
  const std::wstring empty = folder.file(L"empty.jpg");
  ASSERT_TRUE(writeWholeFile(empty, {}));
  const std::wstring cases[] = {L"", folder.file(L"vanished.jpg"), empty, folder.path()};
  for (const std::wstring& path : cases) EXPECT_TRUE(readFileBytes(path).empty()) << utf8(path);
}

TEST(ReadFileBytesTest, FileHeldOpenForWritingGivesNothing) {
  ScratchFolder folder;
  const std::wstring path = folder.file(L"busy.jpg");
  ASSERT_TRUE(writeWholeFile(path, kOldContent));
  handles::UniqueFile writer(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(writer);
  EXPECT_TRUE(readFileBytes(path).empty());
}

TEST(ReadFileBytesTest, FileHeldOpenForReadingIsRead) {
  ScratchFolder folder;
  const std::wstring path = folder.file(L"shown.jpg");
  ASSERT_TRUE(writeWholeFile(path, kOldContent));
  handles::UniqueFile reader(
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(reader);
  EXPECT_EQ(readFileBytes(path), kOldContent);
}

}  // namespace
