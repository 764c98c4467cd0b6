#pragma once

#include <QtGlobal>

#include <deque>
#include <stdexcept>

// An array addressed from a lower bound other than zero, as the wizard's per-button
// data is numbered from button 1 and the step-button flags from index 2.
// Reading or writing outside the bounds throws rather than touching foreign memory.
template <typename T> class BoundedArray {
public:
    void redim(qint16 lower, qint16 upper) {
        lower_ = lower;
        items_.assign(upper >= lower ? std::size_t(upper - lower + 1) : 0, T{});
    }
    T& operator()(qint16 index) { return items_.at(offset(index)); }
    const T& operator()(qint16 index) const { return items_.at(offset(index)); }
    qint16 lowerBound() const { return lower_; }
    qint16 upperBound() const { return qint16(lower_ + qint16(items_.size()) - 1); }
    int size() const { return int(items_.size()); }

private:
    std::size_t offset(qint16 index) const {
        if (index < lower_)
            throw std::out_of_range("index below the array's lower bound");
        return std::size_t(index - lower_);
    }

    qint16 lower_ = 0;
    std::deque<T> items_; // not vector: vector<bool> hands out no references
};

// The two-dimensional form, for the image names (button, kind).
template <typename T> class BoundedArray2D {
public:
    void redim(qint16 lower1, qint16 upper1, qint16 lower2, qint16 upper2) {
        rows_.redim(lower1, upper1);
        for (qint16 i = lower1; i <= upper1 && i >= lower1; ++i)
            rows_(i).redim(lower2, upper2);
    }
    T& operator()(qint16 i, qint16 j) { return rows_(i)(j); }
    const T& operator()(qint16 i, qint16 j) const { return rows_(i)(j); }
    int rows() const { return rows_.size(); }

private:
    BoundedArray<BoundedArray<T>> rows_;
};
