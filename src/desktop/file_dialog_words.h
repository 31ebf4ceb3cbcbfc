// The file dialog's own words in the game's language: Qt's Japanese translation leaves a
// folder's type and the dates to the desktop's language, so the dialog's list gets them
// from the game instead.
#pragma once

#include <QIdentityProxyModel>

class QFileDialog;

namespace hazama {

// The list of files as Qt's model gives it, with the type column and the dates in the
// language in force.
class FileDialogWords : public QIdentityProxyModel {
  public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override;
};

// Puts the dialog's list into the game's words (a dialog of Qt's own, not the desktop's).
void use_game_words(QFileDialog& dialog);

}  // namespace hazama
