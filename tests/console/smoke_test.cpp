#include <gtest/gtest.h>
#include "fakes/console_fixture.h"
namespace kestrova::testing {
TEST(Skeleton, Links) { ConsoleFixture f; f.OpenPort(); SUCCEED(); }
}
