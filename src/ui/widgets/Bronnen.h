#pragma once

namespace valdero {

// Ensures the resources of the windows library (the pictures and the help
// pages) are registered; a static library's resources need this once,
// before the first window that shows one.
void LaadBronnen();

}  // namespace valdero
