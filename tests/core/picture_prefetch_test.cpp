// Pictures decoded ahead of a replay: each listed picture is handed over once, in any order
// the replay really takes; what the list did not foresee, or could not decode, is left to
// the replay; and the thread stops however far it got.
#include "replay/picture_prefetch.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

namespace hazama {
namespace {

// A picture whose one pixel tells which path it came from; "bad" ones do not decode.
bool fake_decode(const std::string& path, Plane& into, std::string& error) {
    if (path.starts_with("bad")) {
        error = "damaged";
        return false;
    }
    into.resize(1, 1);
    into.row(0)[0] = static_cast<std::uint32_t>(std::hash<std::string>{}(path));
    return true;
}

std::uint32_t pixel_of(const std::string& path) {
    Plane p;
    std::string error;
    fake_decode(path, p, error);
    return p.row(0)[0];
}

TEST(PicturePrefetch, HandsOverWhatTheReplayAsksForAndNothingTwice) {
    PicturePrefetch ahead({"a", "b", "bad", "c", "d", "e"}, fake_decode, 2);
    Plane p;
    ASSERT_TRUE(ahead.take("a", p));
    EXPECT_EQ(p.row(0)[0], pixel_of("a"));
    EXPECT_FALSE(ahead.take("a", p)) << "taken before";
    EXPECT_FALSE(ahead.take("unlisted", p));
    EXPECT_FALSE(ahead.take("bad", p)) << "did not decode";
    // The story took another way: "c" is never asked for, "d" and "e" still come.
    ASSERT_TRUE(ahead.take("d", p));
    EXPECT_EQ(p.row(0)[0], pixel_of("d"));
    EXPECT_FALSE(ahead.take("c", p)) << "passed over";
    ASSERT_TRUE(ahead.take("e", p));
    EXPECT_EQ(p.row(0)[0], pixel_of("e"));
}

TEST(PicturePrefetch, DecodesOnlyAFewAheadAndStopsWhenTheReplayEnds) {
    std::vector<std::string> many;
    for (int i = 0; i < 100; ++i) many.push_back("p" + std::to_string(i));
    std::atomic<int> decoded{0};
    {
        PicturePrefetch ahead(
            many,
            [&](const std::string& path, Plane& into, std::string& error) {
                ++decoded;
                return fake_decode(path, into, error);
            },
            3);
        Plane p;
        EXPECT_TRUE(ahead.take("p0", p));
    }
    EXPECT_LE(decoded.load(), 5) << "one taken, three waiting, one being decoded";
}

TEST(PicturePrefetch, APictureListedAgainIsKeptForItsNextPlaceAsFarAsTheBudgetGoes) {
    for (const std::size_t budget : {std::size_t{1} << 20, std::size_t{0}}) {
        std::atomic<int> decoded_a{0};
        PicturePrefetch ahead(
            {"a", "b", "a", "c", "a"},
            [&](const std::string& path, Plane& into, std::string& error) {
                if (path == "a") ++decoded_a;
                return fake_decode(path, into, error);
            },
            1, budget);
        Plane p;
        for (const char* path : {"a", "b", "a", "c", "a"}) {
            ASSERT_TRUE(ahead.take(path, p)) << path;
            EXPECT_EQ(p.row(0)[0], pixel_of(path));
        }
        EXPECT_FALSE(ahead.take("a", p)) << "no place left";
        EXPECT_EQ(decoded_a.load(), budget > 0 ? 1 : 3) << "budget " << budget;
    }
}

TEST(PicturePrefetch, ADecodeThatThrowsIsLeftToTheReplayAndStopsNothing) {
    for (const char* throwing : {"huge", "b"}) {
        PicturePrefetch ahead(
            {"a", "huge", "b", "c"},
            [&](const std::string& path, Plane& into, std::string& error) {
                // A header that asks for more memory than there is.
                if (path == throwing) throw std::bad_alloc();
                return fake_decode(path, into, error);
            },
            2);
        Plane p;
        EXPECT_TRUE(ahead.take("a", p));
        EXPECT_FALSE(ahead.take(throwing, p)) << "the replay decodes it itself";
        EXPECT_TRUE(ahead.take("c", p));
        EXPECT_EQ(p.row(0)[0], pixel_of("c"));
    }
}

}  // namespace
}  // namespace hazama
