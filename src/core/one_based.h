#pragma once
#include <array>
#include <cassert>
#include <cstddef>

namespace zt {

// A fixed array numbered from 1, as the game numbers its galaxies, goods, slots and cells.
// The one place where the off-by-one is hidden.
template <class T, int N> class OneBased {
public:
    static constexpr int size() { return N; }

    T& operator[](int i) {
        assert(i >= 1 && i <= N);
        return items_[static_cast<std::size_t>(i - 1)];
    }
    const T& operator[](int i) const {
        assert(i >= 1 && i <= N);
        return items_[static_cast<std::size_t>(i - 1)];
    }
    static constexpr bool contains(int i) { return i >= 1 && i <= N; }

    void fill(const T& value) { items_.fill(value); }
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    bool operator==(const OneBased&) const = default;

private:
    std::array<T, N> items_{};
};

} // namespace zt
