#include "net/netNicknames.h"

#include "language/Language.h"

namespace {

// Decimal text plus one; the number may be longer than any machine integer.
std::string incremented(std::string digits)
{
    for (size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return digits;
        }
        digits[i] = '0';
    }
    return "1" + digits;
}

}  // namespace

std::string uniqueNickname(std::string_view requested, const std::function<bool(std::string_view)>& taken)
{
    if (!taken(requested)) return std::string(requested);
    size_t digitsAt = requested.size();
    while (digitsAt > 0 && requested[digitsAt - 1] >= '0' && requested[digitsAt - 1] <= '9') --digitsAt;
    const std::string base(requested.substr(0, digitsAt));
    std::string number(requested.substr(digitsAt));
    const size_t significant = number.find_first_not_of('0');
    number = significant == std::string::npos ? "0" : number.substr(significant);
    for (;;) {
        number = incremented(number);
        if (!taken(base + number)) return base + number;
    }
}

bool sameNickname(std::string_view a, std::string_view b) { return sameWord(a, b); }
