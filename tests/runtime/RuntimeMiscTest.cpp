#include "TempFolder.h"
#include "runtime/Component.h"
#include "runtime/Exceptions.h"
#include "runtime/Random.h"
#include "runtime/StringList.h"
#include "runtime/TextFile.h"

#include <gtest/gtest.h>

namespace {

TEST(TextFile, LinesEndWithCrLfLfOrCr)
{
    EXPECT_EQ(rt::SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(rt::SplitLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(rt::SplitLines("").empty());
}

TEST(TextFile, MissingFileNamesTheFile)
{
    try {
        rt::ReadFileText("/nonexistent/1.txt");
        FAIL();
    } catch (const rt::EFOpenError& e) {
        EXPECT_EQ(e.Message(), "Cannot open file \"/nonexistent/1.txt\". File not found");
    }
}

TEST(Random, FixedSeedSourceRepeatsAndClockDoesNot)
{
    rt::Random::SetSeedSource([] { return 42u; });
    rt::Random::Randomize();
    const double a = rt::Random::NextDouble();
    rt::Random::Randomize();
    EXPECT_EQ(rt::Random::NextDouble(), a);
    rt::Random::SetSeedSource(nullptr);
    rt::Random::Randomize();
    const double b = rt::Random::NextDouble();
    rt::Random::Randomize();
    EXPECT_NE(rt::Random::NextDouble(), b);
}

TEST(Random, UniformRanges)
{
    rt::Random::Seed(7);
    int counts[6] = {};
    for (int i = 0; i < 60000; ++i) {
        const double d = rt::Random::NextDouble();
        ASSERT_GE(d, 0.0);
        ASSERT_LT(d, 1.0);
        const int k = rt::Random::NextInt(6);
        ASSERT_GE(k, 0);
        ASSERT_LT(k, 6);
        ++counts[k];
    }
    for (int c : counts) {
        EXPECT_NEAR(c, 10000, 400);
    }
}

TEST(StringList, EveryChangeNotifiesAndBadIndexIsARangeError)
{
    rt::TStringList list;
    int changes = 0;
    list.OnChange = [&](rt::TStringList&) { ++changes; };
    list.Add("4");
    list.Add("1");
    list.Delete(0);
    list.Assign({"0"});
    list.Clear();
    list.Clear();  // already empty: nothing changes
    EXPECT_EQ(changes, 5);
    try {
        list.Delete(3);
        FAIL();
    } catch (const rt::ERangeError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (3)");
    }
}

TEST(Component, OwnerDestroysWhatItOwns)
{
    struct Probe : rt::TComponent {
        Probe(rt::TComponent* owner, int& destroyed) : rt::TComponent(owner), destroyed_(destroyed) {}
        ~Probe() override { ++destroyed_; }
        int& destroyed_;
    };
    int destroyed = 0;
    auto* owner = new rt::TComponent(nullptr);
    new Probe(owner, destroyed);
    auto* early = new Probe(owner, destroyed);
    delete early;
    EXPECT_EQ(owner->ComponentCount(), 1);
    delete owner;
    EXPECT_EQ(destroyed, 2);
}

}  // namespace
