#pragma once

namespace valdero {

// Ensures the help pages, a resource of the ground library, are registered;
// a static library's resources need this once, before the first window
// that shows one.
void LaadBronnen();

}  // namespace valdero
