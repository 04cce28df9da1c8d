#pragma once

#include <string_view>

// The sound of a "W" melody token: the file played to its end (erExpectWav when it does not
// exist); true when a stop of the process cut it short.
bool soundWaveToken(std::string_view name);
