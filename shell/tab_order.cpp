// Reading order of a screen's controls and the blocks of side-by-side calculations.
#include "shell/tab_order.h"

#include <algorithm>

namespace entalix::shell {

namespace {

bool is_stop(const ControlDesc& c) {
    return c.kind == ControlKind::Button || c.meaning.role == Role::Input || c.meaning.role == Role::Atmospheric ||
           c.meaning.role == Role::TickBox;
}

struct Placed {
    const ControlDesc* control;
    Twips rect;
};

int middle(const Twips& r) { return r.top + r.height / 2; }

// Lines first: a control whose middle lies within the height of the line's first
// control stands on that line (a tick box beside its taller input box).
void reading_order(std::vector<Placed>& items) {
    std::stable_sort(items.begin(), items.end(),
                     [](const Placed& a, const Placed& b) { return middle(a.rect) < middle(b.rect); });
    for (auto line = items.begin(); line != items.end();) {
        const Twips& first = line->rect;
        auto end = std::find_if(line, items.end(), [&first](const Placed& p) {
            return middle(p.rect) < first.top || middle(p.rect) > first.top + first.height;
        });
        if (end == line) ++end;  // a control of no height still forms its own line
        std::stable_sort(line, end, [](const Placed& a, const Placed& b) { return a.rect.left < b.rect.left; });
        line = end;
    }
}

struct Block {
    std::vector<std::string> members;  // its own fields and its button
    Twips extent;                      // what they cover together
};

Twips unite(const Twips& a, const Twips& b) {
    const int left = std::min(a.left, b.left);
    const int top = std::min(a.top, b.top);
    const int right = std::max(a.left + a.width, b.left + b.width);
    const int bottom = std::max(a.top + a.height, b.top + b.height);
    return {left, top, right - left, bottom - top};
}

bool side_by_side(const Twips& a, const Twips& b) {
    const bool rows_meet = a.top < b.top + b.height && b.top < a.top + a.height;
    const bool columns_meet = a.left < b.left + b.width && b.left < a.left + a.width;
    return rows_meet && !columns_meet;
}

const ControlDesc* button_of(const ScreenDesc& desc, const EventBinding& event) {
    const std::size_t cut = event.event.rfind("_Click");
    if (cut == std::string::npos) return nullptr;
    const ControlDesc* c = desc.find(std::string_view(event.event).substr(0, cut));
    return c != nullptr && c->kind == ControlKind::Button ? c : nullptr;
}

// Each calculation with a button forms a block of the input fields no other
// calculation reads, and its button.
std::vector<Block> blocks_of(const ScreenDesc& desc) {
    std::vector<const EventBinding*> presses;
    // A button that writes no result (one that carries the screen's states to
    // the chart) forms no block: it stands in reading order like "返回".
    const auto writes_result = [&desc](const EventBinding& e) {
        return std::any_of(e.writes.begin(), e.writes.end(), [&desc](const std::string& name) {
            const ControlDesc* c = desc.find(name);
            return c != nullptr && c->meaning.role != Role::Message;
        });
    };
    for (const EventBinding& e : desc.events)
        if (e.kind == EventKind::Compute && button_of(desc, e) != nullptr && writes_result(e)) presses.push_back(&e);
    std::vector<Block> blocks;
    for (const EventBinding* press : presses) {
        const ControlDesc* button = button_of(desc, *press);
        Block block{{button->name}, window_rect(desc, *button)};
        for (const std::string& read : press->reads) {
            const ControlDesc* c = desc.find(read);
            if (c == nullptr || c->meaning.role != Role::Input) continue;
            const bool shared = std::any_of(presses.begin(), presses.end(), [&](const EventBinding* other) {
                return other != press &&
                       std::find(other->reads.begin(), other->reads.end(), read) != other->reads.end();
            });
            if (shared) continue;
            block.members.push_back(read);
            block.extent = unite(block.extent, window_rect(desc, *c));
        }
        blocks.push_back(std::move(block));
    }
    std::stable_sort(blocks.begin(), blocks.end(),
                     [](const Block& a, const Block& b) { return a.extent.left < b.extent.left; });
    return blocks;
}

bool any_side_by_side(const std::vector<Block>& blocks) {
    for (std::size_t i = 0; i < blocks.size(); ++i)
        for (std::size_t j = i + 1; j < blocks.size(); ++j)
            if (side_by_side(blocks[i].extent, blocks[j].extent)) return true;
    return false;
}

}  // namespace

Twips window_rect(const ScreenDesc& desc, const ControlDesc& control) {
    Twips r = control.rect;
    if (const ControlDesc* box = control.parent.empty() ? nullptr : desc.find(control.parent)) {
        r.left += box->rect.left;
        r.top += box->rect.top;
    }
    return r;
}

std::vector<const ControlDesc*> tab_order(const ScreenDesc& desc) {
    const ControlDesc* back = desc.back_button();
    std::vector<Block> blocks = blocks_of(desc);
    if (!any_side_by_side(blocks)) blocks.clear();
    // Group 0 .. n-1: the blocks; group n: everything else.
    std::vector<std::vector<Placed>> groups(blocks.size() + 1);
    for (const ControlDesc& c : desc.controls) {
        if (!is_stop(c) || &c == back) continue;
        std::size_t group = blocks.size();
        for (std::size_t b = 0; b < blocks.size(); ++b)
            if (std::find(blocks[b].members.begin(), blocks[b].members.end(), c.name) != blocks[b].members.end())
                group = b;
        groups[group].push_back({&c, window_rect(desc, c)});
    }
    std::vector<const ControlDesc*> order;
    for (std::vector<Placed>& group : groups) {
        reading_order(group);
        for (const Placed& p : group) order.push_back(p.control);
    }
    if (back != nullptr) order.push_back(back);
    return order;
}

const ControlDesc* enter_button(const ScreenDesc& desc, std::string_view field) {
    const EventBinding* press = desc.event_for_enter(field);
    return press == nullptr ? nullptr : button_of(desc, *press);
}

}  // namespace entalix::shell
