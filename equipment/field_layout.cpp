// Caption and unit labels placed around the fields of the equipment screens.
#include "equipment/field_layout.h"

#include <algorithm>

namespace entalix::equipment {

using namespace shell;

namespace {

constexpr int kWide = 180;    // twips of a 12 px character
constexpr int kNarrow = 105;  // twips of a 7 px character
constexpr int kPad = 30;      // a little air so a glyph is never clipped
constexpr int kGap = 45;      // between a label and its field
constexpr int kLabelHeight = 255;
constexpr int kTextHeight = 225;  // one line of 12 px type, centred on the field

}  // namespace

int text_width(std::string_view utf8) {
    int width = 0;
    for (unsigned char c : utf8) {
        if (c < 0x80)
            width += kNarrow;
        else if ((c & 0xC0) != 0x80)
            width += kWide;  // lead byte of a multi-byte character
    }
    return width;
}

std::vector<ControlDesc> field_rows(const std::string& parent, std::initializer_list<FieldRow> rows,
                                    int caption_width) {
    std::vector<ControlDesc> controls;
    for (const FieldRow& row : rows) {
        const Twips& f = row.field.rect;
        const int top = f.top + (f.height - kTextHeight) / 2;
        const int right = f.left - kGap;
        const int wanted = caption_width > 0 ? caption_width : text_width(row.quantity + row.colon) + kPad;
        const int left = std::max(0, right - wanted);
        controls.push_back({"Label_" + row.field.name,
                            ControlKind::Label,
                            row.quantity + row.colon,
                            {left, top, right - left, kLabelHeight},
                            Align::Right,
                            kPlain,
                            parent});
        ControlDesc field = row.field;
        field.parent = parent;
        field.meaning.quantity = row.quantity;
        field.meaning.unit = row.unit;
        controls.push_back(field);
        if (!row.unit.empty())
            controls.push_back({"Unit_" + row.field.name,
                                ControlKind::Label,
                                row.unit,
                                {f.left + f.width + kGap, top, text_width(row.unit) + kPad, kLabelHeight},
                                Align::Left,
                                kPlain,
                                parent});
    }
    return controls;
}

ControlDesc picture_box(std::string drawing, Twips rect) {
    return {"Picture1", ControlKind::PictureBox, std::move(drawing), rect, Align::Left, kPlain, {}};
}

ControlDesc input_box(std::string name, std::string text, Twips rect, Align align) {
    return {std::move(name), ControlKind::TextBox, std::move(text), rect, align, kPlain, {}, {Role::Input}};
}

ControlDesc gauge_box(std::string name, std::string text, Twips rect, Align align) {
    return {std::move(name),
            ControlKind::TextBox,
            std::move(text),
            rect,
            align,
            kPlain,
            {},
            {Role::Input, {}, {}, PressureKind::Gauge}};
}

ControlDesc atmospheric_box(std::string name, Twips rect, Align align) {
    return {std::move(name), ControlKind::TextBox, "0.0983", rect, align, kRed, {}, atmospheric()};
}

ControlDesc result_label(std::string name, std::string text, Twips rect, std::string format, Align align) {
    return {std::move(name),
            ControlKind::Label,
            std::move(text),
            rect,
            align,
            kBorder,
            {},
            {Role::Result, {}, {}, PressureKind::None, std::move(format)}};
}

}  // namespace entalix::equipment
