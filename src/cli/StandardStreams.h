#pragma once

#include <QString>

#include <optional>
#include <string_view>

namespace corvane {

// A program started with a standard stream closed hands that stream's
// number to the next file it opens, and what it prints then lands in that
// file. Each closed stream is taken by /dev/null opened for reading only:
// writing to it fails as writing to the closed stream would, and no file
// can take its place.
void HoldClosedStandardStreams();

// Writes all of text to standard output and closes it, checking every
// write and the close; the reason when not all of it arrived.
std::optional<QString> WriteStandardOutput(std::string_view text);

}  // namespace corvane
