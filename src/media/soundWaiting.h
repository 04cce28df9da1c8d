#pragma once

class tSoundPlayback;

enum class tSoundWaitEnd { kEnded, kStopped };

// Waits until the sound has ended. A process waits without the interpreter lock, so others run
// meanwhile, and a stop of the process stops the sound at once (kStopped); the window thread
// keeps serving hand-overs meanwhile.
tSoundWaitEnd waitForSound(tSoundPlayback& playback);

// waitForSound for a primitive: a stop of the process ends it quietly (eTerminateException).
void waitForSoundOrEnd(tSoundPlayback& playback);
