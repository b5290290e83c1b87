// entalix-calc: calls by name, screen events with defaults, the batch protocol.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#if !defined(_WIN32)
#include <sys/wait.h>
#endif

#include "base/property_error.h"
#include "catalog/catalog.h"
#include "cli/batch.h"
#include "cli/calls.h"
#include "cli/csv.h"
#include "cli/screens_cli.h"
#include "cli/usage.h"
#include "ifc67/saturation.h"
#include "shell/errors.h"

namespace entalix::cli {
namespace {

using nlohmann::json;

// Without --formulation the command line computes with IFC-67.
constexpr auto kIfc67 = props::Formulation::IFC67;
props::Selected call(std::string_view name, const std::vector<std::string>& arguments) {
    return call_function(name, arguments, kIfc67);
}
std::string answer_line(const std::string& line) { return answer_json_line(line, kIfc67); }
shell::Outcome screen_event(const std::string& screen, const std::string& event,
                            const std::map<std::string, std::string>& given) {
    return run_screen_event(screen, event, given, kIfc67);
}

TEST(Calls, ReturnTheLibraryValueOrItsText) {
    EXPECT_EQ(std::get<double>(call("pswsat_t", {"1"})), props::ifc_pswsat_t(1.0));
    EXPECT_EQ(std::get<std::string>(call("pswA_ph", {"P", "1", "3051"})), "No such Para.");
    EXPECT_NEAR(std::get<double>(call("pswh_ptstm", {"1", "300"})), 3052.1431, 5e-5);
    // The state of (h, s) gives back the (p, t) its h and s came from.
    const std::string h = std::to_string(std::get<double>(call("pswA_ptstm", {"h", "1", "300"})));
    const std::string s = std::to_string(std::get<double>(call("pswA_ptstm", {"s", "1", "300"})));
    EXPECT_NEAR(std::get<double>(call("pswp_hs", {h, s})), 1.0, 1e-5);
    EXPECT_NEAR(std::get<double>(call("pswt_hs", {h, s})), 300.0, 1e-3);
    EXPECT_EQ(std::get<double>(call("pswA_hs", {"x", h, s})), 1.0);
    EXPECT_THROW(call("pswA_hs", {"t", "5000", "1"}), props::PropertyError);
}

TEST(Calls, BadCallsAndFailedEvaluationsThrow) {
    EXPECT_THROW(call("nosuch", {}), UsageError);
    EXPECT_THROW(call("pswsat_t", {"1", "2"}), UsageError);
    EXPECT_THROW(call("pswsat_t", {"1x"}), shell::NotANumber);
    EXPECT_THROW(call("pswsat_t", {"0"}), props::PropertyError);
    // The state is evaluated before the name is looked at.
    EXPECT_THROW(call("pswA_ptwtr", {"bogus", "0.1", "330"}), props::PropertyError);
}

TEST(ScreenEvents, UnnamedFieldsKeepTheirDefaults) {
    const shell::Outcome outcome = screen_event("Form8", "Command2_Click", {});
    ASSERT_EQ(outcome.texts.size(), 1u);
    EXPECT_EQ(outcome.texts[0].second, "99.1534");  // gauge 0 with the default 0.0983
    EXPECT_THROW(screen_event("Form8", "Command2_Click", {{"Nope", "1"}}), UsageError);
    EXPECT_THROW(screen_event("Form99", "Command2_Click", {}), UsageError);
    EXPECT_THROW(screen_event("Form8", "Command9_Click", {}), UsageError);
    // Ticks as the screen allows them: 0 or 1, two at most.
    EXPECT_THROW(screen_event("Form11", "Command1_Click", {{"Check1", "2"}}), UsageError);
    EXPECT_THROW(screen_event("Form11", "Command1_Click", {{"Check1", "1"}, {"Check2", "1"}, {"Check3", "1"}}),
                 UsageError);
}

// --list is what scripts read: every event with the quantity and unit of each field.
TEST(ScreenEvents, ListCarriesTheMeaningOfEveryField) {
    const json list = json::parse(list_json());
    EXPECT_GE(list["functions"].size(), 15u);
    EXPECT_EQ(list["screens"].size(), 20u);
    ASSERT_FALSE(list["events"].empty());
    bool seen_pipe = false;
    for (const json& e : list["events"]) {
        for (const json& f : e["fields"]) {
            EXPECT_FALSE(f["quantity"].get<std::string>().empty()) << e["screen"] << ' ' << f["name"];
            EXPECT_TRUE(f.contains("default")) << e["screen"] << ' ' << f["name"];
        }
        if (e["screen"] == "Form2" && e["event"] == "Command2_Click") {
            seen_pipe = true;
            EXPECT_EQ(e["results"][0], (json{{"name", "jzll"},
                                             {"role", "result"},
                                             {"quantity", "介质流量"},
                                             {"unit", "t/h"},
                                             {"format", "0.0000"}}));
            bool gauge = false;
            for (const json& f : e["fields"])
                if (f["name"] == "jzyl") gauge = f["pressure"] == "gauge" && f["unit"] == "MPa";
            EXPECT_TRUE(gauge);
        }
    }
    EXPECT_TRUE(seen_pipe);
}

TEST(Batch, AnswersEachLineAndGoesOnAfterAMalformedOne) {
    const char* lines[] = {
        R"({"call": "pswh_ptstm", "args": [1, 300]})",
        R"({"call": "pswh_ptstm", "args": [1, 300)",
        R"({"call": "pswA_ph", "args": ["P", 1, 3051]})",
        R"({"screen": "Form8", "event": "Command2_Click", "fields": {"Text2": "1"}})",
        R"({"screen": "Form8", "event": "Command3_Click"})",
        R"({"screen": "Form8", "event": "Command1_Click", "fields": {"Text1": "1e999"}})",
        R"([1, 2])",
        R"({"call": "pswsat_t", "args": [0]})",
    };
    std::vector<json> answers;
    for (const char* line : lines) answers.push_back(json::parse(answer_line(line)));
    EXPECT_DOUBLE_EQ(answers[0]["value"].get<double>(), std::get<double>(call("pswh_ptstm", {"1", "300"})));
    EXPECT_TRUE(answers[1].contains("error"));
    EXPECT_EQ(answers[2]["text"], "No such Para.");
    EXPECT_EQ(answers[3]["texts"]["Text1"], "183.9991");
    EXPECT_TRUE(answers[4]["texts"].empty());  // navigation writes no text
    EXPECT_EQ(answers[5]["error"], "“饱和温度”的数值太大：“1e999”");
    EXPECT_TRUE(answers[6].contains("error"));
    EXPECT_TRUE(answers[7].contains("error"));
}

TEST(Batch, EchoesIdsCarriesStatesAndBoundsBadLines) {
    EXPECT_EQ(answer_line(R"({"id": 7, "call": "pswsat_p", "args": [100]})").substr(0, 9), R"({"id":7,")");
    EXPECT_EQ(json::parse(answer_line(R"({"id": "a", "call": "nosuch"})"))["id"], "a");
    const json state = json::parse(answer_line(
        R"({"screen": "Form11", "event": "Command1_Click", "fields": {"Check1": "1", "Check2": "1", "Text1": "1", "Text2": "300"}})"));
    EXPECT_EQ(state["state"]["v"], 0.257974);
    EXPECT_EQ(state["state"]["x"], 100.0);
    // Beside the six lines, the properties beyond them: steam at 1 MPa and
    // 300 degC has cp 2.1408 and 578.5 m/s after IAPWS-IF97, from which
    // IFC-67 differs by a few tenths of a percent.
    EXPECT_NEAR(state["state"]["rho"].get<double>() * 0.257974, 1.0, 1e-5);
    EXPECT_NEAR(state["state"]["cp"].get<double>(), 2.1408, 0.01);
    EXPECT_NEAR(state["state"]["w"].get<double>(), 578.5, 2.0);
    const json wet = json::parse(answer_line(
        R"({"screen": "Form11", "event": "Command1_Click", "fields": {"Check1": "1", "Check3": "1", "Text1": "1", "Text3": "2000"}})"));
    EXPECT_TRUE(wet["state"].contains("u"));
    EXPECT_FALSE(wet["state"].contains("cp"));  // no heat capacity in two phases
    // "全部物性" carries the shown state to Form16 and answers what Form16 shows.
    const json shows = json::parse(answer_line(
        R"({"screen": "Form12", "event": "Command2_Click", "fields": {"Label3": "p=1\r\nt=300.000000\r\nv=0.234281\r\nh=3049.594893\r\ns=7.016424\r\nx=100%"}})"));
    EXPECT_EQ(shows["shows"]["screen"], "Form16");
    EXPECT_EQ(shows["shows"]["texts"]["Text1"], "1");
    EXPECT_EQ(shows["shows"]["texts"]["p"], "1.098300");
    EXPECT_NEAR(std::stod(shows["shows"]["texts"]["cp"].get<std::string>()), 2.16, 0.01);
    // Too deep, and a long bad name quoted short.
    EXPECT_NE(json::parse(answer_line(std::string(65, '[')))["error"].get<std::string>().find("64"), std::string::npos);
    const std::string long_name(100000, 'q');
    EXPECT_LT(answer_line(R"({"call": ")" + long_name + R"("})").size(), 400u);
    std::istringstream in("\n" + std::string(2 << 20, ' ') + "x\n" + R"({"call": "pswsat_t", "args": [1]})" + "\n");
    std::ostringstream out;
    EXPECT_EQ(run_batch(in, out, kIfc67), BatchEnd::Done);
    const std::string answers = out.str();
    EXPECT_EQ(std::count(answers.begin(), answers.end(), '\n'), 2);  // the blank line skipped
    EXPECT_NE(answers.find("1 MiB"), std::string::npos);
}

TEST(Csv, RowsComeBackWithTheirResults) {
    std::istringstream in("\xEF\xBB\xBFnote,t,p\r\n\"a, b\",300,1\r\nc,x,1\r\n");
    std::ostringstream out;
    EXPECT_EQ(run_csv({"pswh_ptstm"}, false, in, out, kIfc67), 1);  // the second row failed
    const std::string expected =
        "note,t,p,pswh_ptstm,失败原因\r\n\"a, b\",300,1,3052.1431331649337,\r\nc,x,1,,“t”不是数字\r\n";
    EXPECT_EQ(out.str(), expected);
    std::istringstream screen("Text2\n1\n");
    std::ostringstream written;
    EXPECT_EQ(run_csv({"Form8", "Command2_Click"}, true, screen, written, kIfc67), 0);
    EXPECT_EQ(written.str(), "\xEF\xBB\xBFText2,饱和温度(℃),失败原因\r\n1,183.9991,\r\n");
    std::istringstream missing("p\n1\n");
    EXPECT_THROW(run_csv({"pswh_ptstm"}, false, missing, written, kIfc67), UsageError);
}

// A spreadsheet's rows all come back: cells beyond the header after the
// failure column, a broken row with its reason, the rows after it answered.
TEST(Csv, EveryRowComesBackWhole) {
    const std::string h = "3052.1431331649337";  // pswh_ptstm at 1 MPa, 300 degC
    const struct {
        const char* name;
        std::string rows, answers;
        int status;
    } cases[] = {
        {"extra cells", "1,300,x,,\"y,z\"\n", "1,300," + h + ",,x,,\"y,z\"\r\n", 0},
        {"inch mark inside a cell", "1,300,3\" DN80\n", "1,300," + h + ",,\"3\"\" DN80\"\r\n", 0},
        {"line break in a quoted cell", "1,300,\"a\nb\"\n", "1,300," + h + ",,\"a\nb\"\r\n", 0},
        {"quote open to the end", "1,\"300\n1,300\n",
         "1,300,,这一行的引号没有闭合（到行尾为止），没有计算\r\n1,300," + h + ",\r\n", 1},
        {"quote closed by a later row's cell", "1,\"300\n1,300,\"note\"\n",
         "1,300,,这一行的引号没有闭合（到行尾为止），没有计算\r\n1,300," + h + ",,note\r\n", 1},
        {"row over 1 MiB", "1," + std::string(3 << 20, '3') + "\n1,300\n",
         ",,,\"这一行超过 1 MiB，没有计算：“1," + std::string(78, '3') + "…”\"\r\n1,300," + h + ",\r\n", 1},
    };
    for (const auto& c : cases) {
        std::istringstream in("p,t\n" + c.rows);
        std::ostringstream out;
        EXPECT_EQ(run_csv({"pswh_ptstm"}, false, in, out, kIfc67), c.status) << c.name;
        EXPECT_EQ(out.str(), "p,t,pswh_ptstm,失败原因\r\n" + c.answers) << c.name;
    }
    std::istringstream open_header("p,\"t\n1,300\n");
    std::ostringstream out;
    EXPECT_THROW(run_csv({"pswh_ptstm"}, false, open_header, out, kIfc67), UsageError);
}

// The id comes back as its text was written, so a client can match it; a
// member given twice (either value may be meant) is refused for that line.
TEST(Batch, IdsAsWrittenAndKeysOnce) {
    const struct {
        const char* line;
        const char* answer;
    } cases[] = {
        {R"({"id": 123456789012345678901234567890, "call": "pswsat_t", "args": [1]})",
         R"({"id":123456789012345678901234567890,"value":179.88470565414542})"},
        {R"({"id" : 1.50, "call": "pswsat_t", "args": [1]})", R"({"id":1.50,"value":179.88470565414542})"},
        {R"({"id": "réf", "call": "nosuch"})", R"({"error":"没有这个函数：“nosuch”","id":"réf"})"},
        {R"({"id": {"tag": [1, "}"]}, "screen": "Form8", "event": "Command2_Click", "fields": {"Text2": "1"}})",
         R"({"formulation":"IFC-67","id":{"tag": [1, "}"]},"texts":{"Text1":"183.9991"}})"},
        {R"({"id": 3, "call": "pswsat_t", "args": [], "args": [1]})",
         R"({"error":"请求中的成员“args”出现了不止一次","id":3})"},
        {R"({"id": 4, "screen": "Form8", "event": "Command2_Click", "fields": {"Text2": "1", "Text2": "2"}})",
         R"({"error":"请求中的成员“Text2”出现了不止一次","id":4})"},
        {R"({"id": 5, "id": 6, "call": "pswsat_t", "args": [1]})", R"({"error":"请求中的成员“id”出现了不止一次"})"},
    };
    for (const auto& c : cases) EXPECT_EQ(answer_line(c.line), c.answer) << c.line;
}

