#pragma once

#include "net/tNetLink.h"

// Hands what arrived for a net object to its program, one item of a queue at a time: each
// item runs in a process "@receive" of its own, which stores the arrival in the object and
// runs its handler ("onStatusChanged", "onReceive", "onReceiveObject") in place; run requests
// run there too and answer their requester. The next item comes when the process has ended.
// A link's wake routine; called on any thread.
void handNetArrival(tNetLink& link, tNetQueue queue);
