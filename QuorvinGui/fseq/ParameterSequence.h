#pragma once
// A fixed run of parameters that a graph track walks frame by frame: the
// frame parameters of one formant-sequence track. Held by shared pointer by
// the track and whoever built it.
#include <cstddef>
#include <iterator>

class Parameter;

class ParameterSequence {
public:
    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Parameter;
        using difference_type = std::ptrdiff_t;
        using pointer = Parameter*;
        using reference = Parameter&;

        Iterator() = default;
        Iterator(const ParameterSequence* sequence, std::size_t index) : sequence_(sequence), index_(index) {}
        Parameter& operator*() const { return sequence_->at(index_); }
        Parameter* operator->() const { return &sequence_->at(index_); }
        Iterator& operator++()
        {
            ++index_;
            return *this;
        }
        Iterator operator++(int)
        {
            Iterator before = *this;
            ++index_;
            return before;
        }
        friend bool operator==(const Iterator& a, const Iterator& b) = default;

    private:
        const ParameterSequence* sequence_ = nullptr;
        std::size_t index_ = 0;
    };

    virtual ~ParameterSequence() = default;

    virtual std::size_t count() const = 0;
    // index < count().
    virtual Parameter& at(std::size_t index) const = 0;
    virtual bool contains(const Parameter* parameter) const = 0;

    Iterator begin() const { return Iterator(this, 0); }
    Iterator end() const { return Iterator(this, count()); }
};
