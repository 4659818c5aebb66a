#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "game/play/StripIndex.h"

// The index may name positions whose boxes miss (they are tested again), but never skips one
// whose box overlaps: from every start its answer is at or before the first overlapping one,
// and walking its answers meets every overlapping position in order.
TEST(StripIndex, NeverSkipsAnOverlappingPosition) {
    const double inf = std::numeric_limits<double>::infinity(), nan = std::nan("");
    const std::vector<cHitBox> members = {
        {0, 0, 31, 31},          {40, 0, 40, 0},           {63.5, 10, 64.5, 20},  {-200, 0, -100, 40},
        {1e9, 0, 1e9 + 5, 5},    {-1e15, 0, -1e15, 0},     {0, 0, inf, 10},       {-inf, 0, 10, 10},
        {5, 5, 4, 6},            {nan, 0, 10, 10},         {0, nan, 10, 10},      {300000, 0, 300031, 31},
        {127.9, 0, 128, 1},      {-64, -64, -64.0001, 0},  {640, 0, 700, 480},    {0, 0, 31, 31},
    };
    const std::vector<cHitBox> probes = {
        {0, 0, 0, 0},       {40, 0, 40, 0},      {64, 15, 64, 15},       {-150, 10, -150, 10},
        {1e9 + 1, 1, 1e9 + 2, 2}, {-1e15, 0, -1e15, 0}, {5e12, 5, 6e12, 5}, {-5e12, 5, -4e12, 5},
        {128, 0, 128, 0},   {650, 400, 651, 401}, {-inf, -inf, inf, inf}, {nan, 0, 1, 1},
        {10, 10, 9, 11},    {300015, 10, 300016, 10}, {-63.9, 0, -63.9, 0}, {31, 31, 40, 40},
    };
    cStripIndex index;
    index.Clear(members.size());
    for (size_t i = 0; i < members.size(); ++i) index.Add(i, members[i]);
    for (size_t p = 0; p < probes.size(); ++p) {
        std::vector<size_t> expected, walked;
        for (size_t i = 0; i < members.size(); ++i)
            if (members[i].Overlaps(probes[p])) expected.push_back(i);
        for (size_t at = index.Next(probes[p], 0); at < members.size(); at = index.Next(probes[p], at + 1)) {
            if (members[at].Overlaps(probes[p])) walked.push_back(at);
        }
        EXPECT_EQ(expected, walked) << "probe " << p;
        for (size_t from = 0; from <= members.size(); ++from) {
            size_t first = members.size();
            for (size_t i = from; i < members.size() && first == members.size(); ++i)
                if (members[i].Overlaps(probes[p])) first = i;
            EXPECT_LE(index.Next(probes[p], from), first) << "probe " << p << " from " << from;
        }
    }
}

// Built again over fewer positions, it names none of the old ones; an index with nothing in it
// answers the count.
TEST(StripIndex, ClearStartsAfresh) {
    cStripIndex index;
    index.Clear(3);
    index.Add(0, {0, 0, 10, 10});
    index.Add(2, {100, 0, 110, 10});
    EXPECT_EQ(2u, index.Next({105, 5, 105, 5}, 1));
    index.Clear(1);
    index.Add(0, {0, 0, 10, 10});
    EXPECT_EQ(1u, index.Next({105, 5, 105, 5}, 1));
    EXPECT_EQ(0u, index.Next({5, 5, 5, 5}, 0));
    index.Clear(4);
    EXPECT_EQ(4u, index.Next({5, 5, 5, 5}, 0));
}

// By spans alone (ends in either order, so that two boxes whose edges meet always share a strip):
// walking every answer meets each position whose span meets the probe's, once and in order, whether the probe lies in one strip,
// across two or across many; the walk stops where the visitor says.
TEST(StripIndex, SpansAreWalkedInOrderEachOnce) {
    const double nan = std::nan("");
    const std::vector<std::pair<double, double>> members = {
        {0, 31},   {63, 64},  {64, 127},  {127.5, 128}, {200, 100}, {300, 299}, {-70, -1},
        {10, nan}, {40, 400}, {0, 31},    {1e13, 2e13}, {65, 66},   {129, 190}, {191, 191},
    };
    const std::vector<std::pair<double, double>> probes = {
        {0, 0},   {31, 0},    {60, 70},  {63.9, 64}, {127, 129}, {150, 150}, {299.5, 299.5}, {-80, 500},
        {-1, -1}, {nan, 10},  {64, 191}, {1e13, 1e13}, {190.5, 191}, {128, 127.6},
    };
    const auto meets = [](std::pair<double, double> a, std::pair<double, double> b) {
        return a.first <= b.second && b.first <= a.second;
    };
    const auto sorted = [](std::pair<double, double> s) {
        return s.second < s.first ? std::make_pair(s.second, s.first) : s;
    };
    cStripIndex index;
    index.Clear(members.size());
    for (size_t i = 0; i < members.size(); ++i) index.AddSpan(i, members[i].first, members[i].second);
    for (size_t p = 0; p < probes.size(); ++p) {
        std::vector<size_t> expected, walked, offered;
        for (size_t i = 0; i < members.size(); ++i)
            if (meets(sorted(probes[p]), sorted(members[i]))) expected.push_back(i);
        EXPECT_EQ(members.size(), index.FindInSpan(probes[p].first, probes[p].second, [&](size_t i) {
            offered.push_back(i);
            if (meets(sorted(probes[p]), sorted(members[i]))) walked.push_back(i);
            return false;
        })) << "probe " << p;
        EXPECT_EQ(expected, walked) << "probe " << p;
        for (size_t i = 1; i < offered.size(); ++i) EXPECT_LT(offered[i - 1], offered[i]) << "probe " << p;
        if (expected.empty()) continue;
        EXPECT_EQ(expected.back(), index.FindInSpan(probes[p].second, probes[p].first,
                                                    [&](size_t i) { return i == expected.back(); }))
            << "probe " << p;
    }
}
