#pragma once

#include "objects/tControlObject.h"

// The built-in media player class: it carries the players' properties, and "new" makes
// tLogoMediaPlayer objects from it.
class tmediaplayerPrototype : public tControlObject {
public:
    using tControlObject::tControlObject;
    const char* ClassName() const override { return "tmediaplayerPrototype"; }
    void SetUpTables() override;
};

// Enters the media player class into the main object (once) and lets erased players fall
// silent at once.
void registerMediaPlayerKind();

// "filename" (the sound file; empty: none), "position" (milliseconds from the start) and
// "playState" ("playing", "paused" or "stopped"; setting it plays, pauses or stops).
void declareMediaPlayerProperties(tmultiobject& playerClass);
