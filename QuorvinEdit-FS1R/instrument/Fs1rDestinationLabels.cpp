#include "instrument/Fs1rDestinationLabels.h"

#include "text/WxText.h"

#include <wx/translation.h>

#include <array>
#include <cstddef>

namespace {

// Value order; the insertion entries read "---" until an insertion type is
// applied.
constexpr std::array<const char*, fs1rDestinationCount> destinationNames = {
    "OFF",
    "---", "---", "---", "---", "---", "---", "---",
    "---", "---", "---", "---", "---", "---", "---",
    "Insertion > Reverb", "Insertion > Var", "Volume", "Panpot", "Reverb Send", "Variation Send",
    "Filter Cutoff", "Filter Resonance", "Filter EG depth", "Attack Time", "Decay Time", "Release Time",
    "PEG Initial Level", "PEG Attack Time", "PEG Release Level", "PEG Release Time", "V/N Balance",
    "Formant", "FM", "Pitch Bias", "Amplitude EG Bias", "Frequency Bias", "Voiced BandWidth",
    "Unvoic BandWidth", "LFO1 pitch mod", "LFO1 amp mod", "LFO1 freq mod", "LFO1 filter mod",
    "LFO1 Speed", "LFO2 filter mod", "LFO2 Speed", "Fseq Speed", "Formant scratch",
};

RefString translated(const char* text)
{
    return fromWxString(wxGetTranslation(text));
}

} // namespace

FixedLabelList* getDestinationLabels()
{
    static std::array<RefString, fs1rDestinationCount> labels = [] {
        std::array<RefString, fs1rDestinationCount> names;
        for (std::size_t i = 0; i < names.size(); ++i)
            names[i] = translated(destinationNames[i]);
        return names;
    }();
    static FixedLabelList list(labels.data(), fs1rDestinationCount);
    return &list;
}

void setInsertionDestinations(std::span<const RefString> itemLabels)
{
    FixedLabelList* list = getDestinationLabels();
    const RefString prefix = translated("I: ");
    const RefString unused = translated("---");
    for (std::int32_t k = 0; k < insertionDestinationCount; ++k) {
        const bool named = std::size_t(k) < itemLabels.size();
        list->set(firstInsertionDestination + k, named ? RefString::concat(prefix, itemLabels[k]) : unused);
    }
}
