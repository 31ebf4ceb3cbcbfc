// Every message the locations show fits the message line: at most three lines, none wider
// than the 513-pixel label in the game's 19-pixel gothic face, laid out as the game writes
// speech.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStringList>

#include "assets/gui_application.h"
#include "core/location_sweep.h"

namespace hazama::testing {
namespace {

constexpr int kLineWidth = 513;
constexpr int kMostLines = 3;

// What is wrong with the layout of one message; empty when nothing is.
QString layout_fault(const QStringList& lines) {
    const QString& first = lines.front();
    const qsizetype bracket = first.indexOf(u'「');
    const bool spoken = bracket > 0 && bracket <= 5 && !first.left(bracket).contains(u'。') &&
                        !first.left(bracket).contains(u'、');
    if (!spoken) return {};
    if (!lines.back().endsWith(u'」')) return "speech does not end with 」";
    const QString indent(bracket + 1, QChar(0x3000));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (!lines[i].startsWith(indent) || lines[i].at(indent.size()) == QChar(0x3000))
            return QString("line %1 is not indented to the column after 「").arg(i + 1);
    }
    return {};
}

TEST(MessageFit, EveryMessageFitsTheMessageLine) {
    application();
    QFont font("IPAGothic");
    font.setPixelSize(19);
    ASSERT_EQ(QFontInfo(font).family(), "IPAGothic") << "the IPA gothic font is not installed";
    const QFontMetrics metrics(font);

    const SweepOutcome outcome = LocationSweep().run();
    ASSERT_GT(outcome.messages.size(), 20u);  // the sweep did reach the story's lines
    int faults = 0;
    for (const std::string& text : outcome.messages) {
        const QStringList lines = QString::fromStdString(text).split("\r\n");
        if (lines.size() > kMostLines) {
            ADD_FAILURE() << lines.size() << " lines: " << text;
            ++faults;
        }
        for (const QString& line : lines) {
            if (line.contains(u'\n') || line.contains(u'\r')) {
                ADD_FAILURE() << "a line break other than CR LF: " << text;
                ++faults;
            }
            const int width = metrics.horizontalAdvance(line);
            if (width > kLineWidth) {
                ADD_FAILURE() << width << " px wide: " << line.toStdString();
                ++faults;
            }
        }
        if (const QString fault = layout_fault(lines); !fault.isEmpty()) {
            ADD_FAILURE() << fault.toStdString() << ": " << text;
            ++faults;
        }
    }
    EXPECT_EQ(faults, 0) << "of " << outcome.messages.size() << " messages";
}

}  // namespace
}  // namespace hazama::testing
