// The external address: R&etrieve learns the address under which the
// Internet sees this PC, through a short anonymous FTP dialogue whose status
// reply names the client. The shared Timer is its time-out while the panel
// is open. Nothing of it blocks: a host name that the server reports is
// looked up by the TCP client too, within the same time-out.
#include "external/FtpDialogue.h"
#include "monitor/frmNetvikmain.h"
#include "net/AddressText.h"

namespace netvik {

void frmNetvikmain::cmdRetrieve_Click() {
    cmdRetrieve.SetEnabled(false);
    lblRealIP.SetBackColor(platform::SystemColor::ButtonFace);
    lblRealIP.SetBorderStyle(platform::BorderStyle::None);
    lblRealIP.SetCaption(ftp_texts::kPleaseWait);
    state_.FtpReply.clear();
    Timer.SetInterval(ftp::kTimeout);
    Timer.SetEnabled(true);
    retrieval_ = Retrieval::Waiting;
    Winsock.Connect(ftp::kServer, ftp::kPort);
}

void frmNetvikmain::Winsock_Connect() {
    if (retrieval_ == Retrieval::Waiting) Winsock.SendData(ftp::Commands());
}

void frmNetvikmain::Winsock_DataArrival(std::int32_t) {
    if (retrieval_ != Retrieval::Waiting) return;
    state_.FtpReply += Winsock.GetData();
    if (state_.FtpReply.size() > ftp::kMaxReply) return FailRetrieval();
    if (!ftp::ReplyEnded(state_.FtpReply)) return;

    const std::optional<std::string> reported = ftp::ConnectedAddress(state_.FtpReply);
    state_.FtpReply.clear();
    Winsock.Close();
    switch (reported ? ClassifyHostText(*reported) : HostText::Invalid) {
        case HostText::Address: return ShowExternalAddress(*reported);
        case HostText::Name: retrieval_ = Retrieval::Resolving; return Winsock.Resolve(*reported);
        case HostText::Invalid: return FailRetrieval();  // a goodbye without an address
    }
}

void frmNetvikmain::Winsock_Close() {
    // The server closed, reset or refused the connection before its goodbye.
    if (retrieval_ == Retrieval::Waiting) FailRetrieval();
}

void frmNetvikmain::Winsock_Resolved(const std::string& address) {
    if (retrieval_ != Retrieval::Resolving) return;
    if (AddressToLong(address) == 0) return FailRetrieval();
    ShowExternalAddress(address);
}

void frmNetvikmain::ShowExternalAddress(const std::string& address) {
    EndRetrieval();
    lblRealIP.SetBackColor(platform::SystemColor::Window);
    lblRealIP.SetBorderStyle(platform::BorderStyle::FixedSingle);
    lblRealIP.SetCaption(address);
    externalAddress_ = address;
    cmdRetrieve.SetCaption(ftp_texts::kRefreshCaption);
    cmdRetrieve.SetEnabled(true);
}

void frmNetvikmain::RetrievalTimedOut() { FailRetrieval(); }

void frmNetvikmain::FailRetrieval() {
    EndRetrieval();
    lblRealIP.SetCaption("");
    // Over a dialog the user is in, the message waits until it has closed.
    services_.messages.WhenNoneOpen([this] {
        services_.messages.Show(ftp_texts::kFailed, ftp_texts::kFailedTitle, platform::MessageIcon::Error);
        cmdRetrieve.SetEnabled(true);
    });
}

void frmNetvikmain::AbandonRetrieval() {
    if (retrieval_ == Retrieval::Idle) return;
    EndRetrieval();
    lblRealIP.SetCaption("");
    cmdRetrieve.SetEnabled(true);
}

void frmNetvikmain::EndRetrieval() {
    retrieval_ = Retrieval::Idle;
    Winsock.Close();
    state_.FtpReply.clear();
    Timer.SetEnabled(false);
    Timer.SetInterval(kCountdownInterval);
}

}  // namespace netvik
