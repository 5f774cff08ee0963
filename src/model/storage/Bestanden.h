#pragma once
// Whole files in and out. A save keeps the old file intact until the new
// one is completely on disk: a temporary file in the same folder, flushed to
// disk, then renamed over the target. A failure removes the temporary file
// and leaves the target as it was.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace valdero {

// The temporary file a save of `doel` writes first.
std::filesystem::path TijdelijkPad(const std::filesystem::path& doel);

// `voorVervangen` runs after the new content is safely on disk and before it
// replaces the target (the moment to keep a backup of the old file).
// Returns false when the new content could not be written or put in place.
bool SchrijfAtomisch(const std::filesystem::path& doel, std::span<const std::uint8_t> inhoud,
                     const std::function<void()>& voorVervangen = {});

// The whole content of a file; false when it cannot be read.
bool LeesBestand(const std::filesystem::path& pad, std::vector<std::uint8_t>& inhoud);

// A text file of lines as the user reads it on Windows: each line in
// Windows-1252, ended by CR LF. Written atomically like the book.
bool SchrijfTekstRegels(const std::filesystem::path& doel, const std::vector<std::string>& regels);

}  // namespace valdero
