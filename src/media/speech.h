#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "media/tPcmSound.h"
#include "media/tSpeechSynthesizer.h"

// The program's speech, opened on first use. Every call may come from any process; the engine is
// used by one at a time. Without an engine there are no voices and nothing is spoken.
std::vector<tVoice> speechVoices();
// Chooses the voice whose name or language is `name` (letter case and blanks do not matter);
// false when there is none of that name.
bool chooseSpeechVoice(std::string_view name);
// The sound of the text; none without an engine or when it fails.
std::shared_ptr<const tPcmSound> spokenSound(std::string_view text);

// Forgets the engine, so the next use opens the one installed then (for tests).
void closeSpeech();
