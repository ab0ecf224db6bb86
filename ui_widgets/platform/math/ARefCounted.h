#pragma once

namespace Lumo::Objects {

// Intrusive reference counting for objects on the heap. An object starts with a count of 0;
// whoever keeps it calls AddRef, and the ReleaseRef that brings the count back to 0 deletes it
// through the virtual destructor. A copy is a new object and starts at 0 again. Objects are
// used on one thread (the user-interface thread), so the count is a plain int.
class ARefCounted
{
public:
    ARefCounted() = default;
    ARefCounted(const ARefCounted&) {}
    ARefCounted& operator=(const ARefCounted&) { return *this; }
    virtual ~ARefCounted() = default;

    // Returns the new count.
    int AddRef() { return ++m_refCount; }
    // Returns the new count; 0 means the object has been deleted. Releasing an object whose count
    // is already 0 (one that nobody took) does nothing and returns 0, so a stray release never
    // deletes twice.
    int ReleaseRef()
    {
        if (m_refCount <= 0)
            return 0;
        if (--m_refCount == 0) {
            delete this;
            return 0;
        }
        return m_refCount;
    }
    int refCount() const { return m_refCount; }

private:
    int m_refCount = 0;
};

} // namespace Lumo::Objects
