#pragma once

// Pop-up hints (tool tips) on or off for the whole application.
namespace platform {

void setHintsEnabled(bool on);
bool hintsEnabled();

} // namespace platform
