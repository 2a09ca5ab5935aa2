// The three entry points of the dictionary library, C calling convention.
// Windows exports them under decorated names (lx32.def); the native shared
// library exports these plain names.
#pragma once

#if defined(_WIN32)
#define LX32_API
#else
#define LX32_API __attribute__((visibility("default")))
#endif

extern "C" {

// Names the dictionary file for the following lookups and opens it; a null
// or empty path names none.
LX32_API void LX_API_SetDBZFileFullName(const char* fullPath);

// The phrase of that number, NUL-terminated bytes in the dictionary's code
// page. Never null: "" for an unknown number, no dictionary or a damaged
// one. The text stays valid until the next call into the library.
LX32_API const char* LX_API_GetDicoPhrase(long number);

// Reads the font face and character set of the dictionary `dbzFileName`
// (a bare file name) in the "BRENDOL/DICO" folder of the current directory.
// The face is copied NUL-terminated and cut to `bufferSize`; a missing or
// unreadable dictionary leaves the buffer and *charset as they are.
LX32_API void LX_API_getLanguageConfiguration(const char* dbzFileName, char* fontName,
                                              const int bufferSize, int* charset);
}
