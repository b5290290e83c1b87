// Renders every screen to a PNG, as a person would see it, under any Qt platform
// (offscreen included): entalix-screenshots <folder>
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTextStream>

#include "catalog/catalog.h"
#include "ui/qt_host.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    entalix::ui::install_application_font();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(folder);
    entalix::ui::QtHost host(entalix::catalog::screen_desc);
    using entalix::shell::ScreenId;
    for (ScreenId id : entalix::shell::all_screens()) {
        if (id == ScreenId::Form4) {
            host.controller().ShowScreen(ScreenId::Form1);
            host.controller().fire(ScreenId::Form1, "Command3_Click");  // writes the notes
        } else {
            host.controller().ShowScreen(id);
        }
        QApplication::processEvents();
        const QString name = QString::fromStdString(entalix::shell::screen_name(id));
        const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!host.window(id)->grab().save(path)) {
            QTextStream(stderr) << "cannot write " << path << '\n';
            return 1;
        }
        QTextStream(stdout) << path << '\n';
    }
    return 0;
}
