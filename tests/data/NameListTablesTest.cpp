// Combo name lists built from the project's database tables.
#include <gtest/gtest.h>

#include "data/Database.h"
#include "framework/NameList.h"

TEST(NameListTables, EveryTableGivesNumberedNames) {
    cDatabase db;
    db.m_Sounds.resize(3);
    db.m_Sounds[1].m_Name = "足音";
    db.m_Sounds[2].m_Name = "爆発";
    std::vector<std::string> list;
    BuildTableNameList(&list, db.m_Sounds, "なし", 0, 3, 0);
    EXPECT_EQ((std::vector<std::string>{"なし", "001 足音", "002 爆発"}), list);

    db.m_Animes.resize(2);
    db.m_Animes[1].m_Name = "歩き";
    BuildTableNameList(&list, db.m_Animes, nullptr, 1, 2, 0);
    EXPECT_EQ((std::vector<std::string>{"01 歩き"}), list);

    // The other tables take the same builder: one item per entry.
    auto check = [&list](const auto& table) {
        BuildTableNameList(&list, table, nullptr, 0, 3, 0);
        EXPECT_EQ(table.size(), list.size());
    };
    check(db.m_AnimeSets);
    check(db.m_BmpCharaExcs);
    check(db.m_SwordTypes);
    check(db.m_Effects);
    check(db.m_CharaEffects);
    check(db.m_ScrEffects);
    check(db.m_Pictures);
    check(db.m_Bgms);
}
