#pragma once
// A set of the eight voiced operators of an FM algorithm, numbered 1 to 8,
// kept as a bit mask with its member count. A plain value.
#include <cstdint>

inline constexpr std::int32_t fmOperatorCount = 8;

class OperatorSet {
public:
    // Bit n - 1 stands for operator n.
    std::uint8_t mask() const { return mask_; }
    std::uint8_t count() const { return count_; }
    bool isEmpty() const { return mask_ == 0; }
    bool contains(std::int32_t n) const;

    // Operator 0 (none) and numbers above 8 change nothing; so does adding a
    // member again.
    void add(std::int32_t n);
    void addAll(OperatorSet other);
    // The members of this set that other lacks.
    OperatorSet without(OperatorSet other) const;

    // Calls visit (n) for each member in ascending order.
    template <typename Visit>
    void forEach(Visit visit) const
    {
        for (std::int32_t n = 1; n <= fmOperatorCount; ++n) {
            if (contains(n))
                visit(n);
        }
    }

    friend bool operator==(OperatorSet, OperatorSet) = default;

private:
    static bool isOperator(std::int32_t n) { return n >= 1 && n <= fmOperatorCount; }
    void setMask(std::uint8_t mask);

    std::uint8_t mask_ = 0;
    std::uint8_t count_ = 0;
};
