#pragma once

// A compiled instruction list as cached inside a word or list. The evaluator derives its token
// form from this; values only own and free it, which is why the destructor is virtual.
class tCompiledCode {
public:
    virtual ~tCompiledCode() = default;
};
