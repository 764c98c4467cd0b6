#pragma once

#include <QByteArray>

#include <cstring>

// The bytes of a page as they are written: one buffer, grown rarely and written through a
// cursor, handed over whole at the end. Each byte is touched once, and no append pays for
// Qt's sharing checks.
class PageBuffer {
public:
    explicit PageBuffer(qsizetype capacity = 256) { grow(capacity); }

    void append(const char* bytes, qsizetype count) {
        if (count == 0)
            return; // an empty part may have no bytes at all to copy from
        room(count);
        std::memcpy(cursor_, bytes, std::size_t(count));
        cursor_ += count;
    }
    void append(char byte) {
        room(1);
        *cursor_++ = byte;
    }
    void append(qsizetype count, char byte) {
        room(count);
        std::memset(cursor_, byte, std::size_t(count));
        cursor_ += count;
    }
    // Room for `count` bytes, written through the returned cursor and then taken with `wrote`.
    char* reserve(qsizetype count) {
        room(count);
        return cursor_;
    }
    void wrote(qsizetype count) { cursor_ += count; }

    void clear() { cursor_ = bytes_.data(); }
    qsizetype size() const { return cursor_ - bytes_.constData(); }
    QByteArrayView view() const { return {bytes_.constData(), size()}; }
    QByteArray take() {
        bytes_.resize(size());
        cursor_ = end_ = nullptr;
        return std::move(bytes_);
    }

private:
    void room(qsizetype count) {
        if (end_ - cursor_ < count)
            grow(count);
    }
    void grow(qsizetype count) {
        const qsizetype used = cursor_ ? size() : 0;
        bytes_.resize(qMax(2 * bytes_.size(), used + count)); // new bytes are left as they are
        cursor_ = bytes_.data() + used;
        end_ = bytes_.data() + bytes_.size();
    }

    QByteArray bytes_;
    char* cursor_ = nullptr;
    char* end_ = nullptr;
};
