#include "values/tLogoTokenizer.h"

namespace {

constexpr int kPilcrow = 182;

bool isDigit(int c) { return c >= '0' && c <= '9'; }

}  // namespace

tLogoTokenizer::tLogoTokenizer(std::string_view text)
    : source(text.substr(0, text.find('\0'))) {}

bool tLogoTokenizer::IsDelimiter(int c)
{
    switch (c) {
    case -1: case '\r': case ' ': case '"': case '(': case ')': case '*': case '+': case '-':
    case '/': case ';': case '<': case '=': case '>': case '[': case ']':
        return true;
    default:
        return false;
    }
}

int tLogoTokenizer::peek()
{
    while (pos < source.size() && source[pos] == '\n')
        ++pos;
    if (pos >= source.size())
        return -1;
    int c = static_cast<unsigned char>(source[pos]);
    return (c < 32 && c != '\r') ? ' ' : c;
}

int tLogoTokenizer::take()
{
    int c = peek();
    if (c != -1)
        ++pos;
    return c;
}

void tLogoTokenizer::skipBlanks()
{
    while (peek() == ' ') {
        take();
        afterSeparator = true;
    }
}

void tLogoTokenizer::appendChar(int c)
{
    token += static_cast<char>(c == kPilcrow ? '\r' : c);
}

tLogoTokenizer::Kind tLogoTokenizer::Next()
{
    token.clear();
    skipBlanks();
    bool separated = afterSeparator;
    afterSeparator = false;
    int c = take();
    switch (c) {
    case -1:
        return current = kEnd;
    case '\r':
        ++lineCount;
        afterSeparator = true;
        return current = kLineBreak;
    case '[':
        afterSeparator = true;
        token = "[";
        return current = kOpen;
    case ']':
        token = "]";
        return current = kClose;
    case '\\':
        readWord(kEscape);
        return current = kWord;
    case '|':
        readWord(kBar);
        return current = kWord;
    case '"':
        token = "\"";
        readWord(kQuoted);
        return current = kWord;
    case '(': case ')': case '*': case '/': case ';': case '=':
        token = static_cast<char>(c);
        return current = kWord;
    case '<':
        token = "<";
        if (peek() == '=' || peek() == '>')
            token += static_cast<char>(take());
        return current = kWord;
    case '>':
        token = ">";
        if (peek() == '=')
            token += static_cast<char>(take());
        return current = kWord;
    case '+': case '-':
        token = static_cast<char>(c);
        if (separated && isDigit(peek()))
            break;
        return current = kWord;
    default:
        if (isDigit(c)) {
            token = static_cast<char>(c);
            break;
        }
        appendChar(c);
        readWord(kPlain);
        return current = kWord;
    }
    if (readNumberCandidate())
        return current = kNumber;
    readWord(kPlain);
    return current = kWord;
}

bool tLogoTokenizer::readNumberCandidate()
{
    while (isDigit(peek()))
        token += static_cast<char>(take());
    if (peek() == '.') {
        token += static_cast<char>(take());
        while (isDigit(peek()))
            token += static_cast<char>(take());
    }
    if (peek() == 'e' || peek() == 'E') {
        token += static_cast<char>(take());
        if (peek() == '+' || peek() == '-')
            token += static_cast<char>(take());
        if (!isDigit(peek()))
            return false;
        while (isDigit(peek()))
            token += static_cast<char>(take());
    }
    return IsDelimiter(peek());
}

void tLogoTokenizer::readEscape()
{
    int c = peek();
    if (c == -1)
        return;
    if (!isDigit(c)) {
        token += static_cast<char>(take());
        return;
    }
    int code = 0;
    while (isDigit(peek())) {
        int next = code * 10 + (take() - '0');
        if (next <= 255)
            code = next;
    }
    token += static_cast<char>(code);
    if (peek() == '.')
        take();
}

void tLogoTokenizer::readWord(WordState state)
{
    for (;;) {
        int c = peek();
        switch (state) {
        case kQuoted:
            if (c == -1 || c == '\r' || c == ' ' || c == '[' || c == ']')
                return;
            state = kPlain;
            if (c != '|' && c != '\\') {
                appendChar(take());
                continue;
            }
            break;
        case kEscape:
            readEscape();
            state = kPlain;
            continue;
        case kBar:
            if (c == -1)
                return;
            take();
            if (c == '|')
                state = kPlain;
            else
                appendChar(c);
            continue;
        case kPlain:
            if (IsDelimiter(c))
                return;
            break;
        }
        take();
        if (c == '\\')
            state = kEscape;
        else if (c == '|')
            state = kBar;
        else
            appendChar(c);
    }
}
