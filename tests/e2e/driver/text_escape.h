// Visible escaping of tray texts for command lines and logs.  Tips carry CR
// line breaks that a terminal would swallow, so the CLI prints "\r" instead
// and accepts the same notation for texts to wait for.
#pragma once

#include <string>

namespace e2e {

// \r \n \t \\ \" stay readable; other bytes below 0x20 and 0x7f..0xff become
// \xHH.  The result is plain printable ASCII.
std::string escape_text(const std::string& bytes);

// Inverse of escape_text (also accepts \xH with one hex digit).  Returns false
// and leaves `out` unspecified on a dangling backslash or an unknown escape.
bool unescape_text(const std::string& text, std::string& out);

}  // namespace e2e
