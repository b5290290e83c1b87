// Reading order of a screen's controls and the blocks of side-by-side calculations.
#include "shell/tab_order.h"

#include <algorithm>
#include <cstdlib>

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

bool typed_number(const ControlDesc& c) { return c.meaning.role == Role::Input || c.meaning.role == Role::Atmospheric; }

// Two typed fields of one column, one below the other at most a field's height apart.
bool stacked(const Twips& a, const Twips& b) {
    constexpr int kSameColumn = 60;  // twips: four pixels
    if (std::abs(a.left - b.left) > kSameColumn) return false;
    const Twips& upper = a.top <= b.top ? a : b;
    const Twips& lower = a.top <= b.top ? b : a;
    const int gap = lower.top - (upper.top + upper.height);
    return gap >= -upper.height / 2 && gap <= upper.height;
}

std::size_t root(std::vector<std::size_t>& parent, std::size_t i) {
    // Each step goes to a smaller index, so the walk ends within the count of items.
    while (parent[i] != i) i = parent[i] = parent[parent[i]];
    return i;
}

void join(std::vector<std::size_t>& parent, std::size_t a, std::size_t b) {
    const std::size_t ra = root(parent, a);
    const std::size_t rb = root(parent, b);
    if (ra < rb)
        parent[rb] = ra;
    else
        parent[ra] = rb;
}

// Reading order by blocks: the fields stacked in one column (a stream's
// temperature, pressure and flow beside its pipe on a plant drawing) are read
// whole before the next block, a tick box with the field of its quantity;
// the blocks, and the controls that stand alone, in reading order of their
// first control. So Tab never leaves one stream halfway for a neighbour whose
// lines are a little higher or lower.
void block_order(std::vector<Placed>& items) {
    const std::size_t n = items.size();
    std::vector<std::size_t> parent(n);
    for (std::size_t i = 0; i < n; ++i) parent[i] = i;
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j) {
            const ControlDesc& a = *items[i].control;
            const ControlDesc& b = *items[j].control;
            if (typed_number(a) && typed_number(b) && stacked(items[i].rect, items[j].rect)) join(parent, i, j);
            const bool tick_of = (a.meaning.role == Role::TickBox && typed_number(b)) ||
                                 (b.meaning.role == Role::TickBox && typed_number(a));
            if (tick_of && a.meaning.quantity == b.meaning.quantity) join(parent, i, j);
        }
    std::vector<std::vector<Placed>> blocks(n);
    for (std::size_t i = 0; i < n; ++i) blocks[root(parent, i)].push_back(items[i]);
    std::erase_if(blocks, [](const std::vector<Placed>& b) { return b.empty(); });
    std::vector<Placed> firsts;
    for (std::vector<Placed>& block : blocks) {
        reading_order(block);
        firsts.push_back(block.front());
    }
    reading_order(firsts);
    items.clear();
    for (const Placed& first : firsts)
        for (const std::vector<Placed>& block : blocks)
            if (block.front().control == first.control) items.insert(items.end(), block.begin(), block.end());
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
        bool own_field = false;
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
            own_field = true;
        }
        // Buttons that all read the same fields (the turbine screen's) are no blocks of their own.
        if (own_field) blocks.push_back(std::move(block));
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

namespace {

std::vector<Block> standing_blocks(const ScreenDesc& desc) {
    std::vector<Block> blocks = blocks_of(desc);
    if (!any_side_by_side(blocks)) blocks.clear();
    return blocks;
}

}  // namespace

std::vector<const ControlDesc*> tab_order(const ScreenDesc& desc) {
    const ControlDesc* back = desc.back_button();
    const std::vector<Block> blocks = standing_blocks(desc);
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
        block_order(group);
        for (const Placed& p : group) order.push_back(p.control);
    }
    if (back != nullptr) order.push_back(back);
    return order;
}

std::vector<std::vector<const ControlDesc*>> side_by_side_blocks(const ScreenDesc& desc) {
    const std::vector<Block> blocks = standing_blocks(desc);
    const std::vector<const ControlDesc*> order = tab_order(desc);
    std::vector<std::vector<const ControlDesc*>> out;
    for (const Block& block : blocks) {
        std::vector<const ControlDesc*>& members = out.emplace_back();
        for (const ControlDesc* c : order)
            if (std::find(block.members.begin(), block.members.end(), c->name) != block.members.end())
                members.push_back(c);
    }
    return out;
}

const ControlDesc* enter_button(const ScreenDesc& desc, std::string_view field) {
    const EventBinding* press = desc.event_for_enter(field);
    return press == nullptr ? nullptr : button_of(desc, *press);
}

}  // namespace entalix::shell
