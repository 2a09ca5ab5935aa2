/* A native library with plain ELF names, standing in for a DLL whose
   exports carry decorated names. */

static int callCount = 0;

int probe_add(int a, int b) {
    ++callCount;
    return a + b;
}

/* Starts at zero again each time the library is really loaded. */
int probe_call_count(void) { return callCount; }
