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

std::vector<ControlDesc> estimator_rows(int caption_left, int field_left, const char* result,
                                        std::initializer_list<Row> rows) {
    std::vector<ControlDesc> controls;
    for (const Row& row : rows) {
        const std::string name = row.field;
        const Twips field{field_left, row.top, kFieldWidth, kFieldHeight};
        controls.push_back(label("Label_" + name, row.caption,
                                 {caption_left, row.top + kLabelDrop, field_left - kGap - caption_left, kLabelHeight}));
        if (name == result) {
            controls.push_back({name, ControlKind::Label, "", field, Align::Center, kBorder, {}});
        } else {
            controls.push_back(text_box(name, "0", field, Align::Center));
        }
        if (*row.unit != '\0')
            controls.push_back(
                label("Unit_" + name, row.unit,
                      {field_left + kFieldWidth + kGap, row.top + kLabelDrop, kUnitWidth, kLabelHeight}));
    }
    return controls;
}

}  // namespace entalix::estimators
