#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstring>
#include <vector>

// The bytes of a page as they are written: one buffer, grown rarely and written through a
// cursor, handed over whole at the end. Each byte is touched once, and no append pays for
// Qt's sharing checks.
class PageBuffer {
public:
    explicit PageBuffer(qsizetype capacity = 256) { grow(capacity); }

    Q_ALWAYS_INLINE void append(const char* bytes, qsizetype count) {
        if (count == 0)
            return; // an empty part may have no bytes at all to copy from
        room(count);
        copy(cursor_, bytes, std::size_t(count));
        cursor_ += count;
    }
    void append(char byte) {
        room(1);
        *cursor_++ = byte;
    }
    // Room for `count` bytes, written through the returned cursor and then taken with `wrote`.
    char* reserve(qsizetype count) {
        room(count);
        return cursor_;
    }
    void wrote(qsizetype count) { cursor_ += count; }

    // Bytes of another buffer that outlives this one: taken as they are, not copied, where the
    // buffer keeps its pieces apart (`keepPieces`).
    void appendShared(const char* bytes, qsizetype count) {
        if (!keepsPieces_)
            return append(bytes, count);
        closeOwnPiece();
        if (count == 0)
            return;
        // Runs of the other buffer that follow each other are one piece, written at once.
        if (!pieces_.empty() && pieces_.back().shared &&
            pieces_.back().shared + pieces_.back().count == bytes)
            pieces_.back().count += count;
        else
            pieces_.push_back({bytes, 0, count});
    }
    void keepPieces() { keepsPieces_ = true; }
    // The bytes as pieces, each the buffer's own or another's, in their order.
    std::vector<QByteArrayView> pieces() {
        closeOwnPiece();
        std::vector<QByteArrayView> views;
        views.reserve(pieces_.size());
        for (const Piece& piece : pieces_)
            views.push_back(
                {piece.shared ? piece.shared : bytes_.constData() + piece.from, piece.count});
        return views;
    }

    void clear() {
        cursor_ = bytes_.data();
        ownFrom_ = 0;
        pieces_.clear();
    }
    qsizetype size() const { return cursor_ - bytes_.constData(); }
    QByteArrayView view() const { return {bytes_.constData(), size()}; }
    QByteArray take() {
        bytes_.resize(size());
        cursor_ = end_ = nullptr;
        return std::move(bytes_);
    }

    // Most parts of a page are a few bytes long: copied in words inline, the last word
    // overlapping the one before, they cost less than a call to memcpy (bench_page_write).
    template <typename Word> static void copyWord(char* to, const char* from) {
        Word word;
        std::memcpy(&word, from, sizeof word);
        std::memcpy(to, &word, sizeof word);
    }
    Q_ALWAYS_INLINE static void copy(char* to, const char* from, std::size_t count) {
        if (count == 0)
            return;
        if (count > 32) {
            std::memcpy(to, from, count);
        } else if (count >= 8) {
            for (std::size_t i = 0; i + 8 <= count; i += 8)
                copyWord<quint64>(to + i, from + i);
            copyWord<quint64>(to + count - 8, from + count - 8);
        } else if (count >= 4) {
            copyWord<quint32>(to, from);
            copyWord<quint32>(to + count - 4, from + count - 4);
        } else if (count >= 2) {
            copyWord<quint16>(to, from);
            copyWord<quint16>(to + count - 2, from + count - 2);
        } else {
            *to = *from;
        }
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

    void closeOwnPiece() {
        if (size() > ownFrom_)
            pieces_.push_back({nullptr, ownFrom_, size() - ownFrom_});
        ownFrom_ = size();
    }

    struct Piece {
        const char* shared; // another's bytes, or none: the buffer's own from `from`
        qsizetype from, count;
    };
    bool keepsPieces_ = false;
    qsizetype ownFrom_ = 0;
    std::vector<Piece> pieces_;
    QByteArray bytes_;
    char* cursor_ = nullptr;
    char* end_ = nullptr;
};
