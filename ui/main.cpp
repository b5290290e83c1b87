// Entalix: the desktop application starts on its main menu.
#include <QApplication>
#include <QSettings>

#include "catalog/catalog.h"
#include "ui/app_icon.h"
#include "ui/qt_host.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Entalix"));
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
