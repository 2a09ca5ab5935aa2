// The floor of the benchmark: a library with nothing in it but one entry
// point of the same name and type, built like the real one.
#include "lx32/Lx32Api.h"

extern "C" const char* LX_API_GetDicoPhrase(long) { return ""; }
