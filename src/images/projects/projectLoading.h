#pragma once

#include <exception>
#include <functional>
#include <string>

class tStream;
class tlogoobject;

// Loading a project: its images are read into the load's numbered table, then the text chunk
// is run instruction by instruction (projectInstructions). Objects made before a failing
// instruction stay.

struct tProjectLoad {
    tlogoobject* parameters = nullptr;  // name-value pairs the instructions may read
    bool ignoreErrors = false;          // report a failing instruction and go on
    std::string fileName;               // tagged on errors
    bool coded = true;                  // false only for exported, unfiltered projects
    // The system's own start-up program: plain text is taken, language-neutral words are
    // translated, and no language is checked.
    bool plainText = false;
    std::function<void(const std::string&)> echo;      // verbose echo of each instruction
    std::function<void(const std::exception&)> report; // failures skipped with ignoreErrors
};

void loadProject(tStream& stored, const tProjectLoad& load);
// Fails as loading would when the stream holds no project of this language (a damaged container,
// another language, no text, a control character in the text), so that a caller can refuse it before changing anything. Leaves
// the stream at its start.
void checkProjectContainer(tStream& stored);
