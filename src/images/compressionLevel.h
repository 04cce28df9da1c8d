#pragma once

// The level 0..3 image and icon chunks of saved files are written at: 0 when the main object's
// "noZip" variable is true; else its "compressionLevel" variable (1 when missing, not a number
// or negative, at most 3).
int projectCompressionLevel();
