#pragma once

#include <QtGlobal>

#include <deque>
#include <type_traits>

// An array addressed from a lower bound other than zero, as the wizard's per-button data is
// numbered from button 1 and the step-button flags from index 2. An index outside the bounds
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

// The two-dimensional form, for the image names (button, kind).
template <typename T> class BoundedArray2D {
public:
    explicit BoundedArray2D(const char* name) : name_(name), rows_(name) {}

    void redim(qint16 lower1, qint16 upper1, qint16 lower2, qint16 upper2) {
        rows_.redim(lower1, upper1);
        lower2_ = lower2;
        upper2_ = upper2;
        for (qint16 i = lower1; i <= upper1 && i >= lower1; ++i)
            rows_(i).redim(lower2, upper2);
    }
    T& operator()(qint16 i, qint16 j) { return rows_(check(i, j))(j); }
    const T& operator()(qint16 i, qint16 j) const { return rows_(check(i, j))(j); }
    // A named second index (a picture kind) addresses the element of that index.
    template <typename Index>
    requires std::is_enum_v<Index> T& operator()(qint16 i, Index j) {
        return (*this)(i, qint16(j));
    }
    template <typename Index>
    requires std::is_enum_v<Index>
    const T& operator()(qint16 i, Index j) const { return (*this)(i, qint16(j)); }

private:
    struct Row : BoundedArray<T> {
        Row() : BoundedArray<T>("row") {}
    };

    qint16 check(qint16 i, qint16 j) const {
        if (!rows_.contains(i) || j < lower2_ || j > upper2_)
            qFatal("%s(%d, %d) is outside the array", name_, int(i), int(j));
        return i;
    }

    const char* name_;
    qint16 lower2_ = 0;
    qint16 upper2_ = -1;
    BoundedArray<Row> rows_;
};
