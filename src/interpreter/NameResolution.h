#pragma once

#include <cstdint>

#include "interpreter/tCompiledForm.h"
#include "interpreter/tProcessContext.h"
#include "values/tLogoTab.h"


// What a name token stands for: the descriptor, the object a qualified call runs in (none for
// the current object), and the lookup-chain level it was found at.
struct tResolvedName {
    tProcDesc* descriptor;
    tlogoobject* object;
    int level;
};


// Resolves a plain name (operators, unary signs) in the current object.
tResolvedName resolvePlainName(tProcessContext& context, uint32_t code);

// The same for the plain name or operator at `token`, remembering the answer in the token:
// whenever the answer has no object, token.cache holds it afterwards.
tResolvedName resolvePlainTokenAnew(tProcessContext& context, tToken& token);

// The token's remembered answer when it still holds here, else null.
inline const tNameCache* currentAnswer(const tProcessContext& context, const tToken& token)
{
    const tNameCache* cache = token.cache;
    if (cache && cache->generation == nameTablesGeneration() && cache->object == context.currentObject &&
        cache->privateTable == context.privateTable && cache->code == token.code)
        return cache;
    return nullptr;
}

inline tResolvedName resolvePlainToken(tProcessContext& context, tToken& token)
{
    if (const tNameCache* answer = currentAnswer(context, token)) return {answer->descriptor, nullptr, answer->level};
    return resolvePlainTokenAnew(context, token);
}

// Resolves the name at `token` (a name, a qualifier chain or an inherited call) and leaves
// `token` on the final name. Fails erDoNotKnowHowTo with the name.
tResolvedName resolveNameAnew(tProcessContext& context, tToken*& token);

inline tResolvedName resolveName(tProcessContext& context, tToken*& token)
{
    // A plain name the token already knows needs no lookup and cannot fail.
    if (token->kind == tkName)
        if (const tNameCache* answer = currentAnswer(context, *token)) return {answer->descriptor, nullptr, answer->level};
    return resolveNameAnew(context, token);
}
