#include "music/startMusic.h"

#include "mainobj/tMainLogoObject.h"
#include "music/MusicPrimitives.h"
#include "music/processMusic.h"
#include "processes/tLogoprocess.h"

void startMusic()
{
    registerMusicPrimitives(*mainLogoObject().procTable);
    addProcessEndHook(&endProcessMusic);
}
