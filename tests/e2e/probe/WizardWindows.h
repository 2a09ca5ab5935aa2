// Finding and reading the wizard's windows from another process, through
// the conventions of vcl/win32/PeerProtocol.h.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace tavrik::probe {

// A window that carries a control name.
struct NamedWindow {
    HWND hwnd = nullptr;
    std::string name;
    std::string className;
};

// The first top-level window of the wizard's form class, or nullptr.
HWND FindFormWindow();

// Every named descendant of the form, in EnumChildWindows order.
std::vector<NamedWindow> NamedWindows(HWND form);
// The descendant named `name` (exact, case-sensitive), or hwnd nullptr.
NamedWindow FindNamed(HWND form, const std::string& name);

// The window text as UTF-8 (read as Unicode, so any code page survives).
std::string WindowTextUtf8(HWND hwnd);
// What a person sees of a text-bearing control: its text, or a list box's
// items one per line. False for windows that show no text.
bool VisibleText(const NamedWindow& window, std::string& text);

// Line breaks as "\n", tabs as "\t" and backslashes doubled, so one control
// is one output line.
std::string EscapeLine(const std::string& text);

// "key=value" lines describing a control: class, visibility, geometry and
// its kind's state (checked, selection, position, range ...).
std::vector<std::string> DescribeState(HWND form, const NamedWindow& window);

// A message box (dialog class) shown by the process that owns `form` (or,
// ofAnotherProcess, by any other process: a second wizard has no window of
// its own), or nullptr.
HWND FindMessageBox(HWND form, bool ofAnotherProcess = false);
// "title=..." and one "text=..." line per static text of a message box.
std::vector<std::string> DescribeMessageBox(HWND box);

// "key=value" lines describing the form: client size, position, topmost,
// whether Close is greyed, frame styles.
std::vector<std::string> DescribeForm(HWND form);

}  // namespace tavrik::probe
