// Copied lines as sentences: the wrap and its indent go, the words stay.
#include <gtest/gtest.h>

#include "reading/plain_text.h"

namespace hazama {
namespace {

TEST(PlainText, AWrappedLineBecomesOneSentence) {
    EXPECT_EQ(plain_text("飛沫の母「おはよう。ほら、早く食べちゃいなさい。\r\n　　　　　遅刻しても"
                         "知らないわよ。」"),
              "飛沫の母「おはよう。ほら、早く食べちゃいなさい。遅刻しても知らないわよ。」");
    EXPECT_EQ(plain_text("毎朝通る道に、\r\n道路工事のため"), "毎朝通る道に、道路工事のため");
    // English keeps a space between the words the wrap parted, and only one.
    EXPECT_EQ(plain_text("Mother: \"Morning. Eat up,\r\n        or you'll be late.\""),
              "Mother: \"Morning. Eat up, or you'll be late.\"");
    EXPECT_EQ(plain_text("one\ntwo"), "one two");
    EXPECT_EQ(plain_text("一行だけ"), "一行だけ");
    EXPECT_EQ(plain_text("\r\n"), "");
}

}  // namespace
}  // namespace hazama
