#pragma once

#include <string_view>

#include "values/tlogonumber.h"

class tLogoReal : public tlogonumber {
public:
    explicit tLogoReal(long double value = 0) : value(value) { AttachMethods(); }
    tLogoReal(long double value, std::string_view sourceText);

    void SetValue(long double newValue);

    bool IsInteger() override;
    int32_t AsInteger() override;
    long double AsReal() override { return value; }
    bool AsBoolean() override;
    bool Equals(tlogoobject* other) override;
    void AttachMethods() override;
    tNumeric ReceiverNumber() override { return {false, 0, value, false}; }
    bool AsOperand(tNumeric& number) override;
    int Order(tlogoobject* other) override;
    const char* ClassName() const override { return "tLogoReal"; }

    long double value;

protected:
    std::string FormatValue() override;
    void CopyValueFrom(tlogonumber& other) override;
    tlogonumber* FreshCopy() override;
    bool ReturnToPool() override;
};
