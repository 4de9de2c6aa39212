#pragma once

#include <array>

// The browser versions the detection engine supports, as the Browsers dialog
// lists them: each entry its name and version followed by its marks, where "*"
// is never tested, "!" cannot be told apart from the other of Netscape 4.01 and
// 4.01A, and "%" cannot be told apart from Netscape 3.0. These are fixed texts
// of their own; they are not read from the detection page's test chain.

namespace info {

// The left list: Netscape, then AOL and WebTV.
inline constexpr std::array<const char*, 27> leftBrowsers{
    "Netscape 2.0*",  "Netscape 2.02*",  "Netscape 3.0",    "Netscape 3.01",   "Netscape 3.03",
    "Netscape 3.04",  "Netscape 4.0b1*", "Netscape 4.0b2*", "Netscape 4.0b3*", "Netscape 4.0b4",
    "Netscape 4.0b5", "Netscape 4.0*",   "Netscape 4.01!",  "Netscape 4.01A!", "Netscape 4.02",
    "Netscape 4.03",  "Netscape 4.04",   "Netscape 4.05",   "Netscape 4.06",   "Netscape 4.07",
    "Netscape 4.08",  "Netscape 4.5b1",  "Netscape 4.5b2",  "Netscape 4.5",    "AOL 3.0 (With IE)*",
    "AOL 4.0b2*",     "WebTV 2.10*",
};

// The right list: Internet Explorer, then Opera.
inline constexpr std::array<const char*, 22> rightBrowsers{
    "Internet Explorer 3.01*",
    "Internet Explorer 3.02",
    "Internet Explorer 3.03",
    "Internet Explorer 4.0",
    "Internet Explorer 4.01",
    "Internet Explorer 5.0b1",
    "Internet Explorer 5.0b2",
    "Opera 3.0*%",
    "Opera 3.10%",
    "Opera 3.20%",
    "Opera 3.21%",
    "Opera 3.5b1*%",
    "Opera 3.5b2*%",
    "Opera 3.5b3*%",
    "Opera 3.5b4*%",
    "Opera 3.5b5*%",
    "Opera 3.5b6*%",
    "Opera 3.5b7%",
    "Opera 3.5b8%",
    "Opera 3.5b9%",
    "Opera 3.5b10%",
    "Opera 3.5b11%",
};

}  // namespace info
