#include <gtest/gtest.h>

#include "foundation/TextWin32.h"

TEST(WideToAnsi, ConvertsToTheKoreanCodePage)
{
    EXPECT_EQ(WideToAnsi(L"가"), "가") << "CP949 both ways";
    EXPECT_EQ(WideToAnsi(L"GameImage\\패"), "GameImage\\패");
    EXPECT_EQ(WideToAnsi(L""), "");
    EXPECT_EQ(WideToAnsi(static_cast<const wchar_t*>(nullptr)), "");
    EXPECT_EQ(AnsiToWide("냥"), L"냥");
    EXPECT_EQ(WideToAnsi(AnsiToWide("1억2345만냥")), "1억2345만냥");
}
