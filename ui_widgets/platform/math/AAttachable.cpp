#include "ui_widgets/platform/math/AAttachable.h"

#include <algorithm>

namespace Lumo::Objects {

namespace {
auto byKey(const UString* key)
{
    return [key](const std::pair<const UString*, void*>& entry) { return entry.first == key; };
}
} // namespace

bool AAttachable::AddVoidAttachment(const UString* key, void* value)
{
    if (!key || HasAttachment(key))
        return false;
    m_attachments.emplace_back(key, value);
    return true;
}

bool AAttachable::SetVoidAttachment(const UString* key, void* value)
{
    if (!key)
        return false;
    const auto found = std::find_if(m_attachments.begin(), m_attachments.end(), byKey(key));
    if (found != m_attachments.end())
        found->second = value;
    else
        m_attachments.emplace_back(key, value);
    return true;
}

void* AAttachable::GetVoidAttachment(const UString* key) const
{
    const auto found = std::find_if(m_attachments.begin(), m_attachments.end(), byKey(key));
    return found != m_attachments.end() ? found->second : nullptr;
}

bool AAttachable::RemoveAttachment(const UString* key)
{
    const auto found = std::find_if(m_attachments.begin(), m_attachments.end(), byKey(key));
    if (found == m_attachments.end())
        return false;
    m_attachments.erase(found);
    return true;
}

bool AAttachable::HasAttachment(const UString* key) const
{
    return key && std::any_of(m_attachments.begin(), m_attachments.end(), byKey(key));
}

} // namespace Lumo::Objects
