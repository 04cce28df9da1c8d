#include "platform/devices/tLogoJoystick.h"

#include "platform/devices/deviceAccess.h"
#include "platform/devices/joystickEvents.h"
#include "values/eLogoException.h"

tLogoJoystick::~tLogoJoystick() { Release(); }

tControlObject* tLogoJoystick::Make(tLogoStack& stack, const std::string& name)
{
    return new tLogoJoystick(&stack, name, 1);
}

void tLogoJoystick::CreationCompleted()
{
    if (isInstance && !reader) Bind(number);
}

tLogoJoystick& tLogoJoystick::Of(tmultiobject& object)
{
    auto* joystick = dynamic_cast<tLogoJoystick*>(&object);
    if (!joystick || !joystick->reader) throw eLogoException(erJoyControl);
    return *joystick;
}

tLogoJoystick& tLogoJoystick::SettingsOf(tmultiobject& object)
{
    auto* joystick = dynamic_cast<tLogoJoystick*>(&object);
    if (!joystick) throw eLogoException(erJoyControl);
    return *joystick;
}

void tLogoJoystick::SetNumber(int32_t wanted)
{
    if (wanted < 1) throw eLogoException(erJoyNumber, std::string_view(std::to_string(wanted)));
    if (isInstance)
        Bind(wanted);
    else
        number = wanted;
}

void tLogoJoystick::Bind(int32_t wanted)
{
    auto heard = std::make_shared<tJoystickEvents>();
    auto opened = std::make_unique<tJoystickReader>();
    const tJoystickReader::tOpening opening = opened->Open(
        joystickPath(deviceAccess().joystickFolder, wanted),
        [weak = std::weak_ptr<tJoystickEvents>(heard)](const tJoystickChanges& changes) {
            if (std::shared_ptr<tJoystickEvents> to = weak.lock()) to->Heard(changes);
        });
    if (opening == tJoystickReader::tOpening::kMissing)
        throw eLogoException(erJoyNumber, std::string_view(std::to_string(wanted)));
    if (opening == tJoystickReader::tOpening::kRefused) throw eLogoException(erJoyControl);
    Release();
    number = wanted;
    reader = std::move(opened);
    events = std::move(heard);
    events->SetOwner(this);
}

void tLogoJoystick::Release()
{
    if (events) events->SetOwner(nullptr);
    if (reader) reader->Close();
}

tJoystickReader::tSnapshot tLogoJoystick::Snapshot() const
{
    return reader ? reader->Snapshot() : tJoystickReader::tSnapshot{};
}
