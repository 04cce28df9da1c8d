#pragma once

#include "values/tLogoList.h"
#include "values/tLogoRef.h"

// Builds a new list front to back. The chain is held counted while it grows, so a failure
// half-way frees it; Take hands the finished list out with count 0.
class tListBuilder {
public:
    void Append(tlogoobject* element)
    {
        auto* cell = new tLogoList(element);
        if (tail)
            Assign(tail->rest, cell);
        else
            head = cell;
        tail = cell;
    }

    // Ends the list with an existing chain, shared rather than copied; nothing may follow it.
    void AppendShared(tLogoList* chain)
    {
        if (!chain || chain->IsEmpty())
            return;
        if (tail)
            Assign(tail->rest, chain);
        else
            head = chain;
        tail = nullptr;
    }

    void AppendAll(const tLogoList* list)
    {
        for (tlogoobject* element : elements(list))
            Append(element);
    }

    bool IsEmpty() const { return !head; }

    tLogoList* Take()
    {
        if (!head)
            return new tLogoList;
        tail = nullptr;
        return handOver(head);
    }

private:
    tLogoRef<tLogoList> head;
    tLogoList* tail = nullptr;
};
