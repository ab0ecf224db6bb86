#pragma once

#include "ui_widgets/platform/math/UString.h"

#include <utility>
#include <vector>

namespace Lumo::Objects {

// A small table of untyped pointers keyed by interned strings (compared by pointer): how a scene
// node carries links to the widgets that own it. The table owns nothing it points to. A null
// key is never stored.
class AAttachable
{
public:
    AAttachable() = default;
    AAttachable(const AAttachable&) = default;
    AAttachable& operator=(const AAttachable&) = default;
    virtual ~AAttachable() = default;

    // Adds the attachment unless the key already has one; returns whether it was added.
    bool AddVoidAttachment(const UString* key, void* value);
    // Adds or replaces the attachment; returns false only for a null key.
    bool SetVoidAttachment(const UString* key, void* value);
    // The attachment under the key, or null when there is none.
    void* GetVoidAttachment(const UString* key) const;
    // Removes the attachment; returns whether there was one.
    bool RemoveAttachment(const UString* key);
    bool HasAttachment(const UString* key) const;
    int attachmentCount() const { return int(m_attachments.size()); }

private:
    std::vector<std::pair<const UString*, void*>> m_attachments;
};

} // namespace Lumo::Objects