// A stream that fails as reading a directory does.
struct UnreadableInput : std::streambuf {
    int_type underflow() override {
        throw std::ios_base::failure("read", std::make_error_code(std::errc::is_a_directory));
    }
};

TEST(Input, AReadErrorIsReportedAsSuch) {
    UnreadableInput failing;
    std::istream in(&failing);
    std::ostringstream out;
    try {
        run_batch(in, out, kIfc67);
        ADD_FAILURE() << "no error";
    } catch (const InputError& e) {
        EXPECT_EQ(std::string(e.what()), "读取输入失败：输入是一个目录，不是文件");
    }
    EXPECT_THROW(run_csv({"pswh_ptstm"}, false, in, out, kIfc67), InputError);
}

TEST(Batch, ShortestRoundTripNumbers) {
    const json answer = json::parse(answer_line(R"({"call": "pswsat_t", "args": ["0.1"]})"));
    EXPECT_EQ(answer["value"].get<double>(), props::ifc_pswsat_t(0.1));
}

#if defined(_WIN32)
#define popen _popen
#define pclose _pclose
#endif

// The built executable, end to end.
std::string run(const std::string& arguments, int* status, const std::string& input = "") {
    const std::string command = "printf '" + input + "' | " + ENTALIX_CALC + " " + arguments + " 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string out;
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe.get()) != nullptr) out += buffer;
    *status = pclose(pipe.release());
    return out;
}

