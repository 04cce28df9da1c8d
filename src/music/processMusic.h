#pragma once

class tLogoprocess;
class tMelodyPlayer;

// The player of the calling thread (each Logo process has its own channel and settings), made
// on its first musical primitive: erFreeChannel when every channel is held.
tMelodyPlayer& currentPlayer();

// Gives the calling thread's channel back.
void endThreadMusic();
// endThreadMusic as a process end hook.
void endProcessMusic(tLogoprocess& process);
