#pragma once
// The counts of the station-network soak test: which stations are in the test, how
// often each failed to answer, the input byte each had at the last read, and the
// cycles run. The form paints from these.

#include <array>
#include <cstdint>
#include <span>
#include <string>

inline constexpr int kDiagnosticStations = 64;       // addresses 1..64
inline constexpr int kDiagnosticCycleLimit = 10000;  // the run ends by itself here

enum class StationAnswer {
    Answered,        // answered, never failed since the totals were cleared
    AnsweredBefore,  // answered now, has failed before
    NoAnswer,        // did not answer in this cycle
};

// The failure total as shown: ">99" from 100 on, else the plain number.
std::string FailureTotalText(int total);

class StationDiagnostic {
public:
    // The opening scan: stations whose presence byte is not 0 are taken into the
    // test; the others are left out.
    void takeAnswering(std::span<const uint8_t> presence);

    bool runEnded() const { return iCycle >= kDiagnosticCycleLimit; }
    void countCycle() { ++iCycle; }
    // One station's presence byte of this cycle; a failure adds to its total, which
    // stops at the largest count it can hold.
    StationAnswer recordPresence(int station, uint8_t presence);
    // One station's input byte of this cycle; true when it changed.
    bool recordInputs(int station, uint8_t inputs);

    // Cycle count and the failure totals of the stations in the test back to 0.
    void clearTotals();
    void toggle(int station);
    bool enabled(int station) const { return bNodeEnabled.at(static_cast<std::size_t>(station)) != 0; }
    int errorTotal(int station) const { return iErrorTotal.at(static_cast<std::size_t>(station)); }

    std::array<int16_t, kDiagnosticStations + 1> bNodeEnabled{};
    std::array<int16_t, kDiagnosticStations + 1> iErrorTotal{};
    std::array<int16_t, kDiagnosticStations + 1> iLastInputs{};
    int16_t iCycle = 0;
};
