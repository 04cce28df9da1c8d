#include "interpreter/tLogoLocaltab.h"

#include "values/eLogoException.h"
#include "values/tLogoStack.h"

tLogoLocaltab::tLogoLocaltab(tLogoVarTab* globals, bool frameOpen)
    : tLogoVarTab(nullptr, "variablesLabel"), globals(globals)
{
    saves_.reserve(kInitialSaves);
    if (frameOpen) saves_.push_back({0, kFrameMarker, nullptr, 0});
}

tLogoLocaltab::~tLogoLocaltab()
{
    while (FrameOpen()) CloseFrame();
}

void tLogoLocaltab::PutNewEntry(uint32_t code, tlogoobject* counted)
{
    auto* entry = entryClass(code, nullptr, 0);
    entry->value = counted;
    PutEntry(entry);
}

void tLogoLocaltab::Bind(uint32_t code, tlogoobject* counted)
{
    if (tLogoVarDesc* entry = Entry(code)) {
        saves_.push_back({code, kSavedValue, entry->value, 0});
        entry->value = counted;
    } else {
        saves_.push_back({code, kWasUnbound, nullptr, 0});
        PutNewEntry(code, counted);
    }
    ++frameBindings_;
}

tLogoLocaltab::tSave* tLogoLocaltab::FindInFrame(uint32_t code)
{
    for (size_t i = saves_.size(), k = 0; k < static_cast<size_t>(frameBindings_); ++k) {
        tSave& save = saves_[--i];
        if (save.code == code && save.kind != kBlanked) return &save;
    }
    return nullptr;
}

void tLogoLocaltab::Undo(tSave& save, bool recreateErased)
{
    tlogoobject* hidden = save.kind == kSavedValue ? save.value : nullptr;
    save.value = nullptr;
    if (save.kind == kBlanked) return;
    if (tLogoVarDesc* entry = Entry(save.code)) {
        if (save.kind == kWasUnbound) {
            Erase(save.code);
        } else {
            Release(entry->value);
            entry->value = hidden;
        }
    } else if (save.kind == kSavedValue && recreateErased) {
        PutNewEntry(save.code, hidden);
    } else {
        Release(hidden);
    }
}

void tLogoLocaltab::OpenFrame(const uint32_t* names, int n, tLogoStack& stack)
{
    saves_.push_back({0, kFrameMarker, nullptr, frameBindings_});
    frameBindings_ = 0;
    for (int i = n - 1; i >= 0; --i) Bind(names[i], stack.popRaw());
}

void tLogoLocaltab::RebindFrame(const uint32_t* names, int n, tLogoStack& stack)
{
    for (int i = n - 1; i >= 0; --i) {
        tlogoobject* value = stack.popRaw();
        if (FindInFrame(names[i])) {
            if (tLogoVarDesc* entry = Entry(names[i])) {
                Release(entry->value);
                entry->value = value;
            } else {
                PutNewEntry(names[i], value);
            }
        } else {
            Bind(names[i], value);
        }
    }
}

void tLogoLocaltab::CloseFrame()
{
    if (!FrameOpen()) return;
    for (; frameBindings_ > 0; --frameBindings_) {
        tSave save = saves_.back();
        saves_.pop_back();
        Undo(save, true);
    }
    frameBindings_ = saves_.back().enclosingBindings;
    saves_.pop_back();
}

void tLogoLocaltab::AddLocal(uint32_t code, tlogoobject* value)
{
    if (!FrameOpen()) throw eLogoException(erWrongPlace, tCulpritName{code});
    Bind(code, AddRef(value));
}

void tLogoLocaltab::SetOrAddLocal(uint32_t code, tlogoobject* value)
{
    if (FindInFrame(code)) {
        if (tLogoVarDesc* entry = Entry(code)) {
            Assign(entry->value, value);
            return;
        }
    }
    AddLocal(code, value);
}

void tLogoLocaltab::RemoveLocal(uint32_t code)
{
    tSave* save = FindInFrame(code);
    if (!save) return;
    Undo(*save, false);
    if (save == &saves_.back()) {
        saves_.pop_back();
        --frameBindings_;
    } else {
        save->kind = kBlanked;
    }
}

tlogoobject* tLogoLocaltab::GetValue(uint32_t code)
{
    if (tLogoVarDesc* entry = Entry(code)) {
        if (!entry->value) throw eLogoException(erNoVal, tCulpritName{code});
        return entry->value;
    }
    if (!globals) throw eLogoException(erNoVal, tCulpritName{code});
    return globals->GetValue(code);
}

tlogoobject* tLogoLocaltab::FindValue(uint32_t code)
{
    if (tLogoVarDesc* entry = Entry(code)) return entry->value;
    return globals ? globals->FindValue(code) : nullptr;
}

bool tLogoLocaltab::Define(uint32_t code, tlogoobject* value, uint8_t flags)
{
    if (tLogoVarDesc* entry = Entry(code)) {
        StoreInto(*entry, value);
        return true;
    }
    if (!globals) throw eLogoException(erNoVal, tCulpritName{code});
    return globals->Define(code, value, flags);
}

void tLogoLocaltab::EraseVariable(uint32_t code)
{
    if (tLogoVarDesc* entry = Entry(code)) {
        Assign(entry->value, static_cast<tlogoobject*>(nullptr));
        return;
    }
    if (!globals) throw eLogoException(erNoVal, tCulpritName{code});
    globals->Erase(code);
}

std::unique_ptr<tLogoLocaltab> tLogoLocaltab::Snapshot(tLogoVarTab& table, tLogoVarTab* globals)
{
    auto copy = std::make_unique<tLogoLocaltab>(globals, true);
    for (tTabDesc* entry = table.first; entry; entry = entry->next)
        copy->Bind(entry->code, AddRef(entry->Value()));
    return copy;
}
