// The application's window icon.
#pragma once

#include <QIcon>

namespace entalix::ui {

// A thermometer beside rising steam, the same drawing as data/entalix.svg,
// painted here so that no image plugin is needed.
QIcon application_icon();

}  // namespace entalix::ui