// One table of exit statuses: 0 success, 1 a failed calculation, 2 a usage
// error (with the short usage on standard error), 3 lost output, 4 unreadable input.
#if !defined(_WIN32)
TEST(Executable, ExitStatusTable) {
    const struct {
        const char* arguments;
        int status;
    } cases[] = {
        {"pswsat_t 1", 0},
        {"--help > /dev/null", 0},
        {"Form8 Command2_Click Text2=1", 0},
        {"pswsat_t 0", 1},
        {"Form8 Command1_Click Text1=400", 1},  // writes "错误"
        {"Form8 Command1_Click Text1=1e999", 1},
        {"", 2},
        {"--nosuch", 2},
        {"nosuch 1", 2},
        {"pswsat_t", 2},
        {"pswsat_t 1 2", 2},
        {"Form8", 2},
        {"Form8 Command9_Click", 2},
        {"Form8 Command2_Click Nope=1", 2},
        {"Form11 Command1_Click Check1=1 Check2=1 Check3=1", 2},
        {"pswsat_t 1 > /dev/full", 3},
        {"pswsat_t 1 >&-", 3},
        {"--batch < /", 4},
        {"--batch <&-", 4},
        {"--csv pswh_ptstm < /", 4},
    };
    for (const auto& c : cases) {
        const std::string command = std::string(ENTALIX_CALC) + " " + c.arguments + " 2>/dev/null";
        const int raw = std::system(command.c_str());
        EXPECT_EQ(WEXITSTATUS(raw), c.status) << c.arguments;
    }
}
#endif

