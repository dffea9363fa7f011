#include "base/result/Result.h"

#include <gtest/gtest.h>

#include <memory>

using namespace base::result;

namespace {

Result<std::unique_ptr<int>> Parse(bool good)
{
    if (!good)
        return Fail(Reason::Damaged, "The file is damaged.");
    return std::make_unique<int>(7);
}

} // namespace

TEST(Result, CarriesEitherAMoveOnlyValueOrTheReasonAndMessage)
{
    auto good = Parse(true);
    ASSERT_TRUE(good.Ok());
    EXPECT_EQ(**good, 7);

    const auto bad = Parse(false);
    ASSERT_FALSE(bad);
    EXPECT_EQ(bad.Code(), Reason::Damaged);
    EXPECT_EQ(bad.Message(), "The file is damaged.");
}
