// The computer-program verification values of the IAPWS-IF97 release and of its
// supplementary releases on backward equations, to all printed digits.
#include <gtest/gtest.h>

#include "if97/backward.h"
#include "if97/regions.h"
#include "tests/if97/printed.h"

namespace entalix::if97 {
namespace {

using testing::expect_printed;
using testing::Printed;

// p in MPa and T in K; the u column is the release's h - p v.
struct Table {
    const char* region;
    Point (*equation)(double, double);
    double a;  // p, or rho for region 3
    double T;
    double v_or_p, h, u, s, cp, w;
};

void expect_table(const Table& row) {
    const Point point = row.equation(row.a, row.T);
    const std::string at = std::string(row.region) + " at " + std::to_string(row.a) + ", " + std::to_string(row.T);
    const bool by_density = row.equation == &entalix::if97::region3;
    expect_printed({
        {at + (by_density ? " p" : " v"), by_density ? point.p : point.v, row.v_or_p, 9},
        {at + " h", point.h, row.h, 9},
        {at + " u", point.u, row.u, 9},
        {at + " s", point.s, row.s, 9},
        {at + " cp", point.cp, row.cp, 9},
        {at + " w", point.w, row.w, 9},
    });
}

TEST(If97Verification, BasicEquations) {
    const Table tables[] = {
        // Region 1, Table 5.
        {"region 1", region1, 3, 300, 0.100215168e-2, 0.115331273e3, 0.112324818e3, 0.392294792, 0.417301218e1,
         0.150773921e4},
        {"region 1", region1, 80, 300, 0.971180894e-3, 0.184142828e3, 0.106448356e3, 0.368563852, 0.401008987e1,
         0.163469054e4},
        {"region 1", region1, 3, 500, 0.120241800e-2, 0.975542239e3, 0.971934985e3, 0.258041912e1, 0.465580682e1,
         0.124071337e4},
        // Region 2, Table 15.
        {"region 2", region2, 0.0035, 300, 0.394913866e2, 0.254991145e4, 0.241169160e4, 0.852238967e1, 0.191300162e1,
         0.427920172e3},
        {"region 2", region2, 0.0035, 700, 0.923015898e2, 0.333568375e4, 0.301262819e4, 0.101749996e2, 0.208141274e1,
         0.644289068e3},
        {"region 2", region2, 30, 700, 0.542946619e-2, 0.263149474e4, 0.246861076e4, 0.517540298e1, 0.103505092e2,
         0.480386523e3},
        // Region 3 at (rho, T), Table 33.
        {"region 3", region3, 500, 650, 0.255837018e2, 0.186343019e4, 0.181226279e4, 0.405427273e1, 0.138935717e2,
         0.502005554e3},
        {"region 3", region3, 200, 650, 0.222930643e2, 0.237512401e4, 0.226365868e4, 0.485438792e1, 0.446579342e2,
         0.383444594e3},
        {"region 3", region3, 500, 750, 0.783095639e2, 0.225868845e4, 0.210206932e4, 0.446971906e1, 0.634165359e1,
         0.760696041e3},
        // Region 5, Table 42.
        {"region 5", region5, 0.5, 1500, 0.138455090e1, 0.521976855e4, 0.452749310e4, 0.965408875e1, 0.261609445e1,
         0.917068690e3},
        {"region 5", region5, 30, 1500, 0.230761299e-1, 0.516723514e4, 0.447495124e4, 0.772970133e1, 0.272724317e1,
         0.928548002e3},
        {"region 5", region5, 30, 2000, 0.311385219e-1, 0.657122604e4, 0.563707038e4, 0.853640523e1, 0.288569882e1,
         0.106736948e4},
    };
    for (const Table& row : tables) expect_table(row);
}

TEST(If97Verification, SaturationLineAndB23) {
    expect_printed({
        // Tables 35 and 36.
        {"psat(300 K)", saturation_pressure(300), 0.353658941e-2, 9},
        {"psat(500 K)", saturation_pressure(500), 0.263889776e1, 9},
        {"psat(600 K)", saturation_pressure(600), 0.123443146e2, 9},
        {"Tsat(0.1 MPa)", saturation_temperature(0.1), 0.372755919e3, 9},
        {"Tsat(1 MPa)", saturation_temperature(1), 0.453035632e3, 9},
        {"Tsat(10 MPa)", saturation_temperature(10), 0.584149488e3, 9},
        // Below Eq. 6.
        {"p B23(623.15 K)", b23_pressure(623.15), 0.165291643e2, 9},
        {"T B23(16.5291643 MPa)", b23_temperature(0.165291643e2), 0.623150000e3, 9},
    });
}

TEST(If97Verification, BackwardRegions1And2) {
    expect_printed({
        // Tables 7 and 9.
        {"T1(3, 500)", region1_t_ph(3, 500), 0.391798509e3, 9},
        {"T1(80, 500)", region1_t_ph(80, 500), 0.378108626e3, 9},
        {"T1(80, 1500)", region1_t_ph(80, 1500), 0.611041229e3, 9},
        {"T1(3, 0.5)", region1_t_ps(3, 0.5), 0.307842258e3, 9},
        {"T1(80, 0.5)", region1_t_ps(80, 0.5), 0.309979785e3, 9},
        {"T1(80, 3)", region1_t_ps(80, 3), 0.565899909e3, 9},
        // Table 24, subregions 2a, 2b, 2c.
        {"T2a(0.001, 3000)", region2_t_ph(0.001, 3000), 0.534433241e3, 9},
        {"T2a(3, 3000)", region2_t_ph(3, 3000), 0.575373370e3, 9},
        {"T2a(3, 4000)", region2_t_ph(3, 4000), 0.101077577e4, 9},
        {"T2b(5, 3500)", region2_t_ph(5, 3500), 0.801299102e3, 9},
        {"T2b(5, 4000)", region2_t_ph(5, 4000), 0.101531583e4, 9},
        {"T2b(25, 3500)", region2_t_ph(25, 3500), 0.875279054e3, 9},
        {"T2c(40, 2700)", region2_t_ph(40, 2700), 0.743056411e3, 9},
        {"T2c(60, 2700)", region2_t_ph(60, 2700), 0.791137067e3, 9},
        {"T2c(60, 3200)", region2_t_ph(60, 3200), 0.882756860e3, 9},
        // Table 29.
        {"T2a(0.1, 7.5)", region2_t_ps(0.1, 7.5), 0.399517097e3, 9},
        {"T2a(0.1, 8)", region2_t_ps(0.1, 8), 0.514127081e3, 9},
        {"T2a(2.5, 8)", region2_t_ps(2.5, 8), 0.103984917e4, 9},
        {"T2b(8, 6)", region2_t_ps(8, 6), 0.600484040e3, 9},
        {"T2b(8, 7.5)", region2_t_ps(8, 7.5), 0.106495556e4, 9},
        {"T2b(90, 6)", region2_t_ps(90, 6), 0.103801126e4, 9},
        {"T2c(20, 5.75)", region2_t_ps(20, 5.75), 0.697992849e3, 9},
        {"T2c(80, 5.25)", region2_t_ps(80, 5.25), 0.854011484e3, 9},
        {"T2c(80, 5.75)", region2_t_ps(80, 5.75), 0.949017998e3, 9},
        // B2bc, below Eq. 21.
        {"p B2bc(3516.004323)", b2bc_pressure(0.3516004323e4), 0.100000000e3, 9},
        {"h B2bc(100)", b2bc_enthalpy(100), 0.3516004323e4, 10},
        // p(h,s) supplementary release, Tables 3 and 9, and its B2ab boundary.
        {"p1(0.001, 0)", region1_p_hs(0.001, 0), 0.9800980612e-3, 10},
        {"p1(90, 0)", region1_p_hs(90, 0), 0.9192954727e2, 10},
        {"p1(1500, 3.4)", region1_p_hs(1500, 3.4), 0.5868294423e2, 10},
        {"p2a(2800, 6.5)", region2_p_hs(2800, 6.5), 0.1371012767e1, 10},
        {"p2a(2800, 9.5)", region2_p_hs(2800, 9.5), 0.1879743844e-2, 10},
        {"p2a(4100, 9.5)", region2_p_hs(4100, 9.5), 0.1024788997, 10},
        {"p2b(2800, 6)", region2_p_hs(2800, 6), 0.4793911442e1, 10},
        {"p2b(3600, 6)", region2_p_hs(3600, 6), 0.8395519209e2, 10},
        {"p2b(3600, 7)", region2_p_hs(3600, 7), 0.7527161441e1, 10},
        {"p2c(2800, 5.1)", region2_p_hs(2800, 5.1), 0.9439202060e2, 10},
        {"p2c(2800, 5.8)", region2_p_hs(2800, 5.8), 0.8414574124e1, 10},
        {"p2c(3400, 5.8)", region2_p_hs(3400, 5.8), 0.8376903879e2, 10},
        {"h B2ab(7)", b2ab_enthalpy(7), 0.3376437884e4, 10},
    });
}

TEST(If97Verification, BackwardRegion3FromPhAndPs) {
    expect_printed({
        // Supplementary release on T, v (p,h) and (p,s) of region 3: boundary, Tables 5 and 12.
        {"h3ab(25)", b3ab_enthalpy(25), 0.2095936454e4, 10},
        {"T3a(20, 1700)", region3_t_ph(20, 1700), 0.6293083892e3, 10},
        {"T3a(50, 2000)", region3_t_ph(50, 2000), 0.6905718338e3, 10},
        {"T3a(100, 2100)", region3_t_ph(100, 2100), 0.7336163014e3, 10},
        {"T3b(20, 2500)", region3_t_ph(20, 2500), 0.6418418053e3, 10},
        {"T3b(50, 2400)", region3_t_ph(50, 2400), 0.7351848618e3, 10},
        {"T3b(100, 2700)", region3_t_ph(100, 2700), 0.8420460876e3, 10},
        {"v3a(20, 1700)", region3_v_ph(20, 1700), 0.1749903962e-2, 10},
        {"v3a(50, 2000)", region3_v_ph(50, 2000), 0.1908139035e-2, 10},
        {"v3a(100, 2100)", region3_v_ph(100, 2100), 0.1676229776e-2, 10},
        {"v3b(20, 2500)", region3_v_ph(20, 2500), 0.6670547043e-2, 10},
        {"v3b(50, 2400)", region3_v_ph(50, 2400), 0.2801244590e-2, 10},
        {"v3b(100, 2700)", region3_v_ph(100, 2700), 0.2404234998e-2, 10},
        {"T3a(20, 3.8)", region3_t_ps(20, 3.8), 0.6282959869e3, 10},
        {"T3a(50, 3.6)", region3_t_ps(50, 3.6), 0.6297158726e3, 10},
        {"T3a(100, 4)", region3_t_ps(100, 4.0), 0.7056880237e3, 10},
        {"T3b(20, 5)", region3_t_ps(20, 5), 0.6401176443e3, 10},
        {"T3b(50, 4.5)", region3_t_ps(50, 4.5), 0.7163687517e3, 10},
        {"T3b(100, 5)", region3_t_ps(100, 5), 0.8474332825e3, 10},
        {"v3a(20, 3.8)", region3_v_ps(20, 3.8), 0.1733791463e-2, 10},
        {"v3a(50, 3.6)", region3_v_ps(50, 3.6), 0.1469680170e-2, 10},
        {"v3a(100, 4)", region3_v_ps(100, 4.0), 0.1555893131e-2, 10},
        {"v3b(20, 5)", region3_v_ps(20, 5), 0.6262101987e-2, 10},
        {"v3b(50, 4.5)", region3_v_ps(50, 4.5), 0.2332634294e-2, 10},
        {"v3b(100, 5)", region3_v_ps(100, 5), 0.2449610757e-2, 10},
        // Supplementary release on p(h,s) of region 3, Table 5.
        {"p3a(1700, 3.8)", region3_p_hs(1700, 3.8), 0.2555703246e2, 10},
        {"p3a(2000, 4.2)", region3_p_hs(2000, 4.2), 0.4540873468e2, 10},
        {"p3a(2100, 4.3)", region3_p_hs(2100, 4.3), 0.6078123340e2, 10},
        {"p3b(2600, 5.1)", region3_p_hs(2600, 5.1), 0.3434999263e2, 10},
        {"p3b(2400, 4.7)", region3_p_hs(2400, 4.7), 0.6363924887e2, 10},
        {"p3b(2700, 5)", region3_p_hs(2700, 5.0), 0.8839043281e2, 10},
    });
}

TEST(If97Verification, Region3SubregionBoundaries) {
    // Supplementary release on v(p,T) of region 3, Table 3.
    expect_printed({
        {"T3ab(40)", region3_boundary_temperature("ab", 40), 0.6930341408e3, 10},
        {"T3cd(25)", region3_boundary_temperature("cd", 25), 0.6493659208e3, 10},
        {"T3ef(40)", region3_boundary_temperature("ef", 40), 0.7139593992e3, 10},
        {"T3gh(23)", region3_boundary_temperature("gh", 23), 0.6498873759e3, 10},
        {"T3ij(23)", region3_boundary_temperature("ij", 23), 0.6515778091e3, 10},
        {"T3jk(23)", region3_boundary_temperature("jk", 23), 0.6558338344e3, 10},
        {"T3mn(22.8)", region3_boundary_temperature("mn", 22.8), 0.6496054133e3, 10},
        {"T3op(22.8)", region3_boundary_temperature("op", 22.8), 0.6500106943e3, 10},
        {"T3qu(22)", region3_boundary_temperature("qu", 22), 0.6456355027e3, 10},
        {"T3rx(22)", region3_boundary_temperature("rx", 22), 0.6482622754e3, 10},
        {"T3uv(22.3)", region3_boundary_temperature("uv", 22.3), 0.6477996121e3, 10},
        {"T3wx(22.3)", region3_boundary_temperature("wx", 22.3), 0.6482049480e3, 10},
    });
}

// Supplementary release on v(p,T) of region 3, Table 5: two states per subregion,
// each of which the subregion table must also assign to its subregion.
TEST(If97Verification, Region3VolumeFromPT) {
    struct Row {
        char subregion;
        double p;
        double T;
        double v;
    };
    const Row rows[] = {
        {'a', 50, 630, 0.1470853100e-2},      {'a', 80, 670, 0.1503831359e-2},
        {'b', 50, 710, 0.2204728587e-2},      {'b', 80, 750, 0.1973692940e-2},
        {'c', 20, 630, 0.1761696406e-2},      {'c', 30, 650, 0.1819560617e-2},
        {'d', 26, 656, 0.2245587720e-2},      {'d', 30, 670, 0.2506897702e-2},
        {'e', 26, 661, 0.2970225962e-2},      {'e', 30, 675, 0.3004627086e-2},
        {'f', 26, 671, 0.5019029401e-2},      {'f', 30, 690, 0.4656470142e-2},
        {'g', 23.6, 649, 0.2163198378e-2},    {'g', 24, 650, 0.2166044161e-2},
        {'h', 23.6, 652, 0.2651081407e-2},    {'h', 24, 654, 0.2967802335e-2},
        {'i', 23.6, 653, 0.3273916816e-2},    {'i', 24, 655, 0.3550329864e-2},
        {'j', 23.5, 655, 0.4545001142e-2},    {'j', 24, 660, 0.5100267704e-2},
        {'k', 23, 660, 0.6109525997e-2},      {'k', 24, 670, 0.6427325645e-2},
        {'l', 22.6, 646, 0.2117860851e-2},    {'l', 23, 646, 0.2062374674e-2},
        {'m', 22.6, 648.6, 0.2533063780e-2},  {'m', 22.8, 649.3, 0.2572971781e-2},
        {'n', 22.6, 649, 0.2923432711e-2},    {'n', 22.8, 649.7, 0.2913311494e-2},
        {'o', 22.6, 649.1, 0.3131208996e-2},  {'o', 22.8, 649.9, 0.3221160278e-2},
        {'p', 22.6, 649.4, 0.3715596186e-2},  {'p', 22.8, 650.2, 0.3664754790e-2},
        {'q', 21.1, 640, 0.1970999272e-2},    {'q', 21.8, 643, 0.2043919161e-2},
        {'r', 21.1, 644, 0.5251009921e-2},    {'r', 21.8, 648, 0.5256844741e-2},
        {'s', 19.1, 635, 0.1932829079e-2},    {'s', 20, 638, 0.1985387227e-2},
        {'t', 17, 626, 0.8483262001e-2},      {'t', 20, 640, 0.6227528101e-2},
        {'u', 21.5, 644.6, 0.2268366647e-2},  {'u', 22, 646.1, 0.2296350553e-2},
        {'v', 22.5, 648.6, 0.2832373260e-2},  {'v', 22.3, 647.9, 0.2811424405e-2},
        {'w', 22.15, 647.5, 0.3694032281e-2}, {'w', 22.3, 648.1, 0.3622226305e-2},
        {'x', 22.11, 648, 0.4528072649e-2},   {'x', 22.3, 649, 0.4556905799e-2},
        {'y', 22, 646.84, 0.2698354719e-2},   {'y', 22.064, 647.05, 0.2717655648e-2},
        {'z', 22, 646.89, 0.3798732962e-2},   {'z', 22.064, 647.15, 0.3701940009e-2},
    };
    for (const Row& row : rows) {
        const std::string at = std::string("3") + row.subregion + " at " + std::to_string(row.p) + " MPa";
        EXPECT_EQ(region3_subregion(row.p, row.T), row.subregion) << at;
        expect_printed({{at, region3_v_pt(row.subregion, row.p, row.T), row.v, 10}});
    }
}

}  // namespace
}  // namespace entalix::if97
