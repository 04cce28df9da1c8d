#pragma once

#include <string>
#include <vector>

// The settings of "setoption" that belong to no other subsystem. The strict level, the elapse
// unit and the "ansi" output switch live with the code that reads them; these are read by the
// clock, by sound and by the environment. Used under the interpreter lock.
struct tSystemOptions {
    int timeUnit = 0;  // unit code of the fractions "time" reports (timeUnits.h)
    bool colourCursor = true;
    bool ansi = false;
    bool sound = true;
    int fkeys = 1;
    int thresholdY2k = 10;
    int octaves = 1;
    std::string homePage;
    std::string pluginPage;
    std::string htmlCharset = "iso-8859-1";
    std::string htmlBottomLine;
    std::vector<std::string> pickerEntries;
};

tSystemOptions& systemOptions();
// The web addresses from the interface texts, and the web-page texts from the language, renewed
// at every language switch; called when the main object sets up its tables.
void setUpSystemOptions();
