// Keeping a window on its monitor, by the rule both window hosts share.
#include "ui/placement.h"

#include "shell/placement.h"

namespace entalix::ui {

QRect fit_on_screen(const QRect& frame, const QRect& available) {
    const shell::ScreenRect fitted =
        shell::fit_on_monitor({frame.left(), frame.top(), frame.width(), frame.height()},
                              {available.left(), available.top(), available.width(), available.height()});
    return QRect(fitted.left, fitted.top, fitted.width, fitted.height);
}

}  // namespace entalix::ui
