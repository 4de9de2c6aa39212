#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace generator::routing {

// The two texts a visitor's browser passes to `open`: the page's address and the window or frame
// it opens in.
struct OpenCall {
    std::string address;
    std::string target;

    friend bool operator==(const OpenCall&, const OpenCall&) = default;
};

// Thrown when a line is not an `open` call with two string literals, as the chain writes it.
class MalformedOpenLine : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Reads a chain's open line, `open("address","target");` or `open ("address","target");`, the way
// a browser does: each literal's escape sequences become the characters they stand for, and each
// character the Windows-1252 byte of the answers that stands for it (\u20ac is 0x80). The
// preview reads the page's own line, so that it shows what the page does, not what it meant to.
OpenCall readOpenLine(std::string_view line);

}  // namespace generator::routing
