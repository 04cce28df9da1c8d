#pragma once

#include <string>

class tlogopage;

// Writes the page as it is shown (its picture with the shown turtles over it) as a PNG file;
// false when the file cannot be written.
bool writePageSnapshot(tlogopage& page, const std::string& path);
