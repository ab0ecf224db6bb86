#pragma once

#include <algorithm>
#include <utility>
#include <vector>

namespace Lumo::Objects {

// What an ArrayList does to an element when it starts and stops holding it.
template<class T>
struct PlainLifetime
{
    static void acquire(const T&) {}
    static void release(const T&) {}
};

template<class Pointer>
struct RefCountedLifetime;

// The list holds one reference on each counted object it contains (null entries are allowed and
// hold nothing).
template<class T>
struct RefCountedLifetime<T*>
{
    static void acquire(T* object)
    {
        if (object)
            object->AddRef();
    }
    static void release(T* object)
    {
        if (object)
            object->ReleaseRef();
    }
};

// An ordered list that tells its Lifetime policy about every element it takes and drops: on
// append and insert, and on remove, clear, overwrite and destruction. A copy takes its own
// hold on every element. Out-of-range indices are refused (false, or a default element).
template<class T, class Lifetime = PlainLifetime<T>>
class ArrayList
{
public:
    using const_iterator = typename std::vector<T>::const_iterator;

    ArrayList() = default;
    ArrayList(const ArrayList& other) : m_items(other.m_items)
    {
        for (const T& item : m_items)
            Lifetime::acquire(item);
    }
    ArrayList(ArrayList&& other) noexcept : m_items(std::move(other.m_items)) { other.m_items.clear(); }
    ArrayList& operator=(const ArrayList& other)
    {
        if (this != &other) {
            ArrayList copy(other);
            swap(copy);
        }
        return *this;
    }
    ArrayList& operator=(ArrayList&& other) noexcept
    {
        if (this != &other) {
            clear();
            m_items = std::move(other.m_items);
            other.m_items.clear();
        }
        return *this;
    }
    ~ArrayList() { clear(); }

    void swap(ArrayList& other) noexcept { m_items.swap(other.m_items); }

    void append(const T& item)
    {
        Lifetime::acquire(item);
        m_items.push_back(item);
    }

    // Inserts before `index`; index == size() appends.
    bool insertAt(int index, const T& item)
    {
        if (index < 0 || index > size())
            return false;
        Lifetime::acquire(item);
        // Appending and rotating into place, rather than vector::insert, sidesteps a false
        // -Wstringop-overflow of GCC 12 on inlined middle inserts.
        m_items.push_back(item);
        std::rotate(m_items.begin() + index, m_items.end() - 1, m_items.end());
        return true;
    }

    // The element is out of the list before it is released, so a release that destroys it
    // finds the list already consistent.
    bool removeAt(int index)
    {
        if (index < 0 || index >= size())
            return false;
        T item = m_items[index];
        m_items.erase(m_items.begin() + index);
        Lifetime::release(item);
        return true;
    }

    bool setAt(int index, const T& item)
    {
        if (index < 0 || index >= size())
            return false;
        Lifetime::acquire(item);
        T old = std::exchange(m_items[index], item);
        Lifetime::release(old);
        return true;
    }

    void clear()
    {
        std::vector<T> items;
        items.swap(m_items);
        for (const T& item : items)
            Lifetime::release(item);
    }

    int size() const { return int(m_items.size()); }
    bool isEmpty() const { return m_items.empty(); }
    T at(int index) const { return index >= 0 && index < size() ? m_items[index] : T{}; }
    int indexOf(const T& item) const
    {
        for (int i = 0; i < size(); ++i)
            if (m_items[i] == item)
                return i;
        return -1;
    }

    const_iterator begin() const { return m_items.begin(); }
    const_iterator end() const { return m_items.end(); }

private:
    std::vector<T> m_items;
};

} // namespace Lumo::Objects
