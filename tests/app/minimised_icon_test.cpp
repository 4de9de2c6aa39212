#include "app/minimised_icon.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct Case {
    ui::Size client;
    ui::Size icon;
    ui::Point expected;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << "client " << c.client.width << " x " << c.client.height << ", icon " << c.icon.width
        << " x " << c.icon.height;
}

class MinimisedIcon : public testing::TestWithParam<Case> {};

TEST_P(MinimisedIcon, IsCentredWithSignedDivisionTowardZero) {
    const Case& c = GetParam();
    EXPECT_EQ(app::minimisedIconPosition(c.client, c.icon), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Positions, MinimisedIcon,
                         testing::Values(
                             // -11 / 2 truncates to -5; flooring would give -6.
                             Case{{20, 20}, {32, 32}, {-5, -5}},
                             // 5 / 2 gives 2: the odd pixel goes to the right and bottom.
                             Case{{36, 36}, {32, 32}, {2, 2}}, Case{{32, 32}, {32, 32}, {0, 0}},
                             // -1 / 2 is 0, not -1.
                             Case{{30, 29}, {32, 32}, {0, -1}},
                             Case{{100, 40}, {16, 16}, {42, 12}}),
                         [](const testing::TestParamInfo<Case>& info) {
                             const Case& c = info.param;
                             return "Client" + std::to_string(c.client.width) + "x" +
                                    std::to_string(c.client.height) + "Icon" +
                                    std::to_string(c.icon.width) + "x" +
                                    std::to_string(c.icon.height);
                         });

}  // namespace
