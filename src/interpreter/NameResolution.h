#pragma once

#include <cstdint>

class tlogoobject;
class tProcDesc;
class tProcessContext;
struct tToken;

// What a name token stands for: the descriptor, the object a qualified call runs in (none for
// the current object), and the lookup-chain level it was found at.
struct tResolvedName {
    tProcDesc* descriptor;
    tlogoobject* object;
    int level;
};

// Resolves the name at `token` (a name, a qualifier chain or an inherited call) and leaves
// `token` on the final name. Fails erDoNotKnowHowTo with the name.
tResolvedName resolveName(tProcessContext& context, tToken*& token);

// Resolves a plain name (operators, unary signs) in the current object.
tResolvedName resolvePlainName(tProcessContext& context, uint32_t code);
