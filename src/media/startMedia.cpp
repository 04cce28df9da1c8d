#include "media/startMedia.h"

#include "mainobj/tMainLogoObject.h"
#include "media/MciPrimitive.h"
#include "media/MediaChoosers.h"
#include "media/SoundFilePrimitives.h"
#include "media/SpeechPrimitives.h"
#include "media/VideoPrimitives.h"
#include "media/mediaPlayerKind.h"
#include "media/waveTokens.h"
#include "music/waveFiles.h"

void startMedia()
{
    tLogoTab& primitives = *mainLogoObject().procTable;
    registerSoundFilePrimitives(primitives);
    registerSpeechPrimitives(primitives);
    registerMciPrimitive(primitives);
    registerMediaChoosers(primitives);
    registerVideoPrimitives(primitives);
    setWaveSounder(&soundWaveToken);
    registerMediaPlayerKind();
}
