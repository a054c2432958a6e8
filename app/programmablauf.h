#pragma once

#include <functional>

class TFMain;
class TFStart;

// Joins the start window and the main window for the program's run: the start window
// cross-fades to the main window, and once the main window has closed (its closing steps
// done) a running fade ends at once and the event loop ends, whatever order the windows
// close in. beenden ends the program (tests pass their own); it runs from the event loop.
void ProgrammablaufVerbinden(TFStart *start, TFMain *hauptfenster, std::function<void()> beenden = {});
