// What the record keeps of a trace after a change to no-internet, how its
// line waits for it, and the words the user reads of each result.
#include <gtest/gtest.h>

#include "history/Record.h"
#include "history/TraceWords.h"
#include "net/AddressText.h"

namespace netvik::history {
namespace {

Stamp At(std::int64_t minutesAfterTen) { return {1796634000 + minutesAfterTen * 60, 60}; }  // 2026-12-07 10:00+01:00
std::uint32_t A(const char* address) { return static_cast<std::uint32_t>(AddressToLong(address)); }
const std::string kLine = "2026-12-07T10:05:00+01:00,no-internet,2026-12-07T10:00:00+01:00";

TEST(HistoryTraceLine, TheTwoFieldsReadAsWrittenAndAnyOtherLineIsSkippedAndCounted) {
    for (const char* tail : {",3 100.64.3.2,silent", ",16 10.0.0.1,answers", ",,answers", ",255 192.168.1.1,"}) {
        Entry entry;
        ASSERT_TRUE(ParseLine(kLine + tail, entry)) << tail;
        EXPECT_EQ(FormatLine(entry), kLine + tail);
        if (tail[1] == '3') {
            EXPECT_TRUE(entry.lastHop.address == A("100.64.3.2") && entry.siteByTcp == SiteByTcp::Silent);
        }
    }
    // Four fields, six, nothing told, hops 0, 256 and "03", two blanks, no
    // address, nobody's, a trailing blank, no number, not the word.
    const char* const bad[] = {",3 100.64.3.2",
                               ",3 100.64.3.2,silent,",
                               ",,",
                               ",,silent",
                               ",0 100.64.3.2,silent",
                               ",256 100.64.3.2,silent",
                               ",03 100.64.3.2,silent",
                               ",3  100.64.3.2,silent",
                               ",3 100.64.3,silent",
                               ",3 0.0.0.0,silent",
                               ",3 100.64.3.2 ,silent",
                               ",x 100.64.3.2,silent",
                               ",3 100.64.3.2,Answers"};
    std::string file = std::string(kHeader) + "\r\n" + kLine + "\r\n";
    for (const char* tail : bad) file += kLine + tail + "\r\n";
    file += "2026-12-07T10:05:00+01:00,connected,,3 100.64.3.2,answers\r\n";  // only no-internet is traced
    const Record record = ParseRecord(file, file.size());
    EXPECT_EQ(record.entries.size(), 1u);
    EXPECT_EQ(record.skipped, std::size(bad) + 1);
}

// Each result in the balloon that follows the change's ("" for none: the
// trace told nothing new), and in the History window's Where, made from what
// the record keeps ("" for nothing kept).
TEST(HistoryTraceWords, EachResultInPlainWords) {
    const std::string cut = "10:05: the router answers, but the Internet site does not. ";
    const std::string provider = " The fault lies beyond the router, with the Internet provider.";
    const std::string reachable =
        "10:05: the Internet site accepts connections, so it is reachable; only its echo replies are missing. Echo "
        "requests are probably blocked on this network or ignored by the site: another Internet address would serve "
        "better.";
    const std::string nowhere = "none: the site takes connections, echo is blocked";
    struct Case {
        PathFound path;
        SiteByTcp tcp;
        std::string text, where;
    };
    const Case cases[] = {
        {{3, A("100.64.3.2"), PathEnd::Silence},
         SiteByTcp::Silent,
         cut + "The path answers up to hop 3 (100.64.3.2), nothing beyond it." + provider,
         "past hop 3 (100.64.3.2): the Internet provider"},
        {{1, A("192.168.1.1"), PathEnd::Silence},
         SiteByTcp::Silent,
         cut + "The path answers up to hop 1 (192.168.1.1), nothing beyond it. The link between the router and the "
               "Internet provider (modem or line) is down.",
         "past hop 1 (192.168.1.1): modem or line"},
        {{2, A("100.64.2.2"), PathEnd::Unreachable},
         SiteByTcp::Silent,
         cut + "Hop 2 (100.64.2.2) answers that it has no route to the site." + provider,
         "past hop 2 (100.64.2.2): the Internet provider"},
        {{1, A("10.25.1.1"), PathEnd::Loop},
         SiteByTcp::Silent,
         cut + "The path answers up to hop 1 (10.25.1.1), then goes round in a loop.",
         "past hop 1 (10.25.1.1): modem or line"},
        {{}, SiteByTcp::Answers, reachable, nowhere},
        {{}, SiteByTcp::Silent, "", ""},                                     // nothing learnt
        {{4, A("203.0.113.10"), PathEnd::Site}, SiteByTcp::Silent, "", ""},  // the site answers again
    };
    for (const Case& c : cases) {
        const TraceResult result{c.path, c.tcp};
        const std::optional<Balloon> balloon = TraceBalloon(result, At(5));
        EXPECT_EQ(balloon ? balloon->text : "", c.text);
        EXPECT_LE(c.text.size(), kBalloonTextMax);
        if (balloon) {
            EXPECT_EQ(balloon->title,
                      c.tcp == SiteByTcp::Answers ? "The Internet site is reachable" : "No Internet connection");
        }
        const LastHop kept = RecordedHop(result);
        EXPECT_EQ(Traced(kept, c.tcp) ? TracedPlace(kept, c.tcp) : "", c.where) << c.text;
    }
}

}  // namespace
}  // namespace netvik::history
