#pragma once
#include <optional>
#include <string>

#include "history/ChangeNotifier.h"
#include "history/Line.h"
#include "net/Trace.h"

namespace netvik::history {

// What the user is told of a trace after a change to no-internet.

// The balloon that follows the change's once the trace is done; none when
// it found nothing to tell (the change's balloon says all there is), or
// when the site answered it (the next check tells). The fault is placed
// with the Internet provider only when a hop beyond the router answered and
// the site took no connection.
std::optional<Balloon> TraceBalloon(const TraceResult& result, const Stamp& at);

// The last hop the record keeps: none when the path reached the site.
LastHop RecordedHop(const TraceResult& result);

// Where the History window places the break of a traced no-internet line.
std::string TracedPlace(const LastHop& lastHop, SiteByTcp siteByTcp);

}  // namespace netvik::history
