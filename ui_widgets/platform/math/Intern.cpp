#include "ui_widgets/platform/math/Intern.h"

#include <memory>
#include <mutex>
#include <unordered_map>

namespace Lumo::Objects {

const UString* Intern(const std::wstring& text)
{
    static std::mutex mutex;
    static std::unordered_map<std::wstring, std::unique_ptr<UString>> table;
    const std::lock_guard<std::mutex> lock(mutex);
    auto& entry = table[text];
    if (!entry)
        entry = std::make_unique<UString>(text);
    return entry.get();
}

} // namespace Lumo::Objects
