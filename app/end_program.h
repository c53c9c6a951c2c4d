#pragma once

// Ends the program at once: the event loop stops, handles nothing further, and the
// window closes as it is destroyed. Nothing is asked and nothing is saved.
void endProgram();