TEST(Executable, CallsScreensBatchAndExitCodes) {
    int status = 0;
    EXPECT_EQ(run("pswsat_t 1", &status).substr(0, 8), "179.8847");
    EXPECT_EQ(status, 0);
    EXPECT_EQ(run("Form8 Command2_Click Text2=1", &status), "Text1=183.9991\n");
    EXPECT_EQ(status, 0);
    EXPECT_EQ(run("Form8 Command1_Click Text1=1e999", &status), "“饱和温度”的数值太大：“1e999”\n");
    EXPECT_NE(status, 0);
    EXPECT_NE(run("pswsat_t 0", &status), "");
    EXPECT_NE(status, 0);
    const std::string batch = run(
        "--batch", &status, R"({"call": "pswsat_t", "args": [1]}\nnot json\n{"call": "pswsat_p", "args": [100]}\n)");
    EXPECT_EQ(std::count(batch.begin(), batch.end(), '\n'), 3);
    EXPECT_NE(batch.find("\"error\""), std::string::npos);
    EXPECT_EQ(status, 0);
}

// An extrapolated result: its value or texts with the warning beside them; on
// the command line the warning goes to standard error and the status stays 0.
TEST(Warning, BesideTheValueInBatchOnStandardErrorInOneShotUse) {
    const json call = json::parse(answer_line(R"({"call": "pswh_ptwtr", "args": [60, 450]})"));
    EXPECT_TRUE(call.contains("value"));
    EXPECT_NE(call.value("warning", "").find("外推结果"), std::string::npos);
    // The steam calculator shows compressed water just above 350 degC with its
    // warning (farther out it refuses the state).
    const json screen = json::parse(answer_line(
        R"({"screen": "Form11", "event": "Command1_Click",
            "fields": {"Check1": 1, "Check2": 1, "Text1": 17, "Text2": 352}})"));
    EXPECT_TRUE(screen.contains("texts"));
    EXPECT_NE(screen.value("warning", "").find("外推结果"), std::string::npos);
    EXPECT_FALSE(json::parse(answer_line(R"({"call": "pswh_ptwtr", "args": [1, 100]})")).contains("warning"));

    const std::string command = std::string(ENTALIX_CALC) + " pswh_ptwtr 60 450 2>&1 >/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string errors;
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe.get()) != nullptr) errors += buffer;
    EXPECT_EQ(pclose(pipe.release()), 0);
    EXPECT_NE(errors.find("外推结果"), std::string::npos);
    int status = 1;
    EXPECT_EQ(run("pswh_ptwtr 60 450", &status).substr(0, 9), "2311.0394");
    EXPECT_EQ(status, 0);
}

