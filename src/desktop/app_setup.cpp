// Application-wide set-up: font substitutions, Qt's Japanese translation, design fonts.
#include "desktop/app_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <QWidget>
#include <cmath>
#include <memory>

namespace hazama {

void install_font_substitutions() {
    const QStringList gothic{QStringLiteral("IPAGothic")};
    const QStringList proportional{QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")};
    const QStringList mincho{QStringLiteral("IPAMincho")};
    QFont::insertSubstitutions(QStringLiteral("MS Gothic"), gothic);
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"), gothic);
    QFont::insertSubstitutions(QStringLiteral("MS PGothic"), proportional);
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"), proportional);
    QFont::insertSubstitutions(QStringLiteral("MS Mincho"), mincho);
    QFont::insertSubstitutions(QStringLiteral("ＭＳ 明朝"), mincho);
}

namespace {
QTranslator* g_qt_japanese = nullptr;
}  // namespace

void use_qt_japanese(bool japanese) {
    if (g_qt_japanese == nullptr) return;
    if (japanese) {
        QCoreApplication::installTranslator(g_qt_japanese);
    } else {
        QCoreApplication::removeTranslator(g_qt_japanese);
    }
}

bool install_translator(QApplication& app) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_ja"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    // The application owns it from here on; it outlives every dialog.
    translator->setParent(&app);
    g_qt_japanese = translator.get();
    return QApplication::installTranslator(translator.release());
}

QFont design_font(const QString& family, double points, bool bold) {
    // Ask for the IPA face a design name stands for: font matching would otherwise first
    // search every installed font for a face by the design's name, which is not there.
    QFont font(QFont::substitute(family));
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}

QFont gothic(double points) {
    return design_font(QStringLiteral("ＭＳ ゴシック"), points);
}

QFont mincho(double points, bool bold) {
    return design_font(QStringLiteral("ＭＳ 明朝"), points, bold);
}

void set_text_colour(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    w->setPalette(p);
}

void centre_on_window(QWidget* dialog) {
    if (dialog->parentWidget() == nullptr) return;
    QRect frame = dialog->frameGeometry();
    frame.moveCenter(dialog->parentWidget()->window()->frameGeometry().center());
    dialog->move(frame.topLeft());
}

}  // namespace hazama
