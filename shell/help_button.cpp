// Where the "?" stands, worked out in the twips of the description.
#include "shell/help_button.h"

namespace entalix::shell {

const ControlDesc* help_button_holder(const ScreenDesc& desc) {
    constexpr int kTwipsPerPixel = 15;  // at 96 dpi
    const int size = kHelpButtonSize * kTwipsPerPixel;
    const int margin = kHelpButtonMargin * kTwipsPerPixel;
    const Twips corner{desc.width - margin - size, margin, size, size};
    const ControlDesc* holder = nullptr;
    for (const ControlDesc& c : desc.controls) {
        if (c.kind != ControlKind::PictureBox || !c.parent.empty()) continue;
        const Twips& r = c.rect;
        const bool covers = r.left < corner.left + corner.width && corner.left < r.left + r.width &&
                            r.top < corner.top + corner.height && corner.top < r.top + r.height;
        if (covers) holder = &c;
    }
    return holder;
}

}  // namespace entalix::shell
