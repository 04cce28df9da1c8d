#pragma once

// Registers the sound, speech and media primitives in the main object and makes the "W" tokens
// of melodies sound their files; called once at start-up, after the main object has been built.
void startMedia();
