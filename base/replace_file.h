#pragma once

#include <cstddef>
#include <string>

enum class ReplaceFileResult { Ok, CannotCreate, WriteFailed };

// Writes `size` bytes as the whole new content of `path`, the one way the game saves a
// file:
//  - Normally into a new file beside the old one, renamed over it once written and
//    synced: a full disk, a crash or a kill at any point leaves the old file whole.
//  - A symbolic link is followed to its target, which is replaced there; the link stays.
//  - A file the user may not write, or something that is no regular file, is refused
//    (CannotCreate) and left as it is.
//  - Where no new file can be made beside it (a folder the user cannot write), or the
//    new file could not take the old one's owner and group, the file is written in place.
//  - The old file's owner, group and mode are kept; a new file gets the usual mode.
//  - The new file is named after the file and the writing process, `<name>.tolvane-save.
//    <process id>.<6 characters>`, so that what an interrupted save left behind is
//    recognised: such leftovers whose writer is no longer running are removed.
ReplaceFileResult ReplaceFileContents(const std::string& path, const void* data, std::size_t size);
