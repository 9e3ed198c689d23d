#include <gtest/gtest.h>

#include "protocol/Json.h"

TEST(Json, Placeholder) { EXPECT_TRUE(ParseJson("{}").has_value()); }
