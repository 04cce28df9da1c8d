#pragma once

class tLogoTab;

// say and setvoice.
void registerSpeechPrimitives(tLogoTab& table);
