// The equipment screens' controls: inside their picture box, the message line
// clear of everything, and no label laid over another control.
#include <gtest/gtest.h>

#include <algorithm>

#include "catalog/catalog.h"

namespace entalix::equipment {
namespace {

using shell::ControlDesc;
using shell::ScreenId;

// The surface heater and the desuperheater stack their 315-twip boxes 300
// apart, one pixel into each other; only that much is let pass.
bool stacked(const ControlDesc& a, const ControlDesc& b) {
    const bool fields = a.name.rfind("Label_", 0) != 0 && a.name.rfind("Unit_", 0) != 0 &&
                        b.name.rfind("Label_", 0) != 0 && b.name.rfind("Unit_", 0) != 0;
    const int into = std::min(a.rect.top + a.rect.height, b.rect.top + b.rect.height) - std::max(a.rect.top, b.rect.top);
    return fields && a.parent == b.parent && a.rect.left == b.rect.left && into <= 15;
}

shell::Twips in_window(const shell::ScreenDesc& desc, const ControlDesc& c) {
    shell::Twips r = c.rect;
    if (!c.parent.empty()) {
        const ControlDesc* box = desc.find(c.parent);
        r.left += box->rect.left;
        r.top += box->rect.top;
    }
    return r;
}

bool overlap(const shell::Twips& a, const shell::Twips& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

TEST(Layout, ControlsStayInTheirPlaceAndLeaveEachOtherFree) {
    for (ScreenId id : {ScreenId::Form2, ScreenId::Form5, ScreenId::Form6, ScreenId::Form7}) {
        const shell::ScreenDesc& desc = catalog::screen_desc(id);
        const std::string screen = shell::screen_name(id);
        for (const ControlDesc& c : desc.controls) {
            if (c.parent.empty()) continue;
            const ControlDesc* box = desc.find(c.parent);
            ASSERT_NE(box, nullptr) << screen << ' ' << c.name;
            EXPECT_EQ(box->kind, shell::ControlKind::PictureBox);
            EXPECT_GE(c.rect.left, 0) << screen << ' ' << c.name;
            EXPECT_LE(c.rect.left + c.rect.width, box->rect.width) << screen << ' ' << c.name;
            EXPECT_LE(c.rect.top + c.rect.height, box->rect.height) << screen << ' ' << c.name;
        }
        for (std::size_t i = 0; i < desc.controls.size(); ++i) {
            for (std::size_t j = i + 1; j < desc.controls.size(); ++j) {
                const ControlDesc& a = desc.controls[i];
                const ControlDesc& b = desc.controls[j];
                if (a.kind == shell::ControlKind::PictureBox || b.kind == shell::ControlKind::PictureBox) continue;
                if (stacked(a, b)) continue;
                EXPECT_FALSE(overlap(in_window(desc, a), in_window(desc, b))) << screen << ' ' << a.name << ' ' << b.name;
            }
        }
        const ControlDesc* message = desc.find("Message");
        ASSERT_NE(message, nullptr) << screen;
        for (const ControlDesc& c : desc.controls) {
            if (&c == message) continue;
            EXPECT_FALSE(overlap(in_window(desc, *message), in_window(desc, c))) << screen << ' ' << c.name;
        }
    }
}

}  // namespace
}  // namespace entalix::equipment
