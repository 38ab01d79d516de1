#pragma once
// Single-instance detection with the start-up mutex named after the
// executable. A copy started while the first one is already shutting down
// waits for it to end (up to a few seconds) and then is the first copy
// itself, with the plain title and the one settings file.
#include <string>

namespace tarvelo::shell::win {

// Creates (and keeps for the whole process) the mutex; true when another
// copy holds it and is not on its way out.
bool acquireInstanceMutex(const std::wstring& baseName);

// The first copy's exit has begun: copies started from now on wait for it.
void announceShutdown();

}  // namespace tarvelo::shell::win
