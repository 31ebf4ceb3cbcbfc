// Answers the game's file dialog (and the questions it raises) from a timer, the way a
// player would: types a name into it, or cancels it.
#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <utility>

namespace hazama {

// Answers the next file dialog with `name` typed into it (empty: cancel). A question
// about overwriting is answered yes and counted; any other message box is answered OK.
struct FileAnswer {
    QString name;
    QFileDialog* seen = nullptr;
    QString title, directory, suffix;
    QStringList filters;
    bool save = false;
    int overwrite_questions = 0;
    QStringList message_boxes;  // texts of the game's own message boxes, answered OK
    QTimer driver;

    explicit FileAnswer(QString typed) : name(std::move(typed)) {
        QObject::connect(&driver, &QTimer::timeout, [this] { step(); });
        driver.start(5);
    }
    void step() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            if (QAbstractButton* yes = box->button(QMessageBox::Yes)) {
                ++overwrite_questions;
                yes->click();
            } else {
                message_boxes << box->text();
                box->button(QMessageBox::Ok)->click();
            }
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal); dialog && !seen) {
            seen = dialog;
            title = dialog->windowTitle();
            directory = dialog->directory().absolutePath();
            suffix = dialog->defaultSuffix();
            filters = dialog->nameFilters();
            save = dialog->acceptMode() == QFileDialog::AcceptSave;
            if (name.isEmpty()) {
                dialog->reject();
            } else {
                auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                edit->setText(name);
                // Queued: the overwrite question runs its own loop, and this timer must
                // be free to answer it.
                QMetaObject::invokeMethod(
                    edit, [edit] { QTest::keyClick(edit, Qt::Key_Return); }, Qt::QueuedConnection);
            }
        }
    }
};

}  // namespace hazama
