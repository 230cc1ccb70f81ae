#pragma once
// An open backend input, owned by the port that opened it. Destroying it
// closes the input: once the destructor returns no call reaches the sink,
// even when it runs on the input thread inside a delivery.
class MidiInputConnection {
public:
    virtual ~MidiInputConnection() = default;
};
