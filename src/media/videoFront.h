#pragma once

#include <string>

// Where a video plays: the window shows it (through Qt Multimedia, in the window module); the
// console has none, and the video primitives fail erInitVideo there.
struct tVideoPlace {
    std::string path;  // the video file, found
    int left = 0;      // pixels of the shown page, from its upper left corner
    int top = 0;
    int width = 0;
    int height = 0;
};

class tVideoFront {
public:
    virtual ~tVideoFront() = default;
    // Shows the file at the place and plays it; a file already shown moves there and plays
    // again from its start.
    virtual void Open(const tVideoPlace& place) = 0;
    // Stops the video of the file and takes its view away; false when none shows it.
    virtual bool Close(const std::string& path) = 0;
};

// None until the window module installs one.
void installVideoFront(tVideoFront* front);
tVideoFront* videoFront();
