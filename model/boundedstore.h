#pragma once

#include <array>
#include <cstddef>

// Fixed-size stores whose every access is checked: a read outside the bounds gives the
// default value and a write outside them is dropped, so no index can ever touch memory
// that does not belong to the store.
template <typename T, int N>
class BoundedArray
{
public:
    static constexpr int size() { return N; }
    static constexpr bool contains(int i) { return i >= 0 && i < N; }

    T value(int i) const { return contains(i) ? m_items[std::size_t(i)] : T(); }
    void set(int i, const T &v)
    {
        if (contains(i))
            m_items[std::size_t(i)] = v;
    }
    void fill(const T &v) { m_items.fill(v); }

private:
    std::array<T, std::size_t(N)> m_items{};
};

// Indexed [slot][column][row], as the per-criterion matrices are kept.
template <typename T, int Slots, int Columns, int Rows>
class BoundedMatrixStore
{
public:
    static constexpr int slotCount() { return Slots; }
    static constexpr int columnCount() { return Columns; }
    static constexpr int rowCount() { return Rows; }
    static constexpr bool contains(int slot, int column, int row)
    {
        return slot >= 0 && slot < Slots && column >= 0 && column < Columns && row >= 0 && row < Rows;
    }

    T value(int slot, int column, int row) const
    {
        return contains(slot, column, row) ? m_items[index(slot, column, row)] : T();
    }
    void set(int slot, int column, int row, const T &v)
    {
        if (contains(slot, column, row))
            m_items[index(slot, column, row)] = v;
    }
    void fill(const T &v) { m_items.fill(v); }

private:
    static constexpr std::size_t index(int slot, int column, int row)
    {
        return (std::size_t(slot) * Columns + std::size_t(column)) * Rows + std::size_t(row);
    }
    std::array<T, std::size_t(Slots) * Columns * Rows> m_items{};
};
