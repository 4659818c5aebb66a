// A command's parameter list follows its type's count in the table of its own command set.
#include <gtest/gtest.h>

#include "data/FlowCommand.h"
#include "editor/flow/CmdPage.h"

namespace {

struct cSizeCase {
    uint8_t set, type;
    size_t before, after;
};

TEST(CmdParams, SizedByTheTableOfTheCommandsOwnSet) {
    const cSizeCase cases[] = {
        {0, 10, 0, 5},   // jump grows, filled with zeros
        {0, 9, 5, 1},    // direction change drops the tail
        {0, 1, 3, 0},    // wait has none
        {1, 1, 0, 2},    // item "フローの変更"
        {1, 3, 0, 1},    // item type 3 is chara type 18, one parameter
        {0, 37, 4, 4},   // outside the chara table: kept
        {1, 22, 2, 2},   // outside the item table: kept
    };
    for (const cSizeCase& c : cases) {
        cFlowCmd cmd;
        cmd.m_CmdSet = c.set;
        cmd.m_CmdType = c.type;
        cmd.m_Params.assign(c.before, 7);
        SizeParams(cmd);
        ASSERT_EQ(c.after, cmd.m_Params.size()) << int(c.set) << "/" << int(c.type);
        for (size_t i = 0; i < c.after; ++i)
            EXPECT_EQ(i < c.before ? 7 : 0, cmd.m_Params[i]) << int(c.set) << "/" << int(c.type) << " #" << i;
    }
}

}  // namespace
