#pragma once

#include <optional>

// Whether the system reports a connection to the internet. Only a hint: some systems
// report "online" without one, so every network action still handles its own failure.
bool InternetVerbunden();

// Test seam: while set, InternetVerbunden answers this instead of asking the system.
void InternetVerbundenErzwingen(std::optional<bool> antwort);
