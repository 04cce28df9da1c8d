#include "music/melodyToken.h"

#include <cctype>
#include <cstdint>

#include "music/instrumentNames.h"
#include "values/eLogoException.h"

namespace {

constexpr std::string_view kLetters = "CDEFGABHPROTLSWIV";
// Position in the octave of C D E F G A B H.
constexpr int kPositions[] = {1, 3, 5, 6, 8, 10, 12, 12};
constexpr int kOctaveSteps = 12;

// Walks one token; every malformed part fails with the whole token as culprit.
class tTokenReader {
public:
    explicit tTokenReader(std::string_view token) : token(token) {}

    [[noreturn]] void Fail() const { throw eLogoException(erBadValue, token); }
    bool AtEnd() const { return at == token.size(); }
    void ExpectEnd() const
    {
        if (!AtEnd()) Fail();
    }
    std::string_view Rest() const { return token.substr(at); }

    bool Take(char wanted)
    {
        if (AtEnd() || std::toupper(static_cast<unsigned char>(token[at])) != wanted) return false;
        ++at;
        return true;
    }
    char Letter()
    {
        if (AtEnd()) Fail();
        return static_cast<char>(std::toupper(static_cast<unsigned char>(token[at++])));
    }
    // Decimal digits as a number; -1 when there are none. Numbers beyond 32 bits fail.
    int64_t Number()
    {
        const size_t start = at;
        int64_t value = 0;
        while (!AtEnd() && std::isdigit(static_cast<unsigned char>(token[at]))) {
            value = value * 10 + (token[at++] - '0');
            if (value > INT32_MAX) Fail();
        }
        return at == start ? -1 : value;
    }

private:
    std::string_view token;
    size_t at = 0;
};

// The MIDI note of a letter's position after "#" and "B", kept inside octaves 0..6.
int noteNumber(int position, int octave, bool sharp, bool flat)
{
    if (sharp && ++position > kOctaveSteps) {
        if (octave < tMusicState::kMaxOctave) {
            position = 1;
            ++octave;
        } else {
            position = kOctaveSteps;
        }
    }
    if (flat && --position < 1) {
        if (octave > 0) {
            position = kOctaveSteps;
            --octave;
        } else {
            position = 1;
        }
    }
    // C of octave 0 is 37: positions count from 1.
    return 36 + kOctaveSteps * octave + position;
}

void readOctave(tTokenReader& reader, tMusicState& state)
{
    if (reader.Take('#')) {
        if (state.octave >= tMusicState::kMaxOctave) reader.Fail();
        ++state.octave;
    } else if (reader.Take('B')) {
        if (state.octave <= 0) reader.Fail();
        --state.octave;
    } else {
        const int64_t octave = reader.Number();
        if (octave > tMusicState::kMaxOctave) reader.Fail();
        state.octave = octave < 0 ? 0 : static_cast<int>(octave);
    }
}

void readTempo(tTokenReader& reader, tMusicState& state)
{
    const bool up = reader.Take('+');
    if (up || reader.Take('-')) {
        const int64_t amount = reader.Number();
        const int step = amount < 0 ? 1 : static_cast<int>(amount);
        state.tempoStep = up ? step : -step;
        return;
    }
    const int64_t tempo = reader.Number();
    if (tempo <= 0) reader.Fail();
    state.SetTempo(static_cast<int>(tempo));
    state.tempoStep.reset();
}

}  // namespace

tMelodyStep readMelodyToken(std::string_view token, tMusicState& state)
{
    tTokenReader reader(token);
    const int64_t length = reader.Number();
    if (length > 0 && lengthIndex(length) < 0) reader.Fail();
    const char letter = reader.Letter();
    const size_t letterIndex = kLetters.find(letter);
    if (letterIndex == std::string_view::npos) reader.Fail();

    tMelodyStep step;
    if (letterIndex < 8 || letter == 'P') {
        const bool sharp = letter != 'P' && reader.Take('#');
        const bool flat = letter != 'P' && reader.Take('B');
        const bool dotted = reader.Take('.');
        reader.ExpectEnd();
        int32_t duration = state.Duration(length > 0 ? static_cast<int>(length) : state.defaultLength);
        if (dotted) duration += duration / 2;
        step.kind = letter == 'P' ? tMelodyStep::kPause : tMelodyStep::kNote;
        step.milliseconds = duration;
        if (letter != 'P') step.note = noteNumber(kPositions[letterIndex], state.octave, sharp, flat);
        state.ApplyTempoStep();
        return step;
    }
    switch (letter) {
    case 'R':
        state.Reset();
        break;
    case 'O':
        readOctave(reader, state);
        break;
    case 'T':
        readTempo(reader, state);
        break;
    case 'L': {
        const int64_t newLength = reader.Number();
        if (lengthIndex(newLength) < 0) reader.Fail();
        state.defaultLength = static_cast<int>(newLength);
        break;
    }
    case 'S':
        break;
    case 'W':
        step.kind = tMelodyStep::kWave;
        step.file = std::string(reader.Rest());
        return step;
    case 'I':
        step.kind = tMelodyStep::kInstrument;
        step.value = instrumentOfText(reader.Rest(), tMusicState::kNoInstrument);
        return step;
    case 'V': {
        const int64_t volume = reader.Number();
        if (volume < 0 || volume > 127) reader.Fail();
        step.kind = tMelodyStep::kVolume;
        step.value = static_cast<int>(volume);
        break;
    }
    }
    reader.ExpectEnd();
    return step;
}
