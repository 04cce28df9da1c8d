#pragma once

class tLogoTab;
class tmultiobject;

// The commands and properties of pages (and panes): cleaning, pixels, origin, background.
void registerPagePrimitives(tLogoTab& table);
void registerPageDrawingPrimitives(tLogoTab& table);
void declarePageProperties(tmultiobject& pageClass);
