#pragma once

#include "ui_widgets/platform/math/UString.h"

#include <string>

namespace Lumo::Objects {

// The one UString for `text`: the same text always gives the same pointer, from any thread, for
// the life of the process (the table is never emptied, so the pointers never dangle).
const UString* Intern(const std::wstring& text);

} // namespace Lumo::Objects
