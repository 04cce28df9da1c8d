#pragma once

#include "objects/tControlObject.h"

// The built-in class objects of the graphic kinds: each registers its kind's primitives and
// property declarations into its own tables, so instances find them along their class line.
class tTurtlePrototype : public tControlObject {
public:
    using tControlObject::tControlObject;
    const char* ClassName() const override { return "tTurtlePrototype"; }
    void SetUpTables() override;
};

class tPagePrototype : public tControlObject {
public:
    using tControlObject::tControlObject;
    const char* ClassName() const override { return "tPagePrototype"; }
    void SetUpTables() override;
};

// Panes draw as pages do, and are placed and sized on the surface they lie on.
class tPanePrototype : public tControlObject {
public:
    using tControlObject::tControlObject;
    const char* ClassName() const override { return "tPanePrototype"; }
    void SetUpTables() override;
};

// Windows of their own on the desktop, each showing one of its pages.
class tWindowPrototype : public tControlObject {
public:
    using tControlObject::tControlObject;
    const char* ClassName() const override { return "tWindowPrototype"; }
    void SetUpTables() override;
};
