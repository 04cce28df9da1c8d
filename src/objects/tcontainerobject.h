#pragma once

#include <memory>

#include "objects/tcontainingcontrol.h"

// An object that holds other objects in a table of its own (page, window, the main object).
class tcontainerobject : public tcontainingcontrol {
public:
    tcontainerobject(tLogoStack* stack, std::string name, int parentCount);
    ~tcontainerobject() override;

    const char* ClassName() const override { return "tcontainerobject"; }
    tLogoObjectsTab* Objects() override { return objects.get(); }

    // Whether an object may be entered under that name; a plain container takes every name.
    virtual bool AcceptsName(const std::string&) const { return true; }
    // Enters the object under its name and makes this container its owner.
    void Register(tControlObject* object);
    // The object of that name in this container's own table; none when absent.
    tmultiobject* FindOwn(uint32_t code);

    std::unique_ptr<tLogoObjectsTab> objects;
};
