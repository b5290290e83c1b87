// The window icon: the PNGs rendered from data/entalix.svg at build time and
// compiled in as resources (ui/CMakeLists.txt), so that the window, the desktop
// entry and the package all show the one drawing.
#include "ui/app_icon.h"

#include <QDir>
#include <QImageReader>
#include <QString>

// Resources of a static library are registered by hand, from outside any namespace.
static void register_icon_resources() { Q_INIT_RESOURCE(entalix_icons); }

namespace entalix::ui {

QIcon application_icon() {
    register_icon_resources();
    QIcon icon;
    const QDir folder(QStringLiteral(":/icons"));
    for (const QString& name : folder.entryList({QStringLiteral("entalix-*.png")}, QDir::Files)) {
        const QString path = folder.filePath(name);
        icon.addFile(path, QImageReader(path).size());
    }
    return icon;
}

}  // namespace entalix::ui
