#pragma once

// Sets the simple controls up at start-up, after the graphic kinds: the class objects
// "textbox", "button", "switch" and "slider", the text-box output of "printtotextbox", and the
// controls' leaving the window when their objects are destroyed. Later calls do nothing.
void startControls();
