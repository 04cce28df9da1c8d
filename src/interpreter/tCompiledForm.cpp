#include "interpreter/tCompiledForm.h"

#include "values/tlogoobject.h"

tCompiledForm::~tCompiledForm()
{
    for (tToken& token : tokens) {
        if (token.kind == tkLiteral)
            Release(token.value);
        else if (token.kind >= tkComparison && token.kind <= tkName)
            delete token.cache;
    }
}

void tCompiledForm::Add(tToken token)
{
    // "(" starts the chain; a qualifier or inherited call carries it on to the next token.
    if (!tokens.empty()) {
        const tToken& previous = tokens.back();
        bool chained = previous.afterParen && (previous.kind == tkQualifier || previous.kind == tkInherited);
        token.afterParen = previous.kind == tkOpen || chained;
    }
    tokens.push_back(token);
}

void tCompiledForm::AddName(tTokenKind kind, uint32_t code) { Add({kind, 0, code, {nullptr}}); }

void tCompiledForm::AddLiteral(tlogoobject* value) { Add({tkLiteral, 0, 0, {AddRef(value)}}); }

void tCompiledForm::AddPlain(tTokenKind kind) { Add({kind, 0, 0, {nullptr}}); }

void tCompiledForm::Finish() { AddPlain(tkEnd); }
