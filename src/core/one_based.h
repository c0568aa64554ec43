#pragma once
#include <array>
#include <cassert>
#include <cstddef>
#include <type_traits>

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

// A 1-based window onto one of the game's fixed arrays, so that one piece of code serves
// arrays of different sizes, such as the lists of either market. It does not own what it shows.
template <class T> class OneBasedView {
  public:
    OneBasedView() = default;
    template <class Array>
    requires(!std::is_same_v<std::remove_cv_t<Array>, OneBasedView>) OneBasedView(Array& array)
        : first_(&*array.begin()), size_(Array::size()) {}

    T& operator[](int i) const {
        assert(i >= 1 && i <= size_);
        return first_[i - 1];
    }
    int size() const { return size_; }
    bool contains(int i) const { return i >= 1 && i <= size_; }

  private:
    T* first_ = nullptr;
    int size_ = 0;
};

} // namespace zt
