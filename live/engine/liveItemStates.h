#pragma once
// How the live forms read one character of a relay, group, input or preset page.

enum class ItemState { NotDefined, Off, On };

// Relays: "0" off, anything else on.
inline bool RelayCharIsOn(char c) { return c != '0'; }
// Groups and presets: "2" not defined, "0" off, anything else on (set).
ItemState DefinableItemState(char c);
// Inputs: the character's decimal value (0 for a non-digit); bit 0 is the On
// contact, bit 1 the Off contact, and values above 3 carry no contact state.
int InputContacts(char c);
