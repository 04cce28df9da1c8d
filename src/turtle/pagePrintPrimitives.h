#pragma once

class tLogoTab;

// "printme": pages only (panes and turtles do not print), so the page class alone registers it.
void registerPagePrintPrimitives(tLogoTab& table);
