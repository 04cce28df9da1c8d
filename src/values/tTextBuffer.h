#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

// Text shared by long words: a word cut from another ("butfirst", a stretch by "item") or grown
// from one ("word") reads a stretch of the same buffer instead of a copy of its own. Bytes once
// written never change and never move, and every word reads only its own stretch, so text added
// at the buffer's end is invisible to the words made before. Counted like values, under the
// interpreter lock.
class tTextBuffer {
public:
    // A buffer of the given capacity holding a copy of text (capacity >= text.size()); count 0.
    static tTextBuffer* Make(std::string_view text, size_t capacity);

    std::string_view Stretch(size_t offset, size_t length) const { return {data_.get() + offset, length}; }
    size_t Size() const { return size_; }
    size_t Room() const { return capacity_ - size_; }

    // Adds text at the end; the caller checked that it fits (Room).
    void Append(std::string_view text);

    friend void AddRef(tTextBuffer* buffer)
    {
        if (buffer) ++buffer->refCount_;
    }
    friend void Release(tTextBuffer* buffer)
    {
        if (buffer && --buffer->refCount_ < 1) delete buffer;
    }

private:
    explicit tTextBuffer(size_t capacity);

    std::unique_ptr<char[]> data_;
    size_t size_ = 0;
    size_t capacity_;
    int32_t refCount_ = 0;
};
