// The external address: R&etrieve learns the address under which the
// Internet sees this PC, through a short anonymous FTP dialogue whose status
// reply names the client. The shared Timer is its time-out while the panel
// is open.
#include "external/FtpDialogue.h"
#include "monitor/frmNetvikmain.h"

namespace netvik {

void frmNetvikmain::cmdRetrieve_Click() {
    cmdRetrieve.SetEnabled(false);
    lblRealIP.SetBackColor(platform::SystemColor::ButtonFace);
    lblRealIP.SetBorderStyle(platform::BorderStyle::None);
    lblRealIP.SetCaption(ftp_texts::kPleaseWait);
    state_.FtpReply.clear();
    Timer.SetInterval(ftp::kTimeout);
    Timer.SetEnabled(true);
    retrieving_ = true;
    Winsock.Connect(ftp::kServer, ftp::kPort);
}

void frmNetvikmain::Winsock_Connect() {
    if (retrieving_) Winsock.SendData(ftp::Commands());
}

void frmNetvikmain::Winsock_DataArrival(std::int32_t) {
    if (!retrieving_) return;
    state_.FtpReply += Winsock.GetData();
    if (state_.FtpReply.size() > ftp::kMaxReply) return FailRetrieval();
    if (!ftp::ReplyEnded(state_.FtpReply)) return;

    const std::optional<std::string> address = ftp::ConnectedAddress(state_.FtpReply);
    if (!address) return FailRetrieval();  // a goodbye without the address
    EndRetrieval();
    lblRealIP.SetBackColor(platform::SystemColor::Window);
    lblRealIP.SetBorderStyle(platform::BorderStyle::FixedSingle);
    lblRealIP.SetCaption(LookUp(*address));
    cmdRetrieve.SetCaption(ftp_texts::kRefreshCaption);
    cmdRetrieve.SetEnabled(true);
}

void frmNetvikmain::RetrievalTimedOut() { FailRetrieval(); }

void frmNetvikmain::FailRetrieval() {
    EndRetrieval();
    lblRealIP.SetCaption("");
    services_.messages.Show(ftp_texts::kFailed, ftp_texts::kFailedTitle, platform::MessageIcon::Error);
    cmdRetrieve.SetEnabled(true);
}

void frmNetvikmain::AbandonRetrieval() {
    if (!retrieving_) return;
    EndRetrieval();
    lblRealIP.SetCaption("");
    cmdRetrieve.SetEnabled(true);
}

void frmNetvikmain::EndRetrieval() {
    retrieving_ = false;
    Winsock.Close();
    state_.FtpReply.clear();
    Timer.SetEnabled(false);
    Timer.SetInterval(kCountdownInterval);
}

std::string frmNetvikmain::LookUp(const std::string& hostName) {
    services_.winsock.StartWinsock();
    std::string address = services_.winsock.ResolveHostName(hostName, 0);
    services_.winsock.EndWinsock();
    return address;
}

}  // namespace netvik
