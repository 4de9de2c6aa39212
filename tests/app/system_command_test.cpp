#include "app/system_command.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct Case {
    unsigned commandId;
    bool opensAbout;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << "system command " << c.commandId;
}

class SystemCommandFilter : public testing::TestWithParam<Case> {};

TEST_P(SystemCommandFilter, OnlyTheAboutItemsRangeOpensAbout) {
    EXPECT_EQ(app::isAboutSystemCommand(GetParam().commandId), GetParam().opensAbout);
}

INSTANTIATE_TEST_SUITE_P(Ids, SystemCommandFilter,
                         testing::Values(Case{15, false}, Case{16, true}, Case{17, true},
                                         Case{31, true}, Case{32, false},
                                         // Move, minimise and close keep their default handling.
                                         Case{0xF010, false}, Case{0xF020, false},
                                         Case{0xF060, false}),
                         [](const testing::TestParamInfo<Case>& info) {
                             return "Command" + std::to_string(info.param.commandId);
                         });

}  // namespace
