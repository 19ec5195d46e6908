#include <gtest/gtest.h>

#include <cstdint>

#include "SchemaTestObjects.h"

using namespace VrlSchemaLib;
using VrlSchemaTest::V;

TEST(VrlSchemaVersion, DefaultsToVersion25WithoutServicePack) {
    VrlSchemaVersion v;
    EXPECT_EQ(v.GetVersion(), 25);
    EXPECT_EQ(v.GetServicePackNumber(), 0);
    VrlSchemaVersion onlyVersion(VrlDbVersion35);
    EXPECT_EQ(onlyVersion.GetVersion(), 35);
    EXPECT_EQ(onlyVersion.GetServicePackNumber(), 0);
}

TEST(VrlSchemaVersion, CompareReturnsTheDifferenceOfTheFirstDifferingMember) {
    EXPECT_EQ(V(35).Compare(V(25)), 10);
    EXPECT_EQ(V(25).Compare(V(35)), -10);
    // The service pack only counts when the versions are equal.
    EXPECT_EQ(V(25, 10001).Compare(V(25, 0)), 10001);
    EXPECT_EQ(V(24, 11201).Compare(V(25, 0)), -1);
    EXPECT_EQ(V(30, 7).Compare(V(30, 7)), 0);
}

TEST(VrlSchemaVersion, CompareKeepsTheSignForExtremeValues) {
    EXPECT_GT(V(INT32_MAX).Compare(V(INT32_MIN)), 0);
    EXPECT_LT(V(INT32_MIN).Compare(V(INT32_MAX)), 0);
    EXPECT_LT(V(5, INT32_MIN).Compare(V(5, 1)), 0);
    EXPECT_TRUE(V(INT32_MAX) > V(-1));
}

TEST(VrlSchemaVersion, OperatorsOrderLexicographically) {
    const VrlSchemaVersion base = V(25);
    const VrlSchemaVersion sp = V(25, 10001);
    const VrlSchemaVersion next = V(26);

    EXPECT_TRUE(sp > base);
    EXPECT_TRUE(sp >= base);
    EXPECT_FALSE(sp <= base);
    EXPECT_TRUE(sp <= next);
    EXPECT_FALSE(sp > next);
    EXPECT_FALSE(sp >= next);

    EXPECT_TRUE(base == V(25, 0));
    EXPECT_FALSE(base != V(25, 0));
    EXPECT_TRUE(base != sp);
    EXPECT_TRUE(base <= base);
    EXPECT_TRUE(base >= base);
    EXPECT_FALSE(base > base);
}

TEST(VrlSchemaVersion, NextStepsTheVersionAndDropsTheServicePack) {
    const VrlSchemaVersion sp = V(25, 10001);
    const VrlSchemaVersion next = sp.Next();
    EXPECT_EQ(next.GetVersion(), 26);
    EXPECT_EQ(next.GetServicePackNumber(), 0);
    EXPECT_EQ(sp.GetVersion(), 25);
    EXPECT_EQ(sp.GetServicePackNumber(), 10001);
    EXPECT_EQ(V(INT32_MAX).Next().GetVersion(), INT32_MAX);
}

TEST(VrlSchemaVersion, ReleaseNumbersMapToServicePackCodes) {
    struct Case {
        LONG major, minor, servicePack;
        int32_t expected;
    };
    // Every case starts from service pack 777, so "unchanged" is visible.
    const Case cases[] = {
        {10, 0, 1, 10001}, {10, 0, 2, 10002}, {10, 0, 3, 0},     {10, 0, 0, 0},
        {10, 0, -1, 0},    {10, 1, 7, 10010}, {10, 1, 0, 10010}, {10, 2, 1, 777},
        {10, -1, 1, 777},  {11, 0, 1, 777},   {9, 1, 1, 777},    {0, 0, 0, 777},
    };
    for (const Case& c : cases) {
        VrlSchemaVersion v = V(30, 777);
        v.SetServicePackNumber(c.major, c.minor, c.servicePack);
        EXPECT_EQ(v.GetServicePackNumber(), c.expected)
            << c.major << "." << c.minor << " SP" << c.servicePack;
        EXPECT_EQ(v.GetVersion(), 30);
    }
}
