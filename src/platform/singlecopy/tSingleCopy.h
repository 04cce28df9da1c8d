#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QLocalServer;

// The single-copy rule of the windowed program (never of the console): the first copy with an
// instance identifier listens under a name made of the user and the identifier; a later copy
// with the same identifier hands its project file name (empty for none) to it and ends. Copies
// with different identifiers never meet.
class tSingleCopy {
public:
    // What the running copy does with a later copy's project; false refuses it (while a
    // dialog of its own is open).
    using tOpenRequest = std::function<bool(const std::string& projectFile)>;

    explicit tSingleCopy(int32_t instanceId);
    ~tSingleCopy();
    tSingleCopy(const tSingleCopy&) = delete;
    tSingleCopy& operator=(const tSingleCopy&) = delete;

    // Asks the running copy, waiting at most that long for each step: true when one answered,
    // so that this copy ends; `accepted` tells whether it took the project.
    bool HandOver(const std::string& projectFile, int timeoutMilliseconds, bool* accepted = nullptr);
    // Becomes the copy later ones hand over to; requests are answered by this thread's event
    // loop. A name left behind by a copy that crashed is taken over. False when it cannot listen.
    bool Listen(tOpenRequest onRequest);

private:
    void Answer();

    std::string name;
    std::unique_ptr<QLocalServer> server;
    tOpenRequest onRequest;
};
