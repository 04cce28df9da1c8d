#pragma once

class tLogoTab;

// playwave and playfile.
void registerSoundFilePrimitives(tLogoTab& table);
