#include "turtle/kindAdditions.h"

tKindAdditions& kindAdditions()
{
    static tKindAdditions additions;
    return additions;
}
