// Where a bare dictionary file name is looked for: the "BRENDOL\DICO" folder
// under the current directory, the medium's root.
#pragma once

#include <cstddef>

namespace tavrik::lx {

// `path` holds a directory; appends separator + "BRENDOL" + separator +
// "DICO" + separator + `fileName`, with no doubled separator when the
// directory already ends in one (a drive root such as "D:\"). False, with
// `path` unusable, when the result does not fit `capacity` with its NUL.
bool AppendDictionaryFile(char* path, std::size_t capacity, const char* fileName,
                          char separator) noexcept;

}  // namespace tavrik::lx
