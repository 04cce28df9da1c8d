#pragma once

// Installs the platform's sound output and speech synthesizer as those media/ opens on first
// use; called once at start-up. Nothing is loaded until a sound plays or a voice speaks.
void startMediaOutput();
