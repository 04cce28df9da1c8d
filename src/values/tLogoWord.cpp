#include "values/tLogoWord.h"

#include <atomic>

#include "language/Language.h"
#include "values/eLogoException.h"
#include "values/numberText.h"

namespace {
WordCompiler registeredCompiler = nullptr;
WordSourceFormatter registeredSourceFormatter = nullptr;
// Words are also made on threads outside the interpreter lock (they then skip the pools).
std::atomic<long> liveWords{0};
}  // namespace

void setWordCompiler(WordCompiler compiler) { registeredCompiler = compiler; }

void setWordSourceFormatter(WordSourceFormatter formatter) { registeredSourceFormatter = formatter; }

long liveWordCount() { return liveWords.load(std::memory_order_relaxed); }

tLogoWord::tLogoWord() { liveWords.fetch_add(1, std::memory_order_relaxed); }

tLogoWord::~tLogoWord() { liveWords.fetch_sub(1, std::memory_order_relaxed); }

uint32_t tLogoWord::NameCode()
{
    if (nameCode_ == 0) nameCode_ = nameCode(WordText());
    return nameCode_;
}

tCompiledCode* tLogoWord::Compile(int mode)
{
    if (compiled_ && compileMode_ == mode) return compiled_.get();
    if (!registeredCompiler) throw eLogoException(erExpectList, this);
    compiled_.reset();
    compiled_.reset(registeredCompiler(*this, mode));
    compileMode_ = static_cast<uint8_t>(mode);
    return compiled_.get();
}

std::string tLogoWord::PrintText(int)
{
    // A carriage return on its own prints as a line break.
    const std::string& text = WordText();
    std::string printed;
    printed.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        printed.push_back(text[i]);
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) printed.push_back('\n');
    }
    return printed;
}

std::string tLogoWord::SourceText(int mode)
{
    if (registeredSourceFormatter) return registeredSourceFormatter(WordText(), mode);
    return WordText();
}

int32_t tLogoWord::AsIntegerIn(int32_t min, int32_t max)
{
    // A real beyond 32 bits is reported against the wanted bounds, not the 32-bit ones.
    int32_t value;
    if (IsNumber()) {
        const tNumeric number = ReceiverNumber();
        value = number.integer;
        if (!number.isInteger && !roundToInteger32(number.real, value)) throw eLogoException(erMinMax, min, max, this);
    } else {
        value = AsInteger();
    }
    if (value < min || value > max) throw eLogoException(erMinMax, min, max, this);
    return value;
}

tProcDesc* tLogoWord::LookupMethod(uint32_t code, int& level)
{
    AttachMethods();
    return tlogoobject::LookupMethod(code, level);
}

void tLogoWord::ResetWordCaches()
{
    nameCode_ = 0;
    compiled_.reset();
}
