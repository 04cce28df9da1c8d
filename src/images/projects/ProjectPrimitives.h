#pragma once

class tLogoTab;

// The main object's project primitives: save, .save, load, .load, .loadimage, .setloadimage, .setsaveoptions.
void registerProjectPrimitives(tLogoTab& table);
