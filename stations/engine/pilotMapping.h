#pragma once
// Pilot words worked out from what each station input does: a Set Preset input's lamp
// follows its preset, any other input's lamp the first relay it acts on, else the
// first group, else it stays off.

#include "core/modB3Glimwarden.h"

// Maps input `input` (0..7) of `station`; its photocell off level is cleared too.
void AutoMapAnInput(StationRecord& station, int input);
// All eight inputs, whatever the device type shows.
void AutoMapStation(StationRecord& station);
// Stations 1..64 whose type has pilot lamps (1..8); photocells and others are left alone.
void AutoMapAllStations();
