// Entalix: the desktop application starts on its main menu.
#include <QApplication>
#include <QSettings>
#include <cstring>
#include <iostream>

#include "catalog/catalog.h"
#include "entalix_version.h"
#include "ui/app_icon.h"
#include "ui/qt_host.h"

int main(int argc, char* argv[]) {
    // Answered before Qt starts, so that it needs no display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << entalix::version_text("entalix");
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Entalix"));
    QApplication::setApplicationVersion(QString::fromLatin1(entalix::kVersion));
    QApplication::setQuitOnLastWindowClosed(false);  // screens hide and show; the main menu's close ends it
    QApplication::setWindowIcon(entalix::ui::application_icon());
    entalix::ui::install_application_font();
    entalix::ui::install_qt_translation();
    // The remembered values: ~/.config/Entalix/Entalix.ini, %APPDATA%\Entalix\Entalix.ini.
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Entalix"),
                       QStringLiteral("Entalix"));
    entalix::ui::QtHost host(entalix::catalog::screen_desc, &settings);
    host.controller().ShowScreen(entalix::shell::ScreenId::Form1);
    return QApplication::exec();
}
