#include "platform/devices/startDevices.h"

#include <cstdint>

#include "mainobj/literalPrimitives.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/tMainLogoObject.h"
#include "mainobj/tPrimitiveCall.h"
#include "platform/devices/deviceAccess.h"
#include "platform/devices/joystickKind.h"
#include "values/eLogoException.h"
#include "values/tListBuilder.h"
#include "values/tLogoInt.h"
#include "values/valuePools.h"

namespace {

tlogoobject* numJoysticks(tPrimitiveCall&)
{
    return NewInteger(static_cast<int32_t>(joystickNumbers(deviceAccess().joystickFolder).size()));
}

tlogoobject* activeJoysticks(tPrimitiveCall&)
{
    const tDeviceAccess& access = deviceAccess();
    tListBuilder active;
    for (const int32_t number : joystickNumbers(access.joystickFolder))
        if (access.joystickResponds(joystickPath(access.joystickFolder, number))) active.Append(NewInteger(number));
    return active.Take();
}

int32_t checkedIn(tPrimitiveCall& call, int i, int32_t lowest, int32_t highest)
{
    const int32_t value = call.integer(i);
    if (value < lowest || value > highest) throw eLogoException(erMinMax, lowest, highest, call[i]);
    return value;
}

uint16_t portOf(tPrimitiveCall& call) { return static_cast<uint16_t>(checkedIn(call, 0, 0, 65535)); }

// The system refusing raw port access (as it does for normal users) is an error, never a
// reading of 0 or a write that did nothing.
[[noreturn]] void portsRefused() { throw eLogoException(erFileProblem, std::string_view(deviceAccess().portDevice)); }

// A 32-bit reading is the port's bits as a signed integer, as outD writes them.
template <int width>
tlogoobject* inPorts(tPrimitiveCall& call)
{
    const std::optional<uint32_t> value = readPorts(deviceAccess().portDevice, portOf(call), width);
    if (!value) portsRefused();
    return NewInteger(static_cast<int32_t>(*value));
}

template <int width>
tlogoobject* outPorts(tPrimitiveCall& call)
{
    const uint16_t port = portOf(call);
    uint32_t value;
    if constexpr (width == 4)
        value = static_cast<uint32_t>(call.integer(1));
    else
        value = static_cast<uint32_t>(checkedIn(call, 1, 0, (1 << (8 * width)) - 1));
    if (!writePorts(deviceAccess().portDevice, port, width, value)) portsRefused();
    return nullptr;
}

constexpr tPrimitiveRow kJoystickRows[] = {
    {"numJoysticks", 0, kFixedInputs, &numJoysticks},
    {"activeJoysticks", 0, kFixedInputs, &activeJoysticks},
};

constexpr tPrimitiveRow kPortRows[] = {
    {"in", 1, kFixedInputs, &inPorts<1>},  {"inW", 1, kFixedInputs, &inPorts<2>},
    {"inD", 1, kFixedInputs, &inPorts<4>}, {"out", 2, kFixedInputs, &outPorts<1>},
    {"outW", 2, kFixedInputs, &outPorts<2>}, {"outD", 2, kFixedInputs, &outPorts<4>},
};

}  // namespace

void startDevices()
{
    tLogoTab& table = *mainLogoObject().procTable;
    registerPrimitives(table, kJoystickRows);
    registerLiteralPrimitives(table, kPortRows);
    registerJoystickKind();
}
