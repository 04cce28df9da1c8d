#pragma once

#include <cstdint>
#include <string_view>

#include "values/tlogonumber.h"

class tLogoInt : public tlogonumber {
public:
    explicit tLogoInt(int32_t value = 0) : value(value) { AttachMethods(); }
    tLogoInt(int32_t value, std::string_view sourceText);

    void SetValue(int32_t newValue);

    bool IsInteger() override { return true; }
    int32_t AsInteger() override { return value; }
    long double AsReal() override { return value; }
    bool AsBoolean() override { return value > 0; }
    bool Equals(tlogoobject* other) override;
    void AttachMethods() override;
    tNumeric ReceiverNumber() override { return {true, value, static_cast<long double>(value), false}; }
    bool AsOperand(tNumeric& number) override
    {
        number = {true, value, static_cast<long double>(value), false};
        return true;
    }
    int Order(tlogoobject* other) override;
    const char* ClassName() const override { return "tLogoInt"; }

    int32_t value;

protected:
    std::string FormatValue() override;
    void CopyValueFrom(tlogonumber& other) override;
    tlogonumber* FreshCopy() override;
    bool ReturnToPool() override;
};
