#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace netvik::ftp {

// The short anonymous FTP dialogue that learns this PC's external address:
// the server's reply to STAT names its client after "Connected to ".

// A public anonymous FTP server whose status reply names the client.
inline constexpr char kServer[] = "ftp.gnu.org";
inline constexpr std::uint16_t kPort = 21;
// An e-mail-shaped password, as anonymous FTP asks for.
inline constexpr char kPassword[] = "me@example.com";

// How long a retrieval may take before it is given up.
inline constexpr std::uint32_t kTimeout = 15000;
// More than a server's status reply ever holds: a longer reply ends the
// retrieval as a failure.
inline constexpr std::size_t kMaxReply = 64 * 1024;

// The four command lines, each ended by CR LF, sent as one block without
// waiting for the greeting: log in, ask for the status, say goodbye.
std::string Commands();

// The server has said goodbye: a line of the reply begins with the reply
// code 221 (followed by a blank or a hyphen). A "221" elsewhere, in a
// greeting or an address such as 10.0.221.5, is no goodbye.
bool ReplyEnded(std::string_view reply);

// The text after the first "Connected to " up to the CR (or LF) that ends its
// line, read no further than the end of the goodbye's line; none when the
// reply holds no such line, or when the text holds anything but printable
// ASCII (a NUL, a control character, a byte beyond ASCII).
std::optional<std::string> ConnectedAddress(std::string_view reply);

}  // namespace netvik::ftp

namespace netvik::ftp_texts {

inline constexpr char kPleaseWait[] = "Please Wait...";
inline constexpr char kRefreshCaption[] = "R&efresh";
inline constexpr char kFailedTitle[] = "Error";
inline constexpr char kFailed[] =
    "External IP address could not me retrieved.\rCheck your internetconnection and try again.";

}  // namespace netvik::ftp_texts
