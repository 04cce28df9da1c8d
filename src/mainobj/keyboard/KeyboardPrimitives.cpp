#include "mainobj/keyboard/keyboardPrimitives.h"

#include "mainobj/keyboard/keyMenuProperty.h"
#include "mainobj/keyboard/keyNames.h"
#include "mainobj/keyboard/tKeyboardState.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/tMainLogoObject.h"
#include "mainobj/tPrimitiveCall.h"
#include "objects/destructionHooks.h"
#include "values/eLogoException.h"
#include "values/tLogoBool.h"
#include "values/tLogoInt.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

namespace {

// The code "readkey" gives: a character its code, a special key below enter its negated
// number (F1 is -59), enter, backspace, tab and escape their virtual-key codes.
int32_t readKeyCode(const tKeyStroke& stroke)
{
    if (stroke.special == 0) return stroke.character;
    if (stroke.special < specialKey::kEnter) return -static_cast<int32_t>(stroke.special);
    return specialKeyOfNumber(stroke.special)->virtualKey;
}

char readCharOf(const tKeyStroke& stroke)
{
    if (stroke.special == specialKey::kEnter) return '\r';
    if (stroke.special == specialKey::kTab) return '\t';
    if (stroke.special != 0) return '\0';
    const uint8_t c = stroke.character;
    return c == '\t' || c == '\r' || c >= ' ' ? static_cast<char>(c) : '\0';
}

tlogoobject* keyp(tPrimitiveCall&) { return NewBoolean(keyboardState().HasKey()); }

tlogoobject* readkey(tPrimitiveCall& call)
{
    if (call.count() > 1) throw eLogoException(erTooManyInputs);
    if (call.count() == 1 && call[0]->AsIntegerIn(0, 2) == 0) {
        keyboardState().Flush();
        return nullptr;
    }
    return NewInteger(readKeyCode(keyboardState().WaitForKey()));
}

tlogoobject* key(tPrimitiveCall&) { return NewWord(keyStrokeName(keyboardState().WaitForKey())); }

tlogoobject* lastkey(tPrimitiveCall&) { return NewWord(keyStrokeName(keyboardState().LastKey())); }

constexpr tPrimitiveRow kKeyboardRows[] = {
    {"key?", 0, kFixedInputs, &keyp},
    {"readkey", 0, kVariableInputs, &readkey},
    {"key", 0, kFixedInputs, &key},
    {"lastkey", 0, kFixedInputs, &lastkey},
};

}  // namespace

void registerKeyboardPrimitives(tLogoTab& table) { registerPrimitives(table, kKeyboardRows); }

std::string waitForKeyCharacter() { return std::string(1, readCharOf(keyboardState().WaitForKey())); }

void startKeyboard()
{
    registerKeyboardPrimitives(*mainLogoObject().procTable);
    addDestructionHook(&forgetKeyMenu);
}
