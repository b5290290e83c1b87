// The notes screen: how the program expects its inputs.
#include "shell/menus.h"

namespace entalix::shell {

std::string NotesText(props::Formulation formulation) {
    const std::string water_steam =
        "5、该程序涉及水与水蒸气性质的公式是依据“" + std::string(props::formulation_name(formulation)) + "公式”编写。";
    const std::string lines[] = {
        "1、为了方便生产现场计算，该程序需要输入的压力为表压力（特殊说明除外）。",
        "2、大气压的默认值是根据吉林市全年平均值设定，在计算时可根据需要修正。",
        "3、本程序的计算结果供生产现场参考，重要的设计和验收计算请以正式的热力性质表为准。",
        "4、使用中如发现问题或有改进建议，请与本厂热工专业的程序维护人员联系。",
        water_steam,
    };
    std::string text = lines[0];
    for (std::size_t i = 1; i < std::size(lines); ++i) text += std::string("\r\n") + lines[i];
    return text;
}

const ScreenDesc& form4() {
    static const ScreenDesc desc{
        ScreenId::Form4,
        "说明",
        4680,
        3090,
        {
            heading("Label2", "Entalix", {600, 120, 3495, 375}),
            label("Label1", "", {240, 720, 4215, 1815}),
            button("Command1", "返回", {3840, 2640, 615, 375}),
        },
        {{"Command1_Click", navigate_to(ScreenId::Form1)}},
        "Command1_Click",
    };
    return desc;
}

}  // namespace entalix::shell
