#include <gtest/gtest.h>

#include <string>

#include "editing/save_error_message.h"

namespace {

TEST(SaveErrorMessageTest, NamesThePathAndTheReason) {
  const std::wstring text = saveErrorMessage(L"D:\\证件\\光棍证.jpg", L"拒绝访问。\r\n");
  EXPECT_EQ(text, L"证件图片没有保存。\r\n\r\n文件：D:\\证件\\光棍证.jpg\r\n原因：拒绝访问。");
}

TEST(SaveErrorMessageTest, MissingPartsAreSaidSo) {
  struct Case {
    std::wstring path, reason, expected;
  };
  const Case cases[] = {
      {L"", L"x", L"证件图片没有保存。\r\n\r\n文件：（没有文件名）\r\n原因：x"},
      {L"a.jpg", L"", L"证件图片没有保存。\r\n\r\n文件：a.jpg\r\n原因：未知错误。"},
      {L"a.jpg", L" \r\n", L"证件图片没有保存。\r\n\r\n文件：a.jpg\r\n原因：未知错误。"},
  };
  for (const Case& c : cases) EXPECT_EQ(saveErrorMessage(c.path, c.reason), c.expected);
}

}  // namespace
