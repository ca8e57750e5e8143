#pragma once
#include <string>

namespace tk {

// The application title: caption of the standard error box and of the
// taskbar button. Kept apart from the application object so low-level code
// can read it without depending on the whole toolkit.
const std::string& ApplicationTitle();
void SetApplicationTitle(std::string title);

} // namespace tk
