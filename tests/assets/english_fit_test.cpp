// English in the message line: the layout (words wrapped, speech hung after the name) with the
// real Latin face, and every message of the story in English fitting the line.
#include <gtest/gtest.h>

#include <QFontInfo>

#include "assets/gui_application.h"
#include "core/location_sweep.h"
#include "desktop/app_setup.h"
#include "desktop/english_layout.h"
#include "text/catalogue.h"

namespace hazama::testing {
namespace {

constexpr int kLineWidth = 513;
constexpr int kMostLines = 3;
constexpr int kLineHeight = 65;

QFont message_font() {
    application();
    return english_message_font(gothic(14.25));
}

TEST(EnglishLayout, WrapsByWordsAndHangsSpeechAfterTheName) {
    const QFont font = message_font();
    ASSERT_EQ(QFontInfo(font).family(), "Carlito") << "the Latin face (fonts-crosextra-carlito) is "
                                                      "not installed";
    const QFontMetrics metrics(font);
    EXPECT_LE(english_line_step(font) * kMostLines, kLineHeight);

    const QString speech = QStringLiteral(
        "Shibuki: “I know, I know. You say the same thing every single morning, Mom, and every "
        "single morning I tell you the very same thing back.”");
    EXPECT_EQ(speaker_prefix(speech), QStringLiteral("Shibuki: ").size());
    EXPECT_EQ(speaker_prefix(QStringLiteral("The boy: “…”")), 9);
    EXPECT_EQ(speaker_prefix(QStringLiteral("It was cold: “nothing” was all he said.")), 0);
    EXPECT_EQ(speaker_prefix(QStringLiteral("Mom: “Up you get.")), 0);
    const EnglishLines laid = wrap_english(speech, metrics, kLineWidth);
    ASSERT_GE(laid.lines.size(), 2);
    EXPECT_EQ(laid.indent, metrics.horizontalAdvance(QStringLiteral("Shibuki: ")));
    QString joined;
    for (qsizetype k = 0; k < laid.lines.size(); ++k) {
        const int room = k == 0 ? kLineWidth : kLineWidth - laid.indent;
        EXPECT_LE(metrics.horizontalAdvance(laid.lines[k]), room) << laid.lines[k].toStdString();
        EXPECT_FALSE(laid.lines[k].startsWith(u' ') || laid.lines[k].endsWith(u' '));
        EXPECT_EQ(speech.mid(laid.starts[k], laid.lines[k].size()), laid.lines[k]);
        // Filled greedily: the next line's first word would not have fitted.
        if (k + 1 < laid.lines.size()) {
            const QString next = laid.lines[k + 1].section(u' ', 0, 0);
            EXPECT_GT(metrics.horizontalAdvance(laid.lines[k] + u' ' + next), room);
        }
        joined += (k == 0 ? QString() : QStringLiteral(" ")) + laid.lines[k];
    }
    EXPECT_EQ(joined, speech);  // broken only at spaces, nothing lost

    // Narration has no indent; a word wider than the line is cut rather than overflowing.
    const EnglishLines narration =
        wrap_english(QStringLiteral("Snow. ") + QString(200, u'm'), metrics, kLineWidth);
    EXPECT_EQ(narration.indent, 0);
    ASSERT_GE(narration.lines.size(), 2);
    for (const QString& line : narration.lines)
        EXPECT_LE(metrics.horizontalAdvance(line), kLineWidth);
    EXPECT_EQ(wrap_english(QString(), metrics, kLineWidth).lines, QStringList{QString()});
}

// Run once the story's English is in po/en.po.
TEST(EnglishStory, EveryEnglishMessageFitsTheMessageLine) {
    const QFontMetrics metrics(message_font());
    const char* assets = std::getenv("HAZAMA_ASSETS");
    ASSERT_NE(assets, nullptr);
    Catalogue english;
    std::string error;
    ASSERT_TRUE(english.load(catalogue_path(assets, Language::en), error)) << error;

    const SweepOutcome outcome = LocationSweep().run();
    ASSERT_GT(outcome.messages.size(), 20u);
    int faults = 0;
    for (const std::string& japanese : outcome.messages) {
        const std::string* text = english.find(japanese);
        if (text == nullptr) {
            ADD_FAILURE() << "no English for: " << japanese;
            ++faults;
            continue;
        }
        const QString line = QString::fromStdString(*text);
        const EnglishLines laid = wrap_english(line, metrics, kLineWidth);
        const bool too_wide = std::ranges::any_of(laid.lines, [&](const QString& l) {
            return metrics.horizontalAdvance(l) > kLineWidth;
        });
        if (laid.lines.size() > kMostLines || too_wide || line.contains(u'\n')) {
            ADD_FAILURE() << laid.lines.size() << " lines" << (too_wide ? ", a word too wide" : "")
                          << ": " << *text;
            ++faults;
        }
    }
    EXPECT_EQ(faults, 0) << "of " << outcome.messages.size() << " messages";
}

}  // namespace
}  // namespace hazama::testing
