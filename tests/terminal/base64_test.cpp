#include "ui/terminal/base64.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace ui::terminal {
namespace {

TEST(Base64, EncodesTheVectorsOfRfc4648AndBytesAbove127) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"f", "Zg=="},
        {"fo", "Zm8="},
        {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="},
        {"fooba", "Zm9vYmE="},
        {"foobar", "Zm9vYmFy"},
        {"caf\xC3\xA9", "Y2Fmw6k="},
        {std::string("\xFF\xFE\x00", 3), "//4A"},
    };
    for (const auto& [bytes, encoded] : cases)
        EXPECT_EQ(base64(bytes), encoded) << bytes;
}

}  // namespace
}  // namespace ui::terminal
