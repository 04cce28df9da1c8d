#include "objects/propertyOrder.h"

#include <algorithm>

#include "objects/tmultiobject.h"
#include "values/tPseudoVarDesc.h"

namespace {

std::vector<int32_t> declaredNumbers(tmultiobject& kindClass)
{
    std::vector<int32_t> numbers;
    for (tTabDesc* entry = kindClass.varTable->first; entry; entry = entry->next)
        if (auto* declaration = dynamic_cast<tPseudoVarPrototype*>(entry)) numbers.push_back(declaration->kind);
    return numbers;
}

bool holds(const std::vector<int32_t>& numbers, int32_t number)
{
    return std::find(numbers.begin(), numbers.end(), number) != numbers.end();
}

}  // namespace

std::shared_ptr<const std::vector<int32_t>> propertyOrder(tmultiobject& kindClass, const std::vector<int32_t>& head,
                                                          const std::vector<int32_t>& excluded)
{
    const std::vector<int32_t> declared = declaredNumbers(kindClass);
    std::vector<int32_t> order;
    for (int32_t number : head)
        if (holds(declared, number)) order.push_back(number);
    for (int32_t number : declared)
        if (!holds(order, number) && !holds(excluded, number)) order.push_back(number);
    return std::make_shared<const std::vector<int32_t>>(std::move(order));
}
