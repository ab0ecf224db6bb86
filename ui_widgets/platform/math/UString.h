#pragma once

#include <string>

namespace Lumo::Objects {

// An interned, immutable wide string. Only Intern() makes them, one per distinct text, so two
// UString pointers are equal exactly when their texts are: keys compare by pointer.
class UString
{
public:
    explicit UString(std::wstring text) : m_text(std::move(text)) {}
    UString(const UString&) = delete;
    UString& operator=(const UString&) = delete;

    const std::wstring& text() const { return m_text; }

private:
    std::wstring m_text;
};

} // namespace Lumo::Objects
