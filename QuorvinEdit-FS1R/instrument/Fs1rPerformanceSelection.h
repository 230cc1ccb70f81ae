#pragma once
// The messages that choose the instrument's current performance: a bank
// select (shown as bank 0 to 3, each change sending the bank-select MSB
// first) and a program change. The performance header makes them; the
// parameter factory owns them and the device keeps them as the current
// performance's location.
class MidiMessageParameter;
class ParameterFactory;

struct Fs1rPerformanceSelection {
    MidiMessageParameter* bank = nullptr;
    MidiMessageParameter* number = nullptr;

    // The number records into the factory's current command list; the bank
    // records nowhere.
    static Fs1rPerformanceSelection create(ParameterFactory& factory);
};
