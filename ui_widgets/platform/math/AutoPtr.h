#pragma once

#include <type_traits>
#include <utility>

namespace Lumo::Objects {

// An owning pointer to an intrusively counted object (ARefCounted or anything with AddRef and
// ReleaseRef): it takes a reference when it starts pointing at an object and releases it when it
// stops. Null is allowed everywhere.
template<class T>
class AutoPtr
{
public:
    AutoPtr() = default;
    AutoPtr(T* object) : m_object(object) { acquire(); }
    AutoPtr(const AutoPtr& other) : m_object(other.m_object) { acquire(); }
    AutoPtr(AutoPtr&& other) noexcept : m_object(std::exchange(other.m_object, nullptr)) {}
    template<class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
    AutoPtr(const AutoPtr<U>& other) : m_object(other.get())
    {
        acquire();
    }
    ~AutoPtr() { release(); }

    AutoPtr& operator=(const AutoPtr& other)
    {
        reset(other.m_object);
        return *this;
    }
    AutoPtr& operator=(AutoPtr&& other) noexcept
    {
        if (this != &other) {
            release();
            m_object = std::exchange(other.m_object, nullptr);
        }
        return *this;
    }

    // Takes a reference on the new object before releasing the old one, so resetting to the
    // object already held never deletes it.
    void reset(T* object = nullptr)
    {
        T* old = m_object;
        m_object = object;
        acquire();
        if (old)
            old->ReleaseRef();
    }

    T* get() const { return m_object; }
    T* operator->() const { return m_object; }
    T& operator*() const { return *m_object; }
    explicit operator bool() const { return m_object != nullptr; }

    friend bool operator==(const AutoPtr& a, const AutoPtr& b) { return a.m_object == b.m_object; }
    friend bool operator==(const AutoPtr& a, const T* b) { return a.m_object == b; }

private:
    void acquire()
    {
        if (m_object)
            m_object->AddRef();
    }
    void release()
    {
        if (m_object)
            std::exchange(m_object, nullptr)->ReleaseRef();
    }

    T* m_object = nullptr;
};

} // namespace Lumo::Objects
