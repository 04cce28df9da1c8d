#pragma once

#include <initializer_list>

// Qt 6.4 plays media through GStreamer and crashes inside it when elements it builds its
// pipeline from are missing (the base plugins not installed). Whether GStreamer has all these
// elements; true when GStreamer itself is not there (Qt then has no player to crash in).
bool gstreamerHasElements(std::initializer_list<const char*> elements);

// The elements Qt's player and video output are made of.
bool gstreamerCanPlayVideo();
