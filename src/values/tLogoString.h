#pragma once

#include <string>
#include <string_view>

#include "values/tLogoWord.h"
#include "values/tTextBuffer.h"

// A word held as text. Whether the text is a number or a boolean is worked out on first demand
// and cached until the text is replaced. A long word may instead read a stretch of a shared
// buffer (tTextBuffer.h); it copies the stretch into a text of its own only when asked for
// WordText, so cutting and growing long words does not copy them.
class tLogoString : public tLogoWord {
public:
    explicit tLogoString(std::string_view text = {});
    explicit tLogoString(std::string&& text);
    explicit tLogoString(const char* text) : tLogoString(std::string_view(text)) {}
    // The stretch [offset, offset + length) of the buffer.
    tLogoString(tTextBuffer* buffer, size_t offset, size_t length);
    ~tLogoString() override;

    // Replaces the text as it stands (no dictionary-reference rule) and resets every cache.
    void SetText(std::string_view text);
    const std::string& Text() { return WordText(); }

    // The shared buffer the text is a stretch of (none when the word has a text of its own),
    // where the stretch starts, and whether it ends where the buffer ends.
    tTextBuffer* SharedBuffer() const { return shared_; }
    size_t SharedOffset() const { return offset_; }
    bool EndsSharedBuffer() const { return shared_ && offset_ + length_ == shared_->Size(); }

    tlogoobject* Clone() override;
    void Dispose() override;
    bool IsAnyWord() override;
    bool IsNumber() override;
    bool IsBoolean() override;
    bool IsInteger() override;
    int32_t AsIntegerIn(int32_t min, int32_t max) override;
    int32_t AsInteger() override;
    long double AsReal() override;
    const std::string& WordText() override
    {
        if (shared_ && !copied_) CopyStretch();
        return text_;
    }
    std::string_view WordView() override { return View(); }
    bool AsBoolean() override;
    bool IsEmpty() override { return View().empty(); }
    bool Equals(tlogoobject* other) override;
    bool EqualsExactly(tlogoobject* other) override;
    void AttachMethods() override;
    bool TakeValueOf(tlogoobject* other) override;
    tNumeric ReceiverNumber() override;
    bool AsOperand(tNumeric& number) override;
    int Order(tlogoobject* other) override;
    const char* ClassName() const override { return "tLogoString"; }

private:
    std::string_view View() const { return shared_ ? shared_->Stretch(offset_, length_) : std::string_view(text_); }
    void CopyStretch();
    void AnalyseNumber();

    std::string text_;
    tTextBuffer* shared_ = nullptr;  // counted
    size_t offset_ = 0;
    size_t length_ = 0;
    uint8_t copied_ = 0;  // text_ holds the stretch
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
