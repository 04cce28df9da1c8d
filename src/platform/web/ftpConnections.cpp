#include "platform/web/ftpConnections.h"

#include "platform/web/curlLibrary.h"
#include "platform/web/webTransfers.h"
#include "processes/tLogoprocess.h"

#include <memory>
#include <mutex>
#include <strings.h>
#include <vector>

namespace {

struct tConnectionTable {
    std::mutex guard;
    std::vector<std::unique_ptr<tConnectRec>> slots;
};

tConnectionTable& table()
{
    static tConnectionTable connections;
    return connections;
}

bool sameConnection(const tConnectRec& slot, const void* owner, const tRemoteAddress& address, bool passive)
{
    return slot.handle && slot.process == owner && strcasecmp(slot.host.c_str(), address.host.c_str()) == 0
           && slot.port == portOf(address) && slot.user == address.user && slot.password == address.password
           && slot.passive == passive;
}

// Under the table's lock.
tConnectRec* find(const void* owner, const tRemoteAddress& address, bool passive)
{
    for (const auto& slot : table().slots)
        if (sameConnection(*slot, owner, address, passive))
            return slot.get();
    return nullptr;
}

int stopRequested(void*, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    tLogoprocess* process = tLogoprocess::Current();
    return process && process->StopRequested() ? 1 : 0;
}

// Logs in and stays connected: the connection gets its handle, and the server's starting
// folder for the commands that name paths. False when the login fails.
bool connect(const tCurlLibrary& curl, tConnectRec& connection)
{
    CURL* easy = curl.easyInit();
    if (!easy)
        return false;
    connection.handle = easy;
    setFtpRequest(connection, "/");
    curl.easySetopt(easy, CURLOPT_NOBODY, 1L);
    if (curl.easyPerform(easy) != CURLE_OK) {
        curl.easyCleanup(easy);
        connection.handle = nullptr;
        return false;
    }
    char* entry = nullptr;
    curl.easyGetinfo(easy, CURLINFO_FTP_ENTRY_PATH, &entry);
    connection.entryPath = entry ? entry : "";
    return true;
}

void close(void* handle)
{
    if (const tCurlLibrary* curl = curlLibrary())
        curl->easyCleanup(static_cast<CURL*>(handle));
}

} // namespace

void setFtpRequest(const tConnectRec& connection, const std::string& urlPath)
{
    const tCurlLibrary& curl = *curlLibrary();
    CURL* easy = static_cast<CURL*>(connection.handle);
    std::string url = "ftp://" + connection.host + ":" + std::to_string(connection.port) + urlPath;
    bool anonymous = connection.user.empty() && connection.password.empty();
    curl.easySetopt(easy, CURLOPT_URL, url.c_str());
    curl.easySetopt(easy, CURLOPT_USERNAME, anonymous ? "anonymous" : connection.user.c_str());
    curl.easySetopt(easy, CURLOPT_PASSWORD, anonymous ? anonymousFtpPassword().c_str() : connection.password.c_str());
    curl.easySetopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl.easySetopt(easy, CURLOPT_NOPROGRESS, 0L);
    curl.easySetopt(easy, CURLOPT_XFERINFOFUNCTION, &stopRequested);
}

const void* ftpConnectionOwner()
{
    static thread_local const char thread = 0;
    if (tLogoprocess* process = tLogoprocess::Current())
        return process;
    return &thread;
}

tConnectRec* borrowFtpConnection(const tRemoteAddress& address, bool passive)
{
    const void* owner = ftpConnectionOwner();
    {
        std::lock_guard<std::mutex> hold(table().guard);
        if (tConnectRec* found = find(owner, address, passive)) {
            ++found->uses;
            return found;
        }
    }
    tConnectRec opened{owner, address.host, portOf(address), address.user, address.password, passive, nullptr, {}, 1};
    const tCurlLibrary* curl = curlLibrary();
    if (!curl || !connect(*curl, opened))
        return nullptr;
    // Only the owner makes connections of its own, so no other thread has made this one meanwhile.
    std::lock_guard<std::mutex> hold(table().guard);
    tConnectRec* slot = nullptr;
    for (const auto& candidate : table().slots)
        if (!candidate->handle && !slot)
            slot = candidate.get();
    if (!slot)
        slot = table().slots.emplace_back(std::make_unique<tConnectRec>()).get();
    *slot = opened;
    return slot;
}

void returnFtpConnection(tConnectRec* connection)
{
    if (!connection)
        return;
    void* closing = nullptr;
    {
        std::lock_guard<std::mutex> hold(table().guard);
        if (--connection->uses <= 0) {
            closing = connection->handle;
            *connection = tConnectRec();
        }
    }
    if (closing)
        close(closing);
}

void releaseFtpConnection(const tRemoteAddress& address, bool passive)
{
    tConnectRec* found = nullptr;
    {
        std::lock_guard<std::mutex> hold(table().guard);
        found = find(ftpConnectionOwner(), address, passive);
    }
    returnFtpConnection(found);
}

int ftpConnectionUses(const tRemoteAddress& address, bool passive)
{
    std::lock_guard<std::mutex> hold(table().guard);
    tConnectRec* found = find(ftpConnectionOwner(), address, passive);
    return found ? found->uses : 0;
}

void closeFtpConnectionsOf(const void* process)
{
    std::vector<void*> closing;
    {
        std::lock_guard<std::mutex> hold(table().guard);
        for (const auto& slot : table().slots)
            if (slot->handle && slot->process == process) {
                closing.push_back(slot->handle);
                *slot = tConnectRec();
            }
    }
    for (void* handle : closing)
        close(handle);
}
