#include "history/TraceWords.h"

#include "history/HistoryTexts.h"
#include "history/Words.h"
#include "net/AddressText.h"

namespace netvik::history {

namespace {

std::string_view PathPattern(PathEnd end) {
    switch (end) {
        case PathEnd::Unreachable: return texts::kPathUnreachable;
        case PathEnd::Loop: return texts::kPathLoop;
        default: return texts::kPathSilence;
    }
}

}  // namespace

std::optional<Balloon> TraceBalloon(const TraceResult& result, const Stamp& at) {
    const PathFound& path = result.path;
    if (result.tcp == SiteByTcp::Answers) {
        return Balloon{Words(texts::kReachableTitle).Done(), Words(texts::kReachableText).Clock(at).Done()};
    }
    if (path.hop == 0 || path.end == PathEnd::Site) return std::nullopt;
    const std::string_view fault = path.hop > 1                ? texts::kProviderFault
                                   : path.end != PathEnd::Loop ? texts::kLinkFault
                                                               : std::string_view();
    return Balloon{
        Words(texts::kNoInternetTitle).Done(),
        Words(PathPattern(path.end)).Clock(at).Number(path.hop).Text(LongToAddress(path.address)).Text(fault).Done()};
}

LastHop RecordedHop(const TraceResult& result) {
    if (result.path.end == PathEnd::Site) return {};
    return {result.path.hop, result.path.address};
}

std::string TracedPlace(const LastHop& lastHop, SiteByTcp siteByTcp) {
    if (siteByTcp == SiteByTcp::Answers) return Words(texts::kNowhere).Done();
    return Words(lastHop.number > 1 ? texts::kPastHop : texts::kPastRouter)
        .Number(lastHop.number)
        .Text(LongToAddress(lastHop.address))
        .Done();
}

}  // namespace netvik::history
