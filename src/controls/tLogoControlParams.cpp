#include "controls/tLogoControlParams.h"

#include "controls/controlFront.h"

tLogoControlParams::tLogoControlParams(tSimpleControlKind kind, tmultiobject* owner) : owner_(owner)
{
    state_.kind = kind;
}

tSimpleControlState tLogoControlParams::State() const
{
    std::lock_guard<std::mutex> held(lock_);
    return state_;
}

void tLogoControlParams::Change(const std::function<void(tSimpleControlState&)>& change)
{
    {
        std::lock_guard<std::mutex> held(lock_);
        change(state_);
        if (!announced_) return;
    }
    Tell();
}

void tLogoControlParams::TakeFromUser(const std::function<void(tSimpleControlState&)>& change)
{
    std::lock_guard<std::mutex> held(lock_);
    change(state_);
}

void tLogoControlParams::Announce()
{
    {
        std::lock_guard<std::mutex> held(lock_);
        announced_ = true;
    }
    Tell();
}

bool tLogoControlParams::Announced() const
{
    std::lock_guard<std::mutex> held(lock_);
    return announced_;
}

void tLogoControlParams::Withdraw()
{
    bool wasShown = false;
    {
        std::lock_guard<std::mutex> held(lock_);
        wasShown = announced_;
        announced_ = false;
        owner_ = nullptr;
    }
    if (!wasShown) return;
    if (std::shared_ptr<tControlFront> front = controlFront()) front->Removed(shared_from_this());
}

bool tLogoControlParams::TakeChangeSlot()
{
    std::lock_guard<std::mutex> held(lock_);
    if (changeRunning_) return false;
    changeRunning_ = true;
    return true;
}

void tLogoControlParams::FreeChangeSlot()
{
    std::lock_guard<std::mutex> held(lock_);
    changeRunning_ = false;
}

void tLogoControlParams::Tell()
{
    if (std::shared_ptr<tControlFront> front = controlFront()) front->Changed(shared_from_this());
}
