// The functions of entalix.dll linked in: the list of exports against
// entalix-calc's table, the module in the tree against its generator, and how
// a failure reaches the caller. The values themselves are compared with
// entalix-calc under wine (tests/windows/cross_check.sh).
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "cli/calls.h"
#include "dll/entalix_dll.h"
#include "dll/vba_module.h"
#include "shell/utf16.h"

namespace {

std::string reason() {
    std::u16string text(static_cast<std::size_t>(psw_error(nullptr, 0)), u'\0');
    psw_error(reinterpret_cast<uint16_t*>(text.data()), static_cast<int32_t>(text.size()));
    return entalix::shell::utf16_to_utf8(text);
}

TEST(Dll, ExportsEveryFunctionOfTheTableWithItsShape) {
    std::vector<std::pair<std::string, std::string>> exported;
#define ENTALIX_SHAPE(shape) [&](const char* name) { exported.emplace_back(name, shape); }(
#define ENTALIX_N1(fn) ENTALIX_SHAPE("1") #fn);
#define ENTALIX_N2(fn) ENTALIX_SHAPE("2") #fn);
#define ENTALIX_N4(fn) ENTALIX_SHAPE("4") #fn);
#define ENTALIX_S1(fn) ENTALIX_SHAPE("name 1") #fn);
#define ENTALIX_S2(fn) ENTALIX_SHAPE("name 2") #fn);
    ENTALIX_SPREADSHEET_FUNCTIONS(ENTALIX_N1, ENTALIX_N2, ENTALIX_N4, ENTALIX_S1, ENTALIX_S2)
    std::vector<std::pair<std::string, std::string>> table;
    for (const entalix::cli::FunctionInfo& f : entalix::cli::functions()) {
        std::string shape;
        int numbers = 0;
        for (std::size_t i = 0; i < f.arguments.size(); ++i) {
            if (f.arguments[i].unit.empty())
                shape += i == 0 ? "name " : "(name not first) ";
            else
                ++numbers;
        }
        table.emplace_back(f.name, shape + std::to_string(numbers));
    }
    EXPECT_EQ(exported, table);
}

TEST(Dll, ModuleInTheTreeIsTheGeneratedOneAsciiAndDeclaresEveryExport) {
    const std::string generated = entalix::dll::vba_module();
    std::ifstream file(ENTALIX_SOURCE_DIR "/dll/Entalix.bas", std::ios::binary);
    const std::string committed{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    EXPECT_EQ(committed, generated) << "regenerate it: entalix-vba > dll/Entalix.bas";
    for (const char c : generated) ASSERT_TRUE(static_cast<unsigned char>(c) < 0x80) << "not ASCII: " << int(c);
    EXPECT_EQ(generated.find("\n"), generated.find("\r\n") + 1);

    // Each branch (VBA7 and before) declares every function of the table and
    // the three of the last call, once, by its exact name.
    std::set<std::string> wanted{"psw_status", "psw_error", "psw_warning"};
    for (const entalix::cli::FunctionInfo& f : entalix::cli::functions()) wanted.insert(f.name);
    const std::string alias = "Lib \"entalix.dll\" Alias \"";
    std::multiset<std::string> declared;
    for (std::size_t at = generated.find(alias); at != std::string::npos; at = generated.find(alias, at + 1)) {
        const std::size_t start = at + alias.size();
        declared.insert(generated.substr(start, generated.find('"', start) - start));
    }
    for (const std::string& name : wanted) EXPECT_EQ(declared.count(name), 2u) << name;
    EXPECT_EQ(declared.size(), 2 * wanted.size());
}

TEST(Dll, ValueOfAPublishedState) {
    // IAPWS-IF97, region 1 at 3 MPa and 300 K: h = 115.331273 kJ/kg.
    EXPECT_NEAR(pswh_ptwtr(3.0, 26.85, "IAPWS-IF97"), 115.331273, 1e-6);
    EXPECT_EQ(psw_status(), 0);
    EXPECT_EQ(psw_error(nullptr, 0), 0);
    EXPECT_NEAR(pswh_ptwtr(3.0, 26.85, "if97"), 115.331273, 1e-6);
    // No formulation: IFC-67, as entalix-calc without --formulation.
    EXPECT_EQ(pswh_ptwtr(3.0, 26.85, nullptr), pswh_ptwtr(3.0, 26.85, "IFC-67"));
}

TEST(Dll, FailureGivesNanAStatusAndTheReason) {
    EXPECT_TRUE(std::isnan(pswh_ptstm(1.0, 3000.0, "")));
    EXPECT_EQ(psw_status(), 1);
    EXPECT_FALSE(reason().empty());

    EXPECT_TRUE(std::isnan(pswh_ptstm(1.0, NAN, "")));
    EXPECT_EQ(psw_status(), 1);
    EXPECT_EQ(reason(), "“t”不是数字");

    EXPECT_TRUE(std::isnan(pswA_ptstm("nonsense", 1.0, 300.0, "IF97")));
    EXPECT_EQ(psw_status(), 2);
    EXPECT_EQ(reason(), "No such Para.");
    EXPECT_TRUE(std::isnan(pswA_ptstm(nullptr, 1.0, 300.0, "IF97")));
    EXPECT_EQ(psw_status(), 2);

    EXPECT_TRUE(std::isnan(pswsat_t(1.0, "IFC-97")));
    EXPECT_EQ(psw_status(), 2);
    EXPECT_EQ(reason(), "不认识的公式：“IFC-97”（可用 IFC-67 或 IAPWS-IF97）");

    // A short buffer takes what fits and no terminator; the length is the whole reason's.
    const auto length = static_cast<int32_t>(entalix::shell::utf8_to_utf16(reason()).size());
    uint16_t buffer[4] = {1, 1, 1, 1};
    EXPECT_EQ(psw_error(buffer, 3), length);
    EXPECT_EQ(buffer[0], u'不');
    EXPECT_EQ(buffer[3], 1);
    EXPECT_EQ(psw_error(buffer, 0), length);

    // The next call that succeeds empties the reason; another thread has its own.
    std::thread other([] { pswsat_t(100.0, ""); });
    other.join();
    EXPECT_EQ(psw_status(), 2);
    EXPECT_GT(pswsat_t(1.0, ""), 179.0);
    EXPECT_EQ(psw_status(), 0);
    EXPECT_EQ(psw_error(buffer, 4), 0);
    EXPECT_EQ(buffer[0], 0);
}

}  // namespace
