#include "config/ini_integer.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(ParseIniInteger, DecimalAndHexadecimal) {
  EXPECT_EQ(ParseIniInteger("0"), 0);
  EXPECT_EQ(ParseIniInteger("150"), 150);
  EXPECT_EQ(ParseIniInteger("007"), 7);
  EXPECT_EQ(ParseIniInteger("-1"), -1);
  EXPECT_EQ(ParseIniInteger("+5"), 5);
  EXPECT_EQ(ParseIniInteger("0x20"), 32);
  EXPECT_EQ(ParseIniInteger("0XfF"), 255);
  EXPECT_EQ(ParseIniInteger("2147483647"), 2147483647);
  EXPECT_EQ(ParseIniInteger("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(ParseIniInteger("0x7FFFFFFF"), 2147483647);
}

TEST(ParseIniInteger, AnythingElseIsNoInteger) {
  for (const char* bad : {"", "abc", "0x", "0X", "0x-5", "0x+5", "0x 5", "12abc", "1 2", "1.5", "-", "+", "--1", "+-1",
                          "-0x5", "2147483648", "-2147483649", "0x80000000", "99999999999999999999999"}) {
    EXPECT_FALSE(ParseIniInteger(bad).has_value()) << bad;
  }
}

}  // namespace
}  // namespace qm
