#pragma once
// The station list of every station form: "Select Device" at position 0, then the
// names of stations 1..64, so a position is a station number. Station 0 is never
// shown or edited: "Select Device" picks no station, whatever its record holds.

#include <QStringList>

#include "core/modB3Glimwarden.h"

class VbComboBox;

QStringList stationListEntries();
// The station chosen in a station list; nullptr for "Select Device" or no position.
StationRecord* chosenStation(const VbComboBox* list);
// The station chosen, or else an empty record (no type, no inputs, all codes 0) that
// is emptied again on every call, so what is written to it is kept nowhere.
StationRecord& shownStation(const VbComboBox* list);
