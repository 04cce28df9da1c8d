#pragma once

#include <string>

class tLogoNet;
class tLogoList;
class tlogoobject;

// Objects travel as projects of their own: the sender writes the object with everything it
// holds, as a project file would hold it; the receiver keeps the bytes until its program asks
// to load them.

// The message body for the object a word names as seen from the current object (an object
// stands for itself); erNoObject when there is none.
std::string objectMessageBody(tlogoobject* object);

// Loads the last object that arrived, handing the load the name-value parameters; nothing
// when none has arrived.
void loadReceivedObject(tLogoNet& net, tLogoList* parameters);
