#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

class tmultiobject;

// What the object explorer shows of an object: taken under the interpreter lock by the process
// that asks, then shown without it.
struct tExploredObject {
    std::string name;
    std::string kind;  // the name of its first parent (its class), empty for the main object
    std::vector<std::pair<std::string, std::string>> variables;  // own plain variables, as source text
    std::vector<std::string> procedures;                          // own user procedures
    std::vector<tExploredObject> held;                            // the objects in its table
};

// The object with its variables, procedures and, for a container, the objects it holds.
tExploredObject exploreObject(tmultiobject& object);

// The same as indented text, one line per object, variable and procedure.
std::string exploredText(const tExploredObject& explored);

// Where "explore" shows what it took. The console prints it; the window shows it in a window
// that stays open until it is closed ("closeExplorer").
class tExplorerFront {
public:
    virtual ~tExplorerFront() = default;
    virtual void Show(tExploredObject explored) = 0;
    virtual bool IsOpen() = 0;
    virtual void Close() = 0;
};

// None: the console's, which prints through the output stream.
void installExplorerFront(std::shared_ptr<tExplorerFront> front);

// Registers "explore", "explorer?" and "closeExplorer" in the main object.
void startExplorer();
