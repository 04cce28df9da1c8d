#pragma once

class tLogoTab;
class tLogoTurtleParams;
class tgrScreen;
class tlogoobject;
class tmultiobject;

// The commands and properties of pages (and panes): cleaning, pixels, origin, background.
void registerPagePrimitives(tLogoTab& table);
void registerPageDrawingPrimitives(tLogoTab& table);
void declarePageProperties(tmultiobject& pageClass);
// The same without the page's own "pageWho": a pane's.
void declareSurfaceProperties(tmultiobject& paneClass);

// A turtle of this surface by name, from the surface's owner; erTurtleUnknown otherwise.
tLogoTurtleParams* turtleNamed(tgrScreen& screen, tlogoobject* name);
