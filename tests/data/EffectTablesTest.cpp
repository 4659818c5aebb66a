#include <gtest/gtest.h>

#include <string>

#include "data/EffectTables.h"

namespace {

struct cTable {
    const char* what;
    const char* const* names;
    const cParamDesc (*params)[kEffectParams];
    int types;
};

const cTable kEffectTables[] = {
    {"chara", CharaEffectTypeNames, CharaEffectParamTable, kCharaEffectTypes},
    {"screen", ScrEffectTypeNames, ScrEffectParamTable, kScrEffectTypes},
};

}  // namespace

TEST(EffectTables, NameListsHoldEveryTypeButZeroAndEndEmpty) {
    EXPECT_EQ(16, kCharaEffectTypes - 1);
    EXPECT_EQ(13, kScrEffectTypes - 1);
    for (const cTable& t : kEffectTables) {
        for (int i = 0; i < t.types - 1; ++i) EXPECT_STRNE("", t.names[i]) << t.what << " " << i;
        EXPECT_STREQ("", t.names[t.types - 1]) << t.what;
    }
    EXPECT_STREQ("破裂", CharaEffectTypeNames[1 - 1]);
    EXPECT_STREQ("ぼかし ※16bit色専用", CharaEffectTypeNames[16 - 1]);
    EXPECT_STREQ("モザイク ※16bit色だと遅い", ScrEffectTypeNames[13 - 1]);
    EXPECT_STREQ("下", SwordDirectionNames[3]);
    EXPECT_STREQ("", SwordDirectionNames[4]);
}

TEST(EffectTables, EveryDescriptorIsUnusedOrHoldsItsDefaultInRange) {
    for (const cTable& t : kEffectTables) {
        for (int type = 0; type < t.types; ++type) {
            for (int p = 0; p < kEffectParams; ++p) {
                const cParamDesc& d = t.params[type][p];
                SCOPED_TRACE(std::string(t.what) + " type " + std::to_string(type) + " parameter " + std::to_string(p));
                if (type == 0 || !d.m_Caption[0]) {
                    EXPECT_STREQ("", d.m_Caption);
                    EXPECT_EQ(0, d.m_Min);
                    EXPECT_EQ(0, d.m_Max);
                    EXPECT_EQ(0, d.m_Default);
                } else {
                    EXPECT_LE(d.m_Min, d.m_Default);
                    EXPECT_LE(d.m_Default, d.m_Max);
                }
            }
            // Every named type has its time first.
            if (type > 0) {
                EXPECT_STREQ("実行時間(1/10s)", t.params[type][0].m_Caption);
            }
        }
    }
}

TEST(EffectTables, SampleRows) {
    const cParamDesc& blur = CharaEffectParamTable[16][1];
    EXPECT_EQ(1, blur.m_Min);
    EXPECT_EQ(1, blur.m_Max);
    const cParamDesc& lensY = ScrEffectParamTable[12][4];
    EXPECT_STREQ("ズレY(dot)", lensY.m_Caption);
    EXPECT_EQ(-240, lensY.m_Min);
    EXPECT_EQ(240, lensY.m_Max);
    EXPECT_EQ(1280, ScrEffectParamTable[11][2].m_Default);
    EXPECT_EQ(9999, CharaEffectParamTable[14][1].m_Default);
    EXPECT_EQ(5, CharaEffectParamTable[10][0].m_Default);
    EXPECT_STREQ("", CharaEffectParamTable[6][2].m_Caption);
}
