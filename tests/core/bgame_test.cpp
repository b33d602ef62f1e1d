// The box-score stand-in's date keys; its game lines are checked by running
// it over the real event files (compile_test) and by the event file fuzz target.
#include "tools/bgame/eventfile.h"

#include <gtest/gtest.h>

using namespace rota::bgame;

TEST(BoxScoreStandIn, KeysAllowLeadingBlanks)
{
    const std::pair<const char*, int> cases[] = {{"0401", 401}, {" 401", 401}, {"1030", 1030}, {"04 1", -1}, {"", -1}};
    for (const auto& [key, value] : cases)
        EXPECT_EQ(parseKey(key), value) << key;
}
