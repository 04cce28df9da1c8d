#pragma once

#include <string>
#include <string_view>

#include "values/tLogoWord.h"

// A word held as text. Whether the text is a number or a boolean is worked out on first demand
// and cached until the text is replaced.
class tLogoString : public tLogoWord {
public:
    explicit tLogoString(std::string_view text = {});
    explicit tLogoString(std::string&& text);
    explicit tLogoString(const char* text) : tLogoString(std::string_view(text)) {}

    // Replaces the text as it stands (no dictionary-reference rule) and resets every cache.
    void SetText(std::string_view text);
    const std::string& Text() const { return text_; }

    tlogoobject* Clone() override;
    void Dispose() override;
    bool IsAnyWord() override;
    bool IsNumber() override;
    bool IsBoolean() override;
    bool IsInteger() override;
    int32_t AsIntegerIn(int32_t min, int32_t max) override;
    int32_t AsInteger() override;
    long double AsReal() override;
    const std::string& WordText() override { return text_; }
    bool AsBoolean() override;
    bool IsEmpty() override { return text_.empty(); }
    bool Equals(tlogoobject* other) override;
    bool EqualsExactly(tlogoobject* other) override;
    void AttachMethods() override;
    bool TakeValueOf(tlogoobject* other) override;
    tNumeric ReceiverNumber() override;
    bool AsOperand(tNumeric& number) override;
    int Order(tlogoobject* other) override;
    const char* ClassName() const override { return "tLogoString"; }

private:
    void AnalyseNumber();

    std::string text_;
    uint8_t numericDone_ = 0;
    uint8_t isNumber_ = 0;
    uint8_t isInteger_ = 0;
    uint8_t booleanDone_ = 0;
    uint8_t isBoolean_ = 0;
    long double realValue_ = 0;
    int32_t integerValue_ = 0;
    uint8_t booleanValue_ = 0;
    uint8_t anyDone_ = 0;
    uint8_t isAny_ = 0;
};
