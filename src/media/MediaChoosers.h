#pragma once

class tLogoTab;

// voiceChooser and playChooser.
void registerMediaChoosers(tLogoTab& table);
