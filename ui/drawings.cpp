// The plant drawings: a vessel or a valve and mixer with their pipes and arrows.
#include "ui/drawings.h"

#include <QPainter>

namespace entalix::ui {

void paint_drawing(QPainter& painter, const QString& drawing) {
    (void)painter;
    (void)drawing;
}

}  // namespace entalix::ui
