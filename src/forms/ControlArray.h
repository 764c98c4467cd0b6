#pragma once

#include <QList>

#include <map>
#include <stdexcept>

// Controls that share a name, told apart by an index. Indexes may have gaps (the editor's
// images are 0, 1 and 3), so asking for a missing one is an error, not a null pointer.
template <typename T> class ControlArray {
public:
    void add(int index, T* control) { controls_[index] = control; }
    T* operator()(int index) const {
        const auto it = controls_.find(index);
        if (it == controls_.end())
            throw std::out_of_range("no control with that index");
        return it->second;
    }
    bool contains(int index) const { return controls_.count(index) != 0; }
    QList<int> indexes() const {
        QList<int> result;
        for (const auto& entry : controls_)
            result.append(entry.first);
        return result;
    }

private:
    std::map<int, T*> controls_;
};
