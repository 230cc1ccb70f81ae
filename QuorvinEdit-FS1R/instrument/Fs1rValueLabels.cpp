#include "instrument/Fs1rValueLabels.h"

#include "instrument/Fs1rLabelTables.h"
#include "text/WxText.h"

#include <wx/translation.h>

#include <array>
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

namespace {

// A number in units of 10^-decimals, as "12", "0.5" or "9.60".
std::string fixedPointText(int units, int decimals)
{
    int scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    char text[16];
    if (decimals == 0)
        std::snprintf(text, sizeof text, "%d", units);
    else
        std::snprintf(text, sizeof text, "%d.%0*d", units / scale, decimals, units % scale);
    return text;
}

std::string noteName(int note)
{
    static constexpr const char* pitchNames[] = {
        "C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B",
    };
    constexpr int notesPerOctave = 12;
    constexpr int lowestOctave = -2;
    return pitchNames[note % notesPerOctave] + std::to_string(note / notesPerOctave + lowestOctave);
}

// The sampling rate of value v is 48 kHz / (v + 1), rounded to the precision
// that its range shows.
std::string sampleRateText(int value)
{
    struct Range {
        int lowestHertz;
        int hertzPerUnit;
        int decimals;
        const char* suffix;
    };
    static constexpr Range ranges[] = {
        {10000, 100, 1, "k"},
        {1000, 10, 2, "k"},
        {0, 1, 0, ""},
    };
    constexpr int topRateHertz = 48000;
    const int divisor = value + 1;
    for (const Range& range : ranges) {
        if (topRateHertz < range.lowestHertz * divisor)
            continue;
        const int denominator = range.hertzPerUnit * divisor;
        const int units = (2 * topRateHertz + denominator) / (2 * denominator);
        return fixedPointText(units, range.decimals) + range.suffix;
    }
    return {};
}

void appendSegment(const LabelSegment& segment, std::vector<std::string>& texts)
{
    switch (segment.kind) {
    case LabelSegment::Kind::texts:
        texts.insert(texts.end(), segment.texts.begin(), segment.texts.end());
        return;
    case LabelSegment::Kind::series:
        for (int i = 0; i < segment.count; ++i)
            texts.push_back(fixedPointText(segment.first + i * segment.step, segment.decimals));
        return;
    case LabelSegment::Kind::noteNames:
        for (int note = 0; note < segment.count; ++note)
            texts.push_back(noteName(note));
        return;
    case LabelSegment::Kind::sampleRates:
        for (int value = 0; value < segment.count; ++value)
            texts.push_back(sampleRateText(value));
        return;
    }
}

bool isTranslated(LabelTranslation translation, const std::string& text)
{
    const bool isNumber = !text.empty() && text.front() >= '0' && text.front() <= '9';
    return translation == LabelTranslation::all
        || (translation == LabelTranslation::wordsOnly && !isNumber);
}

std::vector<RefString> buildLabels(const LabelTableRule& rule)
{
    std::vector<std::string> texts;
    for (const LabelSegment& segment : rule.segments)
        appendSegment(segment, texts);
    std::vector<RefString> labels;
    labels.reserve(texts.size());
    for (const std::string& text : texts) {
        // The English text is the catalogue key.
        labels.push_back(isTranslated(rule.translation, text)
                ? fromWxString(wxGetTranslation(wxString::FromUTF8(text)))
                : RefString::fromUtf8(text));
    }
    return labels;
}

// One table's labels and the list that views them; the list is set only once
// the labels have their final place.
struct BuiltTable {
    std::once_flag built;
    std::vector<RefString> labels;
    ValueLabels list;
};

} // namespace

const ValueLabels* getValueLabels(std::int32_t id)
{
    static const ValueLabels emptyList;
    if (id < 0 || id >= fs1rLabelTableCount)
        return &emptyList;
    static std::array<BuiltTable, fs1rLabelTableCount> tables;
    BuiltTable& table = tables[id];
    std::call_once(table.built, [&table, id] {
        table.labels = buildLabels(fs1rLabelTable(id));
        table.list = ValueLabels(table.labels.data(), std::uint32_t(table.labels.size()));
    });
    return &table.list;
}
