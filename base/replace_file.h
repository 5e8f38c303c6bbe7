#pragma once

#include <cstddef>
#include <string>

enum class ReplaceFileResult { Ok, CannotCreate, WriteFailed };

// Writes `size` bytes as the whole new content of `path`: first into a new file beside
// it, then renamed over it. A failure at any point (a full disk, a folder that cannot be
// written) leaves the old file as it was and no partial file behind.
ReplaceFileResult ReplaceFileContents(const std::string& path, const void* data, std::size_t size);
