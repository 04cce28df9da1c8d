#include "media/mediaPlayerKind.h"

#include "language/Language.h"
#include "mainobj/kindClassEntry.h"
#include "media/tLogoMediaPlayer.h"
#include "objects/destructionHooks.h"
#include "values/tLogoRef.h"

namespace {

// An erased player falls silent at once, not only when the last reference to it goes.
void silenceDestroyed(tmultiobject& object)
{
    if (auto* player = dynamic_cast<tLogoMediaPlayer*>(&object)) player->Release();
}

}  // namespace

void tmediaplayerPrototype::SetUpTables()
{
    tControlObject::SetUpTables();
    instanceClass = &tLogoMediaPlayer::Make;
    declareMediaPlayerProperties(*this);
}

void registerMediaPlayerKind()
{
    if (hasKindClass("mediaplayer")) return;
    static const bool hooked = (addDestructionHook(&silenceDestroyed), true);
    (void)hooked;
    tLogoRef<tmediaplayerPrototype> kindClass(new tmediaplayerPrototype(nullptr, primaryWord("class", "mediaplayer"), tmultiobject::kOnlyMain));
    enterKindClass(*kindClass, "mediaplayer");
}
