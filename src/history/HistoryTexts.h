#pragma once
#include <array>
#include <string_view>

// The History window's, the report's and the balloons' texts. A '%' stands
// for the next value filled in (history::Words).
namespace netvik::history::texts {

// Where the chain broke, by verdict.
inline constexpr std::string_view kBeyondRouter = "beyond the router (the Internet provider)";
inline constexpr std::string_view kBeforeRouter = "between this PC and the router (cable, Wi-Fi, router)";
inline constexpr std::string_view kThisPC = "this PC's network (nothing answered)";
inline constexpr std::string_view kPlaceJoin = ", then ";
// Where a trace after a change to no-internet placed the break: past its
// last answering hop (number and address), beyond the router or at it; or
// nowhere, the site taking connections.
inline constexpr std::string_view kPastHop = "past hop % (%): the Internet provider";
inline constexpr std::string_view kPastRouter = "past hop % (%): modem or line";
inline constexpr std::string_view kNowhere = "none: the site takes connections, echo is blocked";

// How an outage ended: what stopped the watching, or that the record stops.
inline constexpr std::string_view kGapEnd = "% (%)";
inline constexpr std::string_view kDisabledGap = "checking disabled";
inline constexpr std::string_view kEndedGap = "Netvik ended";
inline constexpr std::string_view kAsleepGap = "PC asleep";
inline constexpr std::string_view kNotRecordedAfter = "nothing recorded after %";
inline constexpr std::string_view kStillDown = "still down";

// Durations.
inline constexpr std::string_view kUnderAMinute = "less than a minute";
inline constexpr std::array<std::string_view, 4> kUnits = {"minute", "hour", "day", "year"};

// The summary of a period.
inline constexpr std::array<std::string_view, 3> kPeriods = {"Last 24 hours", "Last 7 days", "Last 30 days"};
inline constexpr std::string_view kNotWatched = "%: not watched.";
inline constexpr std::string_view kNoOutages = "%: watched %, connected % of that time, no outages.";
inline constexpr std::string_view kOneOutage = "%: watched %, connected % of that time, 1 outage of %.";
inline constexpr std::string_view kOutages = "%: watched %, connected % of that time, % outages, the longest %.";

// The window's notes.
inline constexpr std::string_view kNothingYet = "Nothing recorded yet.";
inline constexpr std::string_view kNotWritten = "The record could not be written since %.";
inline constexpr std::string_view kNotRead = "The record could not be read (error %).";
inline constexpr std::string_view kSkippedOne = "1 line of the record could not be read and was skipped.";
inline constexpr std::string_view kSkipped = "% lines of the record could not be read and were skipped.";
inline constexpr std::string_view kImplausibleOne =
    "1 line of the record had a time that cannot be true (in the future, out of order, or more than 14 hours from "
    "UTC) and was left out.";
inline constexpr std::string_view kImplausible =
    "% lines of the record had times that cannot be true (in the future, out of order, or more than 14 hours from "
    "UTC) and were left out.";
inline constexpr std::string_view kDroppedOne =
    "At %, Netvik removed % line from the record, unreadable or older than 30 days, to keep its files within 2 MiB.";
inline constexpr std::string_view kDropped =
    "At %, Netvik removed % lines from the record, unreadable or older than 30 days, to keep its files within "
    "2 MiB.";
inline constexpr std::string_view kOnlyNewest =
    "The record's file is larger than Netvik reads: only its newest part was read.";
inline constexpr std::string_view kListShows = "The list shows the newest % outages.";

// The History window: its caption, its list's columns, its buttons, and
// what it says when a button fails.
inline constexpr char kCaption[] = "Netvik History";
inline constexpr char kFromColumn[] = "From";
inline constexpr char kToColumn[] = "To";
inline constexpr char kLengthColumn[] = "How long";
inline constexpr char kWhereColumn[] = "Where";
inline constexpr char kCopyCaption[] = "&Copy report";
inline constexpr char kOpenCaption[] = "&Open file";
inline constexpr char kCloseCaption[] = "C&lose";
inline constexpr std::string_view kNotCopied = "The report could not be put on the clipboard.";
inline constexpr std::string_view kNotOpened = "The record's file could not be opened.";

// The report.
inline constexpr std::string_view kReportTitle = "Netvik: the Internet connection of this PC, % (UTC%)";
inline constexpr std::string_view kReportOutages = "Outages in the last 30 days, newest first:";
inline constexpr std::string_view kReportNoOutages = "No outages in the last 30 days.";
inline constexpr std::string_view kReportRow = "% until %: %, %";
inline constexpr std::string_view kReportRowStillDown = "% until now (still down): %, %";
inline constexpr std::string_view kReportRowUnknown = "% until at least % (Netvik's record ends there): %, %";
inline constexpr std::string_view kReportTimes =
    "Each outage began and ended between the two checks named; times are this PC's local time.";

// The picture of the week: its label, what lies under the pointer, and the
// round-trip chart's caption.
inline constexpr char kWeekLabel[] = "Last 7 &days";
inline constexpr char kOutagesLabel[] = "O&utages";
inline constexpr std::array<std::string_view, 7> kWeekdays = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
inline constexpr std::string_view kMoment = "% %: %";
inline constexpr std::string_view kConnectedShade = "connected";
inline constexpr std::string_view kNotWatchedShade = "not watched";
inline constexpr std::string_view kHourFigures = "% %: round trip % ms median, % ms highest, % checks";
inline constexpr std::string_view kNoRoundTrips = "No round trips recorded in these days.";
inline constexpr std::string_view kChartCaption =
    "Round trip each hour: median and highest; % of % checks took a second try.";
inline constexpr std::string_view kLatencySkippedOne = "1 line of latency.csv could not be used and was skipped.";
inline constexpr std::string_view kLatencySkipped = "% lines of latency.csv could not be used and were skipped.";
inline constexpr std::string_view kMs = "% ms";

// The report's part for the Internet provider.
inline constexpr std::string_view kProviderTitle = "For the Internet provider:";
inline constexpr std::string_view kProbed = "Internet address probed: %, every % minute%; the router: %.";
inline constexpr std::string_view kExternal = "This connection's external address: %.";
inline constexpr std::string_view kProviderSide =
    "The provider's side (the router answered): the Internet site answered % of % watched in the last 30 days; "
    "% outage%, the longest %.";
inline constexpr std::string_view kOwnSide =
    "This PC's own side (cable, Wi-Fi, router, this PC): working % of that time; % outage%, the longest %.";
inline constexpr std::string_view kOutageLines =
    "Outages in the last 30 days, one a line (the checks before and after each end):";
inline constexpr std::string_view kOutageLine = "  %, % to %, %, %";
inline constexpr std::string_view kNow = "now";
inline constexpr std::string_view kAtLeast = "at least % (the record ends there)";
inline constexpr std::string_view kDayLines = "Round trip to the Internet site per day (median, highest):";
inline constexpr std::string_view kDayLine = "  %: % ms, % ms";
inline constexpr std::string_view kDayNone = "  %: no round trips recorded";

// The balloons by verdict: the title, and the text after the check's time.
inline constexpr std::string_view kBackTitle = "Connected to the Internet again";
inline constexpr std::string_view kBackText = "%: the connection to the Internet is back, after % without it.";
inline constexpr std::string_view kNoInternetTitle = "No Internet connection";
inline constexpr std::string_view kNoInternetText =
    "%: the router answers, but the Internet site does not. The fault lies beyond the router, with the Internet "
    "provider.";
inline constexpr std::string_view kNoHostTitle = "No connection to the router";
inline constexpr std::string_view kNoHostText =
    "%: this PC answers, but the router does not. Check the cable or Wi-Fi and the router.";
inline constexpr std::string_view kNetworkErrorTitle = "Network error";

// The balloon that follows the one of a change to no-internet once the trace
// after it is done, when it found anything: the time of the check, then
// the path's last answering hop (number, address) and what follows from
// it; or that the site is reachable after all.
inline constexpr std::string_view kPathSilence =
    "%: the router answers, but the Internet site does not. The path answers up to hop % (%), nothing beyond it.%";
inline constexpr std::string_view kPathUnreachable =
    "%: the router answers, but the Internet site does not. Hop % (%) answers that it has no route to the site.%";
inline constexpr std::string_view kPathLoop =
    "%: the router answers, but the Internet site does not. The path answers up to hop % (%), then goes round in a "
    "loop.%";
inline constexpr std::string_view kProviderFault = " The fault lies beyond the router, with the Internet provider.";
inline constexpr std::string_view kLinkFault =
    " The link between the router and the Internet provider (modem or line) is down.";
inline constexpr std::string_view kReachableTitle = "The Internet site is reachable";
inline constexpr std::string_view kReachableText =
    "%: the Internet site accepts connections, so it is reachable; only its echo replies are missing. Echo requests "
    "are probably blocked on this network or ignored by the site: another Internet address would serve better.";
inline constexpr std::string_view kNetworkErrorText =
    "%: nothing answers, not even this PC. Check this PC's network card, cable and settings.";

}  // namespace netvik::history::texts
