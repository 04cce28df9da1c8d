#pragma once

class tLogoTab;

// The main object's image primitives: the builders ("image", "emptyimage", "toanimfilm",
// "toframes") and the files ("loadimage", "loadbitmap", "loadimagelist", "saveimage",
// "savebitmap", "appendimage").
void registerImagePrimitives(tLogoTab& table);
