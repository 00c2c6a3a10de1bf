#pragma once
// Every fake the main window needs, wired together around one call log.
#include "fakes/CallLog.h"
#include "fakes/FakeApplication.h"
#include "fakes/FakeIcmp.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakeShell.h"
#include "fakes/FakeSockets.h"
#include "fakes/FakeWindow.h"
#include "monitor/frmNetvikmain.h"
#include "net/modWinSock.h"

namespace netvik::fakes {

struct FakeSystem {
    CallLog log;
    FakeApplication application{log};
    FakeMessageBoxes messages{log};
    FakeSockets sockets{log};
    FakeIcmp icmp{log};
    FakeShell shell{log};
    FakeWindow window{log};
    FakeTimer timer{log};
    FakePictures pictures;
    modWinSock winsock{sockets, icmp, messages, application};

    MainServices Services() { return {application, messages, shell, winsock}; }
    MainControls Controls() { return {window, timer, pictures}; }
};

// The picture handle of the tray icon with the given key.
inline platform::IconHandle PictureOf(std::string_view key) {
    return FakePictures::kBase + static_cast<platform::IconHandle>(ImageList::IndexOf(key));
}

}  // namespace netvik::fakes
