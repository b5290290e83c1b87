// Gathers the screens of every layer into one catalogue.
#include "catalog/catalog.h"

#include <array>
#include <stdexcept>

#include "charts/chart_screen.h"
#include "equipment/screens.h"
#include "estimators/screens.h"
#include "shell/menus.h"
#include "steamcalc/screens.h"

namespace entalix::catalog {

using shell::ScreenId;

const shell::ScreenDesc& screen_desc(ScreenId id) {
    switch (id) {
        case ScreenId::Form1:
            return shell::form1();
        case ScreenId::Form2:
            return equipment::form2();
        case ScreenId::Form3:
            return shell::form3();
        case ScreenId::Form4:
            return shell::form4();
        case ScreenId::Form5:
            return equipment::form5();
        case ScreenId::Form6:
            return equipment::form6();
        case ScreenId::Form7:
            return equipment::form7();
        case ScreenId::Form8:
            return equipment::form8();
        case ScreenId::Form9:
            return estimators::form9();
        case ScreenId::Form10:
            return shell::form10();
        case ScreenId::Form11:
            return steamcalc::form11();
        case ScreenId::Form12:
            return steamcalc::form12();
        case ScreenId::Form13:
            return shell::form13();
        case ScreenId::Form14:
            return estimators::form14();
        case ScreenId::Form15:
            return estimators::form15();
        case ScreenId::Form16:
            return steamcalc::form16();
        case ScreenId::Form17:
            return equipment::form17();
        case ScreenId::Form18:
            return equipment::form18();
        case ScreenId::Form19:
            return charts::form19();
        case ScreenId::Form20:
            return equipment::form20();
    }
    throw std::out_of_range("no such screen");
}

const shell::Fields& default_fields(ScreenId id) {
    // Built on first use; the initialisation of a static is thread-safe.
    static const std::array<shell::Fields, shell::kScreenCount> all = [] {
        std::array<shell::Fields, shell::kScreenCount> out;
        for (const ScreenId screen : shell::all_screens())
            out[static_cast<std::size_t>(screen) - 1] = screen_desc(screen).default_fields();
        return out;
    }();
    const auto index = static_cast<std::size_t>(id) - 1;
    if (index >= all.size()) throw std::out_of_range("no such screen");
    return all[index];
}

std::vector<EventRef> calculation_events() {
    std::vector<EventRef> out;
    for (ScreenId id : shell::all_screens())
        for (const shell::EventBinding& e : screen_desc(id).events)
            if (e.kind != shell::EventKind::Navigate) out.push_back({id, &e});
    return out;
}

}  // namespace entalix::catalog