#if !defined(_WIN32)
// The formulation for one run, for one batch line, and both side by side. The
// IAPWS-IF97 saturation temperature at 1 MPa is 453.035632 K (its release's table).
TEST(Formulations, ChosenPerRunPerLineAndCompared) {
    int status = 1;
    EXPECT_EQ(run("--formulation IF97 pswsat_t 1", &status).substr(0, 10), "179.885632");
    EXPECT_EQ(status, 0);
    EXPECT_EQ(run("pswsat_t 1 --formulation=ifc-67", &status).substr(0, 8), "179.8847");
    run("--formulation IF98 pswsat_t 1", &status);
    EXPECT_EQ(WEXITSTATUS(status), 2);
    EXPECT_EQ(run("--formulation IAPWS-IF97 Form8 Command2_Click Text2=1", &status), "Text1=184.0011\n");

    const std::string batch = run("--batch", &status,
                                  R"({"id": 1, "call": "pswsat_t", "args": [1]}\n)"
                                  R"({"id": 2, "call": "pswsat_t", "args": [1], "formulation": "IF97"}\n)"
                                  R"({"id": 3, "screen": "Form8", "event": "Command2_Click", "formulation": "IF97"}\n)"
                                  R"({"id": 4, "call": "pswsat_t", "args": [1], "formulation": "IF99"}\n)");
    std::istringstream lines(batch);
    std::vector<json> answers;
    for (std::string line; std::getline(lines, line);) answers.push_back(json::parse(line));
    ASSERT_EQ(answers.size(), 4u);
    EXPECT_NEAR(answers[0]["value"].get<double>(), 179.8847, 5e-5);
    EXPECT_NEAR(answers[1]["value"].get<double>(), 453.035632 - 273.15, 1e-6);
    EXPECT_EQ(answers[2]["formulation"], "IAPWS-IF97");
    EXPECT_TRUE(answers[3].contains("error"));
    // A whole batch in IAPWS-IF97, one line back in IFC-67.
    const std::string whole =
        run("--formulation IF97 --batch", &status,
            R"({"call": "pswsat_t", "args": [1]}\n{"call": "pswsat_t", "args": [1], "formulation": "IFC67"}\n)");
    EXPECT_EQ(whole.substr(0, 19), R"({"value":179.885632)");
    EXPECT_NE(whole.find(R"({"value":179.8847)"), std::string::npos);

    // --compare: one line per formulation, then the difference and the relative one.
    const std::string compared = run("--compare pswsat_t 1", &status);
    EXPECT_EQ(status, 0);
    std::istringstream rows(compared);
    std::vector<std::pair<std::string, double>> table;
    for (std::string row; std::getline(rows, row);)
        table.emplace_back(row.substr(0, row.find('\t')), std::stod(row.substr(row.find('\t') + 1)));
    ASSERT_EQ(table.size(), 4u) << compared;
    EXPECT_EQ(table[0].first, "IFC-67");
    EXPECT_EQ(table[1].first, "IAPWS-IF97");
    EXPECT_EQ(table[2].first, "差值");
    EXPECT_EQ(table[3].first, "相对差值(%)");
    EXPECT_NEAR(table[1].second, 453.035632 - 273.15, 1e-6);
    EXPECT_NEAR(table[2].second, table[0].second - table[1].second, 1e-12);
    EXPECT_NEAR(table[3].second, 100 * table[2].second / table[1].second, 1e-12);
    // A state only one formulation reaches: that one's value, the other's reason, status 1.
    const std::string one_sided = run("--compare pswh_ptstm 40 1500", &status);
    EXPECT_NE(one_sided.find("IFC-67\t失败："), std::string::npos) << one_sided;
    EXPECT_NE(one_sided.find("IAPWS-IF97\t5914.8666"), std::string::npos) << one_sided;
    EXPECT_EQ(WEXITSTATUS(status), 1);
    run("--compare pswsat_t 1 --formulation IF97", &status);
    EXPECT_EQ(WEXITSTATUS(status), 2);
}
#endif

