#pragma once

#include <string>
#include <string_view>

#include "values/tLogoWord.h"

// Abstract number: caches its printed text. A number read from program text keeps that text,
// so 3.10 prints back as 3.10 and 007 as 007.
class tlogonumber : public tLogoWord {
public:
    const std::string& WordText() override;
    // Numbers and booleans read back from their plain text ("fd -5", not "fd |-5|").
    std::string SourceText(int) override { return WordText(); }
    bool IsNumber() override { return true; }
    bool IsEmpty() override { return false; }
    bool TakeValueOf(tlogoobject* other) override;
    // A copy keeps the text the value was read from; a pooled instance goes back to its pool.
    tlogoobject* Clone() override;
    void Dispose() override;

protected:
    tlogonumber() = default;
    explicit tlogonumber(std::string_view sourceText);

    // The text of the current value, computed when the cache is empty.
    virtual std::string FormatValue() = 0;
    // Forgets the printed text and the word caches: the value changed.
    void ValueChanged();
    // Copies the value of another instance of the same class.
    virtual void CopyValueFrom(tlogonumber& other) = 0;
    // A new unpooled instance of the same class and value.
    virtual tlogonumber* FreshCopy() = 0;
    // Hands a pooled instance back; false when its pool is full.
    virtual bool ReturnToPool() = 0;

    uint8_t printedValid_ = 0;
    std::string printed_;
};
