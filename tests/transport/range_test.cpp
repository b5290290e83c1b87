// Where each release holds: inside, warned (extrapolated or uncertain), refused.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "transport/transport.h"

namespace entalix::transport {
namespace {

TEST(Range, JudgesStatesByTheirRelease) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Row {
        const char* name;
        const Range& range;
        double T, p;
        Standing standing;
        const char* words;
    };
    const Row rows[] = {
        {"water at 25 degC", kViscosityRange, 298.15, 0.1, Standing::inside, ""},
        {"steam at 900 degC", kViscosityRange, 1173.15, 10.0, Standing::inside, ""},
        {"steam at 1500 degC", kViscosityRange, 1773.15, 10.0, Standing::warn, kViscosityRange.extrapolated_words},
        {"steam above IF97", kViscosityRange, 2300.0, 10.0, Standing::refuse, kViscosityRange.outside_words},
        {"below 0 degC", kViscosityRange, 270.0, 0.1, Standing::refuse, kViscosityRange.outside_words},
        {"no pressure", kViscosityRange, 298.15, 0.0, Standing::refuse, kViscosityRange.outside_words},
        {"viscosity NaN", kViscosityRange, nan, 0.1, Standing::refuse, kViscosityRange.outside_words},
        {"water at 300 degC", kConductivityRange, 573.15, 10.0, Standing::inside, ""},
        {"near critical", kConductivityRange, 647.35, 22.1, Standing::warn, kConductivityRange.uncertain_words},
        {"above 100 MPa", kConductivityRange, 573.15, 150.0, Standing::refuse, kConductivityRange.outside_words},
        {"conductivity p NaN", kConductivityRange, 573.15, nan, Standing::refuse, kConductivityRange.outside_words},
        {"triple point", kSurfaceTensionRange, 273.16, 0.0, Standing::inside, ""},
        {"critical point", kSurfaceTensionRange, 647.096, 0.0, Standing::inside, ""},
        {"0 degC", kSurfaceTensionRange, 273.15, 0.0, Standing::warn, kSurfaceTensionRange.extrapolated_words},
        {"-30 degC", kSurfaceTensionRange, 243.15, 0.0, Standing::refuse, kSurfaceTensionRange.outside_words},
        {"above critical", kSurfaceTensionRange, 650.0, 0.0, Standing::refuse, kSurfaceTensionRange.outside_words},
    };
    for (const Row& row : rows) {
        const Verdict verdict = judge(row.range, row.T, row.p);
        EXPECT_EQ(verdict.standing, row.standing) << row.name;
        EXPECT_STREQ(verdict.words, row.words) << row.name;
    }
}

TEST(Range, WordsNameTheRelease) {
    for (const Range* range : {&kViscosityRange, &kConductivityRange, &kSurfaceTensionRange}) {
        EXPECT_EQ(std::string(range->outside_words).rfind(std::string("超出") + range->release + "适用范围", 0), 0u)
            << range->outside_words;
        EXPECT_NE(std::string(range->extrapolated_words), "") << range->release;
    }
}

}  // namespace
}  // namespace entalix::transport