// A line read without a JSON tree answers as the general reader answers it
// (an escaped key sends the same request the general way), and every number
// comes out in the fewest significant digits that read back to it.
std::string the_general_way(std::string line) {
    const std::size_t end_of_key = line.find('"', line.find('"') + 1);
    const int c = static_cast<unsigned char>(line[end_of_key - 1]);
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
    return line.replace(end_of_key - 1, 1, escaped);
}

TEST(Batch, PlainLinesAnswerAsTheGeneralReaderWithShortestNumbers) {
    int checked = 0;
    for (double p = 0.05; p < 18.0; p += 0.61)
        for (double t = 420.0; t < 800.0; t += 13.7)
            for (const char* formulation : {"IFC-67", "IAPWS-IF97"}) {
                char line[160];
                std::snprintf(line, sizeof line,
                              R"({"call": "pswh_ptstm", "args": [%.2f, %.1f], "formulation": "%s", "id": 3})", p, t,
                              formulation);
                const std::string plain = answer_line(line);
                ASSERT_EQ(plain, answer_line(the_general_way(line))) << line;
                const std::size_t at = plain.find("\"value\":") + 8;
                const std::string text = plain.substr(at, plain.size() - 1 - at);
                const double value = std::strtod(text.c_str(), nullptr);
                int significant = 0;
                for (const char d : text) significant += d >= '1' || (d == '0' && significant > 0);
                char shorter[400];
                std::snprintf(shorter, sizeof shorter, "%.*g", significant - 1, value);
                EXPECT_NE(std::strtod(shorter, nullptr), value) << text << " is not the shortest text";
                ++checked;
            }
    EXPECT_GT(checked, 1000);
    // Screen events, one with a formulation the general way refuses by name.
    for (
        const std::string line :
        {R"({"screen": "Form11", "event": "Command1_Click", "fields": {"Check1": "1", "Check4": "1", "Text1": "99.99", "Text4": "5.323682"}, "id": "x"})",
         R"({"screen": "Form8", "event": "Command2_Click", "fields": {"Text2": "1.2"}, "formulation": "IF97"})",
         R"({"screen": "Form8", "event": "Command2_Click", "formulation": "IF98"})"})
        EXPECT_EQ(answer_line(line), answer_line(the_general_way(line))) << line;
    // Arguments, blanks and names in the forms the plain reading takes or hands on.
    for (const std::string line : {
             R"({"call":"pswh_ptstm","args":["5.5","480"],"id":"a"})",
             R"(  { "call" : "pswh_ptstm" , "args" : [ 5.5e0 , 4.8E2 ] , "id" : -12 }  )",
             R"({"call": "pswh_ptstm", "args": [" 5.5 ", "+480"], "formulation": "if97"})",
             R"({"call": "pswh_ptstm", "args": ["-nan", 480]})",
             R"({"call": "pswh_ptstm", "args": [5.5, "1e400"]})",
             R"({"call": "pswh_ptstm", "args": [5.5, 480, 1, 2, 3, 4, 5, 6]})",
             R"({"call": "pswA_ptstm", "args": ["h", 5.5, 480], "id": 9})",
             R"({"call": "pswh_ptstmx", "args": [5.5, 480]})",
         })
        EXPECT_EQ(answer_line(line), answer_line(the_general_way(line))) << line;
}

// Lines that straddle the pieces the input is taken in answer as each line alone.
TEST(Batch, LinesAcrossInputPiecesAnswerAsAlone) {
    std::string input;
    std::vector<std::string> lines;
    for (int i = 0; i < 3000; ++i) {
        lines.push_back(R"({"call": "pswh_ptstm", "args": [)" + std::to_string(1 + i % 17) + ", " +
                        std::to_string(400 + i % 300) + R"(], "id": )" + std::to_string(i) + "}");
        input += lines.back() + (i % 2 == 0 ? "\r\n" : "\n");
    }
    std::istringstream in(input);
    std::ostringstream out;
    EXPECT_EQ(run_batch(in, out, kIfc67), BatchEnd::Done);
    std::istringstream answers(out.str());
    std::string answer;
    for (const std::string& line : lines) {
        ASSERT_TRUE(std::getline(answers, answer));
        EXPECT_EQ(answer, answer_line(line));
    }
    EXPECT_FALSE(std::getline(answers, answer));
}

}  // namespace
}  // namespace entalix::cli
