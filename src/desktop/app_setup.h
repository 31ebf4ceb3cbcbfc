// Application-wide set-up shared by the game and its window tests: font names and the
// Japanese translation of Qt's own dialogs.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QApplication;
class QWidget;

namespace hazama {

// The game's title: the caption of the window and of its message boxes.
inline const QString kTitle = QStringLiteral("ハザマ");

// Maps the gothic and mincho faces the window's design names onto the IPA fonts, which
// fontconfig does not do by itself.
void install_font_substitutions();

// Loads qtbase_ja so the file dialog and message boxes speak Japanese. False when the
// translation is not installed (the dialogs then stay in English).
bool install_translator(QApplication& app);
// Qt's own dialogs in Japanese (the translator above) or in English (none).
void use_qt_japanese(bool japanese);

// A font of the design: face name and size in points, turned into the pixel size that
// point size gives at 96 dots per inch, so the layout does not depend on the screen.
QFont design_font(const QString& family, double points, bool bold = false);
// The design's two faces: the gothic of the message line and the buttons, the mincho of
// the credits.
QFont gothic(double points);
QFont mincho(double points, bool bold = false);

// The colour a label's text is drawn in.
void set_text_colour(QWidget* w, const QColor& colour);

// A dialog just shown is moved to the middle of the window it opens over.
void centre_on_window(QWidget* dialog);

}  // namespace hazama
