#pragma once

class tLogoTab;

// mci: media-control command strings on sound files.
void registerMciPrimitive(tLogoTab& table);
