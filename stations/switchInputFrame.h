#pragma once
// One frame of a station's switch inputs on the device editor (push buttons, "4 Input"
// or "8 Input"): per row the input's number, its type list and, for a Timed On input,
// its minutes; one minute list for the frame drops over a minutes label.

#include <QString>
#include <cstdint>
#include <vector>

#include "core/modB3Glimwarden.h"
#include "editors/gridEditor.h"
#include "stations/engine/stationFamilies.h"

class QGroupBox;

class SwitchInputFrame {
public:
    SwitchInputFrame(QWidget* form, const QString& caption, StationFamily family, int rows);

    // Shows rows 0 .. count - 1 of `station` and hides the others: push-button and
    // 8-input codes are folded into the record first; each type list is set to its
    // code, which raises its Click when the position changes.
    void showInputs(StationRecord& station, int count);
    // Moves the minute list onto row `row`'s label, selects `minutes` (no entry for a
    // value outside 5..999) and shows it.
    void openMinutes(int row, int32_t minutes);
    // The minutes a list position stands for.
    static int32_t minutesAt(int position) { return position + kFirstMinutes; }

    QGroupBox* frame;
    LabelArray lblNumber;
    std::vector<VbComboBox*> cboType;
    LabelArray lblTimedOn;
    VbComboBox* cboNewTime;

private:
    static constexpr int kFirstMinutes = 5;

    StationFamily family_;
    GridEditor grid_;
};
