#include "instrument/Fs1rDestinationLabels.h"

#include "text/WxText.h"

#include <wx/translation.h>

#include <array>
#include <cstddef>

namespace {

// Value order; the insertion entries read "---" until an insertion type is
// applied.
constexpr std::array<const char*, fs1rDestinationCount> destinationNames = {
    wxTRANSLATE("OFF"), wxTRANSLATE("---"), wxTRANSLATE("---"), wxTRANSLATE("---"), wxTRANSLATE("---"),
    wxTRANSLATE("---"), wxTRANSLATE("---"), wxTRANSLATE("---"), wxTRANSLATE("---"), wxTRANSLATE("---"),
    wxTRANSLATE("---"), wxTRANSLATE("---"), wxTRANSLATE("---"), wxTRANSLATE("---"), wxTRANSLATE("---"),
    wxTRANSLATE("Insertion > Reverb"), wxTRANSLATE("Insertion > Var"), wxTRANSLATE("Volume"),
    wxTRANSLATE("Panpot"), wxTRANSLATE("Reverb Send"), wxTRANSLATE("Variation Send"), wxTRANSLATE("Filter Cutoff"),
    wxTRANSLATE("Filter Resonance"), wxTRANSLATE("Filter EG depth"), wxTRANSLATE("Attack Time"),
    wxTRANSLATE("Decay Time"), wxTRANSLATE("Release Time"), wxTRANSLATE("PEG Initial Level"),
    wxTRANSLATE("PEG Attack Time"), wxTRANSLATE("PEG Release Level"), wxTRANSLATE("PEG Release Time"),
    wxTRANSLATE("V/N Balance"), wxTRANSLATE("Formant"), wxTRANSLATE("FM"), wxTRANSLATE("Pitch Bias"),
    wxTRANSLATE("Amplitude EG Bias"), wxTRANSLATE("Frequency Bias"), wxTRANSLATE("Voiced BandWidth"),
    wxTRANSLATE("Unvoic BandWidth"), wxTRANSLATE("LFO1 pitch mod"), wxTRANSLATE("LFO1 amp mod"),
    wxTRANSLATE("LFO1 freq mod"), wxTRANSLATE("LFO1 filter mod"), wxTRANSLATE("LFO1 Speed"),
    wxTRANSLATE("LFO2 filter mod"), wxTRANSLATE("LFO2 Speed"), wxTRANSLATE("Fseq Speed"),
    wxTRANSLATE("Formant scratch"),
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
    const RefString prefix = translated(wxTRANSLATE("I: "));
    const RefString unused = translated(wxTRANSLATE("---"));
    for (std::int32_t k = 0; k < insertionDestinationCount; ++k) {
        const bool named = std::size_t(k) < itemLabels.size();
        list->set(firstInsertionDestination + k, named ? RefString::concat(prefix, itemLabels[k]) : unused);
    }
}
