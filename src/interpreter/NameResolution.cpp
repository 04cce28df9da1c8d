#include "interpreter/NameResolution.h"

#include <utility>

#include "interpreter/ResolutionCache.h"
#include "interpreter/integerOperators.h"
#include "interpreter/objectResolution.h"
#include "interpreter/tCompiledForm.h"
#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "values/eLogoException.h"
#include "values/tProcDesc.h"
#include "values/tlogoobject.h"

namespace {

// The default action of the object a name stands for, seen from `from`; on success the object
// becomes the qualifying object.
tProcDesc* defaultActionOf(tlogoobject* from, uint32_t code, tResolvedName& resolved)
{
    tlogoobject* object = findObject(from, code);
    if (!object) return nullptr;
    int level = 0;
    tProcDesc* action = object->LookupMethod(nameCode(primaryWord("name", "defaultaction")), level);
    if (action) {
        resolved.object = object;
        resolved.level = level;
    }
    return action;
}

// Qualified lookups see only the object's own chain, never the process's private table.
class tPrivateTableAside {
public:
    explicit tPrivateTableAside(tProcessContext& context)
        : context_(context), saved_(std::exchange(context.privateTable, nullptr))
    {
    }
    ~tPrivateTableAside() { context_.privateTable = saved_; }

private:
    tProcessContext& context_;
    tLogoTab* saved_;
};

tResolvedName resolveQualified(tProcessContext& context, tToken*& token)
{
    tlogoobject* object = context.currentObject;
    for (; token->kind == tkQualifier; ++token) {
        tlogoobject* next = findObject(object, token->code);
        if (!next) throw eLogoException(erNoObject, tCulpritName{token->code});
        object = next;
    }
    tPrivateTableAside aside(context);
    tResolvedName resolved{nullptr, object, 0};
    resolved.descriptor = object->LookupMethod(token->code, resolved.level);
    if (!resolved.descriptor) resolved.descriptor = defaultActionOf(object, token->code, resolved);
    if (!resolved.descriptor) throw eLogoException(erDoNotKnowHowTo, tCulpritName{token->code});
    return resolved;
}

}  // namespace

tResolvedName resolvePlainName(tProcessContext& context, uint32_t code)
{
    tResolvedName resolved{nullptr, nullptr, 0};
    tCachedResolution cached;
    if (findCachedResolution(context.currentObject, context.privateTable, code, cached))
        return {cached.descriptor, nullptr, cached.level};
    resolved.descriptor = context.currentObject->LookupMethod(code, resolved.level);
    if (resolved.descriptor) {
        rememberResolution(context.currentObject, context.privateTable, code, {resolved.descriptor, resolved.level});
        return resolved;
    }
    resolved.level = 0;
    if ((resolved.descriptor = defaultActionOf(context.currentObject, code, resolved))) return resolved;
    throw eLogoException(erDoNotKnowHowTo, tCulpritName{code});
}

tResolvedName resolvePlainTokenAnew(tProcessContext& context, tToken& token)
{
    const uint64_t generation = nameTablesGeneration();
    const tResolvedName resolved = resolvePlainName(context, token.code);
    // Default actions run in another object: those are looked up anew each time.
    if (!resolved.object) {
        if (!token.cache) token.cache = new tNameCache;
        *token.cache = {generation, context.currentObject, context.privateTable, token.code, resolved.level,
                        resolved.descriptor, static_cast<uint8_t>(integerOperatorOf(resolved.descriptor))};
    }
    return resolved;
}

tResolvedName resolveNameAnew(tProcessContext& context, tToken*& token)
{
    tToken* start = token;
    try {
        if (token->kind == tkQualifier) return resolveQualified(context, token);
        if (token->kind == tkInherited) {
            tResolvedName resolved{nullptr, nullptr, context.procLevel};
            resolved.descriptor = context.currentObject->FindNextMethod(resolved.level, token->code);
            if (!resolved.descriptor) throw eLogoException(erDoNotKnowHowTo, tCulpritName{token->code});
            return resolved;
        }
        return resolvePlainToken(context, *token);
    } catch (eLogoException& error) {
        // The name the user wrote, which for a qualified call is its last part. The run stands
        // after it, as after any token it has read, so the error's position counts the name.
        for (token = start; token->kind == tkQualifier; ++token) {}
        error.SetNeedingProcedure(token->code);
        ++token;
        throw;
    }
}
