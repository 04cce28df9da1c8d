#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "values/tLogoRef.h"

// One named property list: (name, value) pairs in the order they were first set. Names compare
// as Logo names do.
class tTableGroup {
public:
    explicit tTableGroup(std::string_view name) : name(name) {}

    tlogoobject* Find(std::string_view property) const;
    void Put(std::string_view property, tlogoobject* value);
    void Remove(std::string_view property);

    std::string name;
    bool buried = false;
    std::vector<std::pair<std::string, tLogoRef<tlogoobject>>> pairs;
};

// The property store of "pprop", "gprop" and "loadtable": named groups in creation order. The
// empty list is no value: storing it removes the pair, and a group that loses its last pair is
// removed with it.
class tlogotable {
public:
    tTableGroup* Find(std::string_view group) const;
    // None when either name is missing.
    tlogoobject* Get(std::string_view group, std::string_view property) const;
    void Put(std::string_view group, std::string_view property, tlogoobject* value);
    void Remove(std::string_view group, std::string_view property);
    // The group becomes exactly these pairs (none removes it).
    void Replace(std::string_view group, const std::vector<std::pair<std::string, tlogoobject*>>& pairs);

    const std::vector<std::unique_ptr<tTableGroup>>& Groups() const { return groups_; }

private:
    tTableGroup& Obtain(std::string_view group);
    void DropIfEmpty(tTableGroup* group);

    std::vector<std::unique_ptr<tTableGroup>> groups_;
};
