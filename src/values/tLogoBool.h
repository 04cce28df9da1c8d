#pragma once

#include <string_view>

#include "values/tlogonumber.h"

// A boolean. It prints as the first synonym of "true" or "false" of the current language, or
// keeps the text it was read from.
class tLogoBool : public tlogonumber {
public:
    explicit tLogoBool(bool value = false) : value(value) { AttachMethods(); }
    tLogoBool(bool value, std::string_view sourceText);

    void SetValue(bool newValue);

    bool IsNumber() override { return false; }
    bool IsBoolean() override { return true; }
    bool AsBoolean() override { return value; }
    bool Equals(tlogoobject* other) override;
    void AttachMethods() override;
    tNumeric ReceiverNumber() override;
    // Booleans order by their texts.
    int Order(tlogoobject* other) override;
    const char* ClassName() const override { return "tLogoBool"; }

    uint8_t value;

protected:
    std::string FormatValue() override;
    void CopyValueFrom(tlogonumber& other) override;
    tlogonumber* FreshCopy() override;
    bool ReturnToPool() override;
};
