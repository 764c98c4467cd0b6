#pragma once

#include <QList>
#include <QtGlobal>

#include <map>
#include <type_traits>

// Controls that share a name, told apart by an index. Indexes may have gaps (the editor's
// images are 0, 1 and 3); asking for a missing one is a programming error that stops the
// program with the array's name and the index. Unlike BoundedArray, which holds the wizard's
// values in a dense, resizable range, this one only points at controls the window owns and is
// filled once, when the window is built.
template <typename T> class ControlArray {
public:
    explicit ControlArray(const char* name) : name_(name) {}

    const char* name() const { return name_; }
    void add(int index, T* control) { controls_[index] = control; }
    T* operator()(int index) const {
        const auto it = controls_.find(index);
        if (it == controls_.end())
            qFatal("%s(%d) is not a control of the window", name_, index);
        return it->second;
    }
    // A named index (a page, a step button) addresses the control of that index.
    template <typename Index>
    requires std::is_enum_v<Index> T* operator()(Index index) const { return (*this)(int(index)); }
    QList<int> indexes() const {
        QList<int> result;
        for (const auto& entry : controls_)
            result.append(entry.first);
        return result;
    }

private:
    const char* name_;
    std::map<int, T*> controls_;
};
