#include "values/tTextBuffer.h"

#include <cstring>

tTextBuffer::tTextBuffer(size_t capacity) : data_(new char[capacity]), capacity_(capacity) {}

tTextBuffer* tTextBuffer::Make(std::string_view text, size_t capacity)
{
    auto* buffer = new tTextBuffer(capacity < text.size() ? text.size() : capacity);
    buffer->Append(text);
    return buffer;
}

void tTextBuffer::Append(std::string_view text)
{
    if (!text.empty()) std::memcpy(data_.get() + size_, text.data(), text.size());
    size_ += text.size();
}
