// hazama: the game in its window.
#include <QApplication>

#include "app/app_setup.h"
#include "app/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    hazama::install_font_substitutions();
    hazama::install_translator(app);

    // The asset folders gra/ and music/ lie beside the program.
    hazama::MainWindow window(QCoreApplication::applicationDirPath().toStdString());
    window.form().Form_Load();
    window.show();
    const int status = app.exec();
    return window.exit_status() != 0 ? window.exit_status() : status;
}
