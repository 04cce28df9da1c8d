#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "values/tListBuilder.h"
#include "values/tLogoList.h"
#include "values/upperCaseText.h"

namespace {

// What one element sorts by: its leading numbers, and its upper-cased print form when the
// numbers do not decide.
struct tSortKey {
    tlogoobject* element;
    std::vector<long double> numbers;
    bool fullyNumeric;
    std::string text;
};

tSortKey keyOf(tlogoobject* element)
{
    tSortKey key{element, {}, false, upperCaseText(element->PrintText(1))};
    if (element->IsNumber()) {
        key.numbers.push_back(element->AsReal());
        key.fullyNumeric = true;
    } else if (element->IsList()) {
        key.fullyNumeric = true;
        for (tlogoobject* part : elements(static_cast<tLogoList*>(element))) {
            if (!part->IsNumber()) {
                key.fullyNumeric = false;
                break;
            }
            key.numbers.push_back(part->AsReal());
        }
    }
    return key;
}

int compareKeys(const tSortKey& a, const tSortKey& b)
{
    const size_t common = std::min(a.numbers.size(), b.numbers.size());
    for (size_t i = 0; i < common; ++i)
        if (a.numbers[i] != b.numbers[i])
            return a.numbers[i] < b.numbers[i] ? -1 : 1;
    if (a.fullyNumeric && b.fullyNumeric) {
        if (a.numbers.size() == b.numbers.size())
            return 0;
        return a.numbers.size() < b.numbers.size() ? -1 : 1;
    }
    return a.text.compare(b.text);
}

// Quicksort around the first element of each range; the smaller part is sorted by recursion
// and the larger by the loop, so the stack stays shallow.
void quickSort(std::vector<tSortKey>& keys, int low, int high)
{
    while (high > low) {
        if (high - low == 1) {
            if (compareKeys(keys[low], keys[high]) > 0)
                std::swap(keys[low], keys[high]);
            return;
        }
        int last = low;
        for (int k = low + 1; k <= high; ++k)
            if (compareKeys(keys[k], keys[low]) < 0)
                std::swap(keys[++last], keys[k]);
        std::swap(keys[low], keys[last]);
        if (last - low < high - last) {
            quickSort(keys, low, last - 1);
            low = last + 1;
        } else {
            quickSort(keys, last + 1, high);
            high = last - 1;
        }
    }
}

}  // namespace

tlogoobject* tLogoList::Sort()
{
    if (IsEmpty() || !rest)
        return this;
    std::vector<tSortKey> keys;
    for (tlogoobject* element : elements(this))
        keys.push_back(keyOf(element));
    quickSort(keys, 0, static_cast<int>(keys.size()) - 1);
    tListBuilder sorted;
    for (const tSortKey& key : keys)
        sorted.Append(key.element);
    return sorted.Take();
}
