#include <gtest/gtest.h>

#include <string>

#include "editing/dialog_filter.h"

namespace {

using namespace std::string_literals;

struct FilterCase {
  const char* name;
  std::wstring stored;
  std::wstring expected;
};

class DialogFilterTest : public testing::TestWithParam<FilterCase> {};

TEST_P(DialogFilterTest, ConvertsToNulSeparatedPairs) {
  EXPECT_EQ(toDialogFilter(GetParam().stored), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DialogFilterTest,
    testing::Values(FilterCase{"LayoutFilter", L"jpg图片|*.jpg", L"jpg图片\0*.jpg\0\0"s},
                    FilterCase{"AlreadyEndsInTwoBars", L"jpg图片|*.jpg||", L"jpg图片\0*.jpg\0\0"s},
                    FilterCase{"TrailingSpacesAfterBars", L"jpg图片|*.jpg||   ", L"jpg图片\0*.jpg\0\0"s},
                    FilterCase{"TrailingTabsAndLineBreaks", L"jpg图片|*.jpg \t\r\n", L"jpg图片\0*.jpg\0\0"s},
                    FilterCase{"InnerSpacesKept", L"all pictures|*.jpg; *.bmp", L"all pictures\0*.jpg; *.bmp\0\0"s},
                    FilterCase{"TwoPairs", L"jpg|*.jpg|bmp|*.bmp", L"jpg\0*.jpg\0bmp\0*.bmp\0\0"s},
                    FilterCase{"EndsInOneBar", L"jpg|*.jpg|", L"jpg\0*.jpg\0\0\0"s},
                    FilterCase{"Empty", L"", L""},
                    FilterCase{"OnlyWhiteSpace", L"  \t ", L""}),
    [](const testing::TestParamInfo<FilterCase>& info) { return std::string(info.param.name); });

}  // namespace
