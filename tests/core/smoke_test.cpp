#include "core/fakes.h"

TEST(Smoke, ProgramStartsEmpty)
{
    sb::test::ProgramFixture f;
    EXPECT_EQ(f.program.drill.factCount, 0);
}
