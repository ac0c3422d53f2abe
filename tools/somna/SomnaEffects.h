#pragma once
// The nearest real thing the stand-in can do for sound and screen on a real PC. Under Wine (the
// test and demo environment) nothing is touched: the calls are only logged.

// Mutes or unmutes the default audio output.
void SwitchSound(bool on);
// Switches the display off (power-saving) or back on.
void SwitchScreen(bool on);
