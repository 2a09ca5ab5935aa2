// brendolx.dll: the demo application's library. The wizard checks before an
// installation that no program holds it, so it only has to exist, load and
// say something.
extern "C" __declspec(dllexport) const char* BrendolxGreeting() {
    return "brendolx: diagnostics library loaded";
}
