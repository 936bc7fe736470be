#pragma once
// Lets the event loop handle what is pending, once, and returns.
void DoEvents();
