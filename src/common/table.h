#pragma once
// The program's one-dimensional table: elements numbered from 1. Reading
// outside 1..count is a fatal runtime error, never undefined behaviour.

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// Raises fatal error 4 (index below 1) or 1 (index above count).
[[noreturn]] void raiseTableIndexError(std::int64_t index);

template <class T>
class Table {
  public:
    Table() = default;
    Table(std::initializer_list<T> items) : items_(items) {}

    T& operator[](std::int64_t index) { return items_[checked(index)]; }
    const T& operator[](std::int64_t index) const { return items_[checked(index)]; }

    std::int32_t size() const { return static_cast<std::int32_t>(items_.size()); }
    bool empty() const { return items_.empty(); }
    void append(T value) { items_.push_back(std::move(value)); }
    void clear() { items_.clear(); }
    // Removes element `index`; the later elements move one place down.
    void remove(std::int64_t index) {
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(checked(index)));
    }
    // Keeps the first `newCount` elements, adding default elements to reach it.
    void resize(std::int32_t newCount) {
        items_.resize(static_cast<std::size_t>(newCount < 0 ? 0 : newCount));
    }

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    friend bool operator==(const Table&, const Table&) = default;

  private:
    std::size_t checked(std::int64_t index) const {
        if (index < 1 || index > static_cast<std::int64_t>(items_.size())) {
            raiseTableIndexError(index);
        }
        return static_cast<std::size_t>(index - 1);
    }

    std::vector<T> items_;
};

template <class T>
void appendElement(Table<T>& table, T value) {
    table.append(std::move(value));
}

template <class T>
std::int32_t count(const Table<T>& table) {
    return table.size();
}

// An absent table counts 0.
template <class T>
std::int32_t count(const Table<T>* table) {
    return table ? table->size() : 0;
}
