#pragma once

class tLogoTab;

// "bye" asks the program to close its main window, which ends the program. The program
// installs what closing means (the window's close, or the console's exit); without it "bye"
// ends only the calling process.
void setProgramCloser(void (*closer)());
void registerProgramEndPrimitives(tLogoTab& table);
