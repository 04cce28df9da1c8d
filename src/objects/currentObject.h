#pragma once

class tmultiobject;

// The object the running instruction is addressed to; erNamedObject when the calling thread
// runs no process or its process addresses no object.
tmultiobject& currentObject();
