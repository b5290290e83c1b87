// The application's window icon.
#pragma once

#include <QIcon>

namespace entalix::ui {

// The drawing of data/entalix.svg at every size the build rendered from it.
QIcon application_icon();

}  // namespace entalix::ui
