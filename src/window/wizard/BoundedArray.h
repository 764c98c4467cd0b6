#pragma once

#include <QtGlobal>

#include <deque>
#include <type_traits>

// An array addressed from a lower bound other than zero, as the step-button flags are
// numbered from index 2, Back's. An index outside the bounds
// is a programming error: it stops the program with the array's name and the index, rather
// than touching foreign memory or throwing through the event loop.
template <typename T> class BoundedArray {
public:
    explicit BoundedArray(const char* name) : name_(name) {}

    void redim(qint16 lower, qint16 upper) {
        lower_ = lower;
        items_.assign(upper >= lower ? std::size_t(upper - lower + 1) : 0, T{});
    }
    T& operator()(qint16 index) { return items_[offset(index)]; }
    const T& operator()(qint16 index) const { return items_[offset(index)]; }
    // A named index (a step button) addresses the element of that index.
    template <typename Index>
    requires std::is_enum_v<Index> T& operator()(Index index) { return (*this)(qint16(index)); }
    template <typename Index>
    requires std::is_enum_v<Index>
    const T& operator()(Index index) const { return (*this)(qint16(index)); }
    bool contains(qint16 index) const {
        return index >= lower_ && std::size_t(index - lower_) < items_.size();
    }

private:
    std::size_t offset(qint16 index) const {
        if (!contains(index))
            qFatal("%s(%d) is outside the array", name_, int(index));
        return std::size_t(index - lower_);
    }

    const char* name_;
    qint16 lower_ = 0;
    std::deque<T> items_; // not vector: vector<bool> hands out no references
};
