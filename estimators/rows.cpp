// Rows of the estimator screens.
#include "estimators/rows.h"

#include <string>

#include "shell/menus.h"

namespace entalix::estimators {

using namespace shell;

namespace {

// Captions and units sit on the field's text line.
constexpr int kLabelHeight = 255;
constexpr int kLabelDrop = (kFieldHeight - kLabelHeight) / 2;
constexpr int kGap = 60;
constexpr int kUnitWidth = 1080;  // room for "万平方米"

}  // namespace

std::vector<ControlDesc> estimator_rows(int caption_left, int field_left, const char* result, const char* format,
                                        std::initializer_list<Row> rows) {
    std::vector<ControlDesc> controls;
    for (const Row& row : rows) {
        const std::string name = row.field;
        const Twips field{field_left, row.top, kFieldWidth, kFieldHeight};
        controls.push_back(label("Label_" + name, std::string(row.quantity) + "：",
                                 {caption_left, row.top + kLabelDrop, field_left - kGap - caption_left, kLabelHeight}));
        const std::string unit = *row.unit != '\0' ? row.unit : "1";
        if (name == result) {
            controls.push_back({name,
                                ControlKind::Label,
                                "",
                                field,
                                Align::Center,
                                kBorder,
                                {},
                                shell::result(row.quantity, unit, format)});
        } else {
            Meaning meaning = input(row.quantity, unit);
            meaning.domain = row.domain;
            meaning.plausible_low = row.low;
            meaning.plausible_high = row.high;
            controls.push_back(with_meaning(text_box(name, "0", field, Align::Center), std::move(meaning)));
        }
        if (*row.unit != '\0')
            controls.push_back(
                label("Unit_" + name, row.unit,
                      {field_left + kFieldWidth + kGap, row.top + kLabelDrop, kUnitWidth, kLabelHeight}));
    }
    return controls;
}

}  // namespace entalix::estimators
