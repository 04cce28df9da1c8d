#pragma once

#include <memory>

#include "objects/tControlObject.h"

// An object that holds other objects in a table of its own (page, window, the main object).
class tcontainerobject : public tControlObject {
public:
    tcontainerobject(tLogoStack* stack, std::string name, int parentCount);
    ~tcontainerobject() override;

    const char* ClassName() const override { return "tcontainerobject"; }
    bool CanContain() const override { return true; }
    tLogoObjectsTab* Objects() override { return objects.get(); }

    // Enters the object under its name and makes this container its owner.
    void Register(tControlObject* object);
    // The object of that name in this container's own table; none when absent.
    tmultiobject* FindOwn(uint32_t code);

    std::unique_ptr<tLogoObjectsTab> objects;
};
