#include "values/valuePools.h"

#include <array>
#include <cassert>

#include "language/Language.h"
#include "values/tLogoBool.h"
#include "values/tLogoInt.h"
#include "values/tLogoReal.h"
#include "values/tLogoString.h"

namespace {

thread_local bool threadRunsLogoProcess = false;
bool (*lockHeldByCaller)() = nullptr;

void checkInterpreterLock()
{
    assert(!lockHeldByCaller || lockHeldByCaller());
}

// A stack of free pooled instances; only touched under the interpreter lock.
template <class T>
struct tValuePool {
    std::array<T*, kValuePoolSize> slots{};
    int top = 0;

    void fill()
    {
        for (int i = 0; i < top; ++i) slots[i]->AttachMethods();
        while (top < kValuePoolSize) {
            T* instance = new T();
            instance->pooled = 1;
            slots[top++] = instance;
        }
    }
    T* take()
    {
        if (!threadRunsLogoProcess || top == 0) return nullptr;
        checkInterpreterLock();
        return slots[--top];
    }
    bool giveBack(T* instance)
    {
        // Only threads under the interpreter lock touch the pools; elsewhere the value is freed.
        if (!threadRunsLogoProcess || top >= kValuePoolSize) return false;
        checkInterpreterLock();
        instance->refCount = 0;
        slots[top++] = instance;
        return true;
    }
};

tValuePool<tLogoInt> integerPool;
tValuePool<tLogoReal> realPool;
tValuePool<tLogoString> wordPool;
tValuePool<tLogoBool> booleanPool;

bool namesDictionaryEntry(std::string_view text)
{
    return text.size() > 1 && static_cast<unsigned char>(text[0]) == 0xB7;
}

}  // namespace

void createValuePools()
{
    integerPool.fill();
    realPool.fill();
    wordPool.fill();
    booleanPool.fill();
}

void setInterpreterLockCheck(bool (*heldByCaller)()) { lockHeldByCaller = heldByCaller; }

void setRunningLogoProcess(bool running) { threadRunsLogoProcess = running; }

bool runningLogoProcess() { return threadRunsLogoProcess; }

tLogoInt* NewInteger(int32_t value)
{
    if (tLogoInt* instance = integerPool.take()) {
        instance->SetValue(value);
        return instance;
    }
    return new tLogoInt(value);
}

tLogoReal* NewReal(long double value)
{
    if (tLogoReal* instance = realPool.take()) {
        instance->SetValue(value);
        return instance;
    }
    return new tLogoReal(value);
}

tLogoString* NewWord(std::string_view text)
{
    if (namesDictionaryEntry(text)) return NewLiteralWord(resolveNeutralName(text));
    return NewLiteralWord(text);
}

tLogoString* NewLiteralWord(std::string_view text)
{
    if (text.size() > kPooledWordLength) return new tLogoString(text);
    if (tLogoString* instance = wordPool.take()) {
        instance->SetText(text);
        return instance;
    }
    return new tLogoString(text);
}

tLogoBool* NewBoolean(bool value)
{
    if (tLogoBool* instance = booleanPool.take()) {
        instance->SetValue(value);
        return instance;
    }
    return new tLogoBool(value);
}

tLogoString* NewLiteralWord(std::string&& text)
{
    if (text.size() > kPooledWordLength) return new tLogoString(std::move(text));
    return NewLiteralWord(std::string_view(text));
}

bool returnToPool(tLogoInt* value)
{
    if (!integerPool.giveBack(value)) return false;
    value->SetValue(0);
    return true;
}

bool returnToPool(tLogoReal* value)
{
    if (!realPool.giveBack(value)) return false;
    value->SetValue(0);
    return true;
}

bool returnToPool(tLogoString* value)
{
    if (!wordPool.giveBack(value)) return false;
    value->SetText({});
    return true;
}

bool returnToPool(tLogoBool* value)
{
    if (!booleanPool.giveBack(value)) return false;
    value->SetValue(false);
    return true;
}

tPoolLevels valuePoolLevels() { return {integerPool.top, realPool.top, wordPool.top, booleanPool.top}; }
