#pragma once
// Records a bulk dump written into the address map as the user's step. The
// entries store a dump's bytes before they tell their parameters, so each
// parameter reads its new value as its old one and its own pipeline records
// nothing; taken before the dump is written, this keeps what every
// parameter of the dump's run held and, once the dump is in, records each
// change into its page's open group. Lives for the one load.
#include "sysex/PackedAddress.h"

#include <cstdint>
#include <utility>
#include <vector>

class AddressMap;
class Parameter;

class DumpLoadRecorder {
public:
    // Keeps the values of the parameters whose bits lie in size bytes of
    // bulk-dump space from dumpAddress, each once.
    DumpLoadRecorder(const AddressMap& map, PackedAddress dumpAddress, std::uint32_t size);

    // Records, with the load's flags, each kept parameter whose value the
    // dump changed. Only lists whose group is open take it: a page whose
    // history the load's own trigger started afresh (a loaded performance
    // brings its voices) keeps it empty.
    void recordChanges(std::uint32_t flags) const;

private:
    std::vector<std::pair<Parameter*, std::int32_t>> before_;
};
