#pragma once

#include <memory>
#include <string_view>

#include "media/tPcmSound.h"
#include "values/errorConst.h"

// The sound of a sound file, its name resolved as sound files are (default extension ".WAV",
// the sound folders searched). `missing` is raised (the name as culprit) when there is no such
// file, erMCIFileProblem when it is not a sound this program can play.
std::shared_ptr<const tPcmSound> loadSoundFile(std::string_view name, errorConst missing);
