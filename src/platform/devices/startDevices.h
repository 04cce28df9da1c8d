#pragma once

// Registers the device primitives in the main object: numJoysticks and activeJoysticks under
// the language's words, the port primitives in, inW, inD, out, outW, outD under those very
// names in every language; and the joystick class.
void startDevices();
