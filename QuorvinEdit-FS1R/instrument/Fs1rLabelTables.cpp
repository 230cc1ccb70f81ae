#include "instrument/Fs1rLabelTables.h"

#include <wx/translation.h>

namespace {

// Labels written out in value order, as the instrument shows them.
constexpr const char* bankLetters[] = {
    "i", "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K",
};

constexpr const char* categories[] = {
    "--", wxTRANSLATE("Piano"), wxTRANSLATE("Chromatic percussion"), wxTRANSLATE("Organ"),
    wxTRANSLATE("Guitar"), wxTRANSLATE("Bass"), wxTRANSLATE("String / Orchestral"),
    wxTRANSLATE("Ensemble"), wxTRANSLATE("Brass"), wxTRANSLATE("Reed"), wxTRANSLATE("Pipe"),
    wxTRANSLATE("Synth lead"), wxTRANSLATE("Synth Pad"), wxTRANSLATE("Synth sound effect"),
    wxTRANSLATE("Ethnic"), wxTRANSLATE("Percussive"), wxTRANSLATE("Sound effect"),
    wxTRANSLATE("Drums"), wxTRANSLATE("Synth comping"), wxTRANSLATE("Vocal"),
    wxTRANSLATE("Combination"), wxTRANSLATE("Material wave"), wxTRANSLATE("Sequence"),
};

constexpr const char* presetFseqNames[] = {
    "ShoobyDo", "2BarBeat", "D&B", "D&B Fill", "4BarBeat", "YouCanG", "EBSayHey", "RtmSynth",
    "VocalRtm", "WooWaPa", "UooLha", "FemRtm", "ByonRole", "WowYeah", "ListenVo", "YAMAHAFS",
    "Laugh", "Laugh2", "AreYouR", "Oiyai", "Oiaiuo", "UuWaUu", "Wao", "RndArp1", "FiltrArp",
    "RndArp2", "TechArp", "RndArp3", "Voco-Seq", "PopTech", "1BarBeat", "1BrBeat2", "Undo",
    "RndArp4", "VoclRtm2", "Reiyowha", "RndArp5", "VocalArp", "CanYouGi", "Pu-Yo", "Yaof", "MyaOh",
    "ChuckRtm", "ILoveYou", "Jan-On", "Welcome", "One-Two", "Edokko", "Everybdy", "Uwau", "YEEAAH",
    "4-3-2-1", "Test123", "CheckSnd", "ShavaDo", "R-M-H-R", "HiSchool", "M.Blastr", "L&G MayI",
    "Hellow", "ChowaUu", "Everybd2", "Dodidowa", "Check123", "BranNewY", "BoomBoom", "Hi=Woo",
    "FreeForm", "FreqPad", "YouKnow", "OldTech", "B/M", "MiniJngl", "EveryB-S", "IYaan", "Yeah",
    "ThankYou", "Yes=No", "UnWaEDon", "MouthPop", "Fire", "TBLine", "China", "Aeiou", "YaYeYiYo",
    "C7Seq", "SoundLib", "IYaan2", "Relax", "PSYAMAHA",
};

constexpr const char* eqFrequencies[] = {
    wxTRANSLATE("thru"), "22", "25", "28", "32", "36", "40", "45", "50", "56", "63", "70", "80",
    "90", "100", "110", "125", "140", "160", "180", "200", "225", "250", "280", "315", "355", "400",
    "450", "500", "560", "630", "700", "800", "900", "1.0k", "1.1k", "1.2k", "1.4k", "1.6k", "1.8k",
    "2.0k", "2.2k", "2.5k", "2.8k", "3.2k", "3.6k", "4.0k", "4.5k", "5.0k", "5.6k", "6.3k", "7.0k",
    "8.0k", "9.0k", "10.0k", "11.0k", "12.0k", "14.0k", "16.0k", "18.0k", wxTRANSLATE("thru"),
};

// Effect type names stay as the instrument's display shows them, in every
// language: a user reads the same name on the FS1R and in the editor.
constexpr const char* insertionTypes[] = {
    "No effect", "Chorus", "Celeste", "Flanger", "Symphonic", "Phaser1", "Phaser2", "Pitch Chng",
    "Ens Detune", "Rotary SP", "2WayRotary", "Tremolo", "Auto Pan", "Ambience", "A-Wah+Dist",
    "A-Wah+Odrv", "T-Wah+Dist", "T-Wah+Odrv", "Wah+DS+Dly", "Wah+OD+Dly", "Lo-Fi", "3-Band EQ",
    "HM Enhncer", "Noise Gate", "Compressor", "Comp+Dist", "Cmp+DS+Dly", "Cmp+OD+Dly", "Distortion",
    "Dist+Delay", "Overdrive", "Odrv+Delay", "Amp Sim", "Delay LCR", "Delay L,R", "Echo",
    "CrossDelay", "ER1", "ER2", "Gate Rev", "Revrs Gate",
};

// The value between 1.694 and 1.785 is not known; 1.740 keeps the even rise.
constexpr const char* effectValues10[] = {
    "0.000", "0.046", "0.091", "0.137", "0.183", "0.229", "0.275", "0.320", "0.366", "0.412",
    "0.458", "0.504", "0.549", "0.595", "0.641", "0.687", "0.732", "0.778", "0.824", "0.870",
    "0.916", "0.961", "1.007", "1.053", "1.099", "1.144", "1.190", "1.236", "1.282", "1.328",
    "1.373", "1.419", "1.465", "1.511", "1.556", "1.602", "1.648", "1.694", "1.740", "1.785",
    "1.831", "1.877", "1.923", "1.968", "2.014", "2.060", "2.106", "2.151", "2.197", "2.243",
    "2.289", "2.335", "2.380", "2.426", "2.472", "2.518", "2.563", "2.609", "2.655", "2.701",
    "2.747", "2.792", "2.838", "2.884", "2.930", "3.021", "3.113", "3.204", "3.296", "3.387",
    "3.479", "3.571", "3.662", "3.754", "3.845", "3.937", "4.028", "4.211", "4.395", "4.578",
    "4.761", "4.944", "5.127", "5.310", "5.493", "5.676", "5.859", "6.042", "6.226", "6.592",
    "6.958", "7.324", "7.690", "8.057", "8.423", "8.789", "9.155", "9.522", "9.888", "10.25",
    "10.62", "10.99", "11.72", "12.45", "13.18", "13.92", "14.65", "15.38", "16.11", "16.85",
    "17.58", "18.31", "19.04", "19.78", "21.24", "22.71", "24.17", "25.63", "27.10", "28.56",
    "30.03", "31.49", "32.96", "34.42", "35.89", "37.35", "40.28", "43.21",
};

constexpr const char* effectValues11Tail[] = {
    "11.1", "12.2", "13.3", "14.4", "15.5", "17.1", "18.6", "20.2", "21.8", "23.3", "24.9", "26.5",
    "28.0", "29.6", "31.2", "32.8", "34.3", "35.9", "37.5", "39.0", "40.6", "42.2", "43.7", "45.3",
    "46.9", "48.4", "50.0",
};

constexpr const char* monoStereo[] = {
    wxTRANSLATE("mono"), wxTRANSLATE("stereo"),
};

constexpr const char* panDirections[] = {
    wxTRANSLATE("L<>R"), wxTRANSLATE("L>R"), wxTRANSLATE("L<R"), wxTRANSLATE("Lturn"),
    wxTRANSLATE("Rturn"), wxTRANSLATE("L/R"),
};

constexpr const char* effectValues14[] = {
    "10", "15", "25", "35", "45", "55", "65", "75", "85", "100", "115", "140", "170", "230", "340",
    "680",
};

constexpr const char* effectValues15[] = {
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "12", "14", "16", "18", "20", "23", "26",
    "30", "35", "40",
};

constexpr const char* effectValues16[] = {
    "1.0", "1.5", "2.0", "3.0", "5.0", "7.0", "10.0", "20.0",
};

constexpr const char* channelSides[] = {
    wxTRANSLATE("L"), wxTRANSLATE("R"), wxTRANSLATE("L&R"),
};

constexpr const char* reflectionTypes[] = {
    wxTRANSLATE("Smallhall"), wxTRANSLATE("LargeHall"), wxTRANSLATE("Random"),
    wxTRANSLATE("Reverse"), wxTRANSLATE("Plate"), wxTRANSLATE("Spring"),
};

constexpr const char* typeAB[] = {
    wxTRANSLATE("Type A"), wxTRANSLATE("Type B"),
};

constexpr const char* lofiFilterTypes[] = {
    wxTRANSLATE("thru"), wxTRANSLATE("pbass"), wxTRANSLATE("radio"), wxTRANSLATE("tel"),
    wxTRANSLATE("clean"), wxTRANSLATE("low"),
};

constexpr const char* ampTypes[] = {
    wxTRANSLATE("off"), wxTRANSLATE("stack"), wxTRANSLATE("combo"), wxTRANSLATE("tube"),
};

constexpr const char* reverbTypes[] = {
    "No effect", "Hall1", "Hall2", "Room1", "Room2", "Room3", "Stage1", "Stage2", "Plate",
    "White room", "Tunnel", "Basement", "Canyon", "Delay LCR", "Delay L,R", "Echo", "CrossDelay",
};

constexpr const char* effectValues25[] = {
    "0.5", "0.8", "1.0", "1.3", "1.5", "1.8", "2.0", "2.3", "2.6", "2.8", "3.1", "3.3", "3.6",
    "3.9", "4.1", "4.4", "4.6", "4.9", "5.2", "5.4", "5.7", "5.9", "6.2", "6.5", "6.7", "7.0",
    "7.2", "7.5", "7.8", "8.0", "8.3", "8.6", "8.8", "9.1", "9.4", "9.6", "9.9", "10.2", "10.4",
    "10.7", "11.0", "11.2", "11.5", "11.8", "12.1", "12.3", "12.6", "12.9", "13.1", "13.4", "13.7",
    "14.0", "14.2", "14.5", "14.8", "15.1", "15.4", "15.6", "15.9", "16.2", "16.5", "16.8", "17.1",
    "17.3", "17.6", "17.9", "18.2", "18.5", "18.8", "19.1", "19.4", "19.7", "20.0", "20.2", "20.5",
    "20.8", "21.1", "21.4", "21.7", "22.0", "22.4", "22.7", "23.0", "23.3", "23.6", "23.9", "24.2",
    "24.5", "24.9", "25.2", "25.5", "25.8", "26.1", "26.5", "26.8", "27.1", "27.5", "27.8", "28.1",
    "28.5", "28.8", "29.2", "29.5", "29.9", "30.2",
};

constexpr const char* variationTypes[] = {
    "No effect", "Chorus", "Celeste", "Flanger", "Symphonic", "Phaser1", "Phaser2", "Ens Detune",
    "Rotary SP", "Tremolo", "Auto Pan", "Auto Wah", "Touch Wah", "3-Band EQ", "HM Enhncer",
    "Noise Gate", "Compressor", "Distortion", "Overdrive", "Amp Sim", "Delay LCR", "Delay L,R",
    "Echo", "CrossDelay", "Karaoke", "Hall", "Room", "Stage", "Plate",
};

constexpr const char* halfText[] = {"0.5"};
constexpr const char* offText[] = {wxTRANSLATE("OFF")};
constexpr const char* pfmText[] = {wxTRANSLATE("PFM")};
constexpr const char* allText[] = {wxTRANSLATE("All")};

constexpr const char* emptyFseqSlot = "********";
constexpr const char* internalFseqNames[] = {
    emptyFseqSlot, emptyFseqSlot, emptyFseqSlot, emptyFseqSlot, emptyFseqSlot, emptyFseqSlot,
};

template <std::size_t n>
constexpr LabelSegment texts(const char* const (&list)[n])
{
    return {.kind = LabelSegment::Kind::texts, .texts = list};
}

constexpr LabelSegment series(int first, int step, int count, int decimals)
{
    return {.kind = LabelSegment::Kind::series, .texts = {}, .first = first, .step = step,
        .count = count, .decimals = decimals};
}

constexpr LabelSegment noteNames(int count)
{
    return {.kind = LabelSegment::Kind::noteNames, .texts = {}, .count = count};
}

constexpr LabelSegment sampleRates(int count)
{
    return {.kind = LabelSegment::Kind::sampleRates, .texts = {}, .count = count};
}

constexpr int midiChannels = 16;
constexpr int valueRange = 128;

using enum LabelTranslation;

// Indexed by table number; the comment says what shows the table.
constexpr LabelTableRule tables[fs1rLabelTableCount] = {
    {none, {texts(bankLetters)}}, // 0 patch banks
    {all, {texts(categories)}}, // 1 performance and voice categories
    {all, {noteNames(valueRange)}}, // 2 note numbers
    {none, {texts(halfText), series(1, 1, 31, 0)}}, // 3 operator pages
    {wordsOnly, {texts(offText), series(1, 1, midiChannels, 0), texts(pfmText)}}, // 4 part channels
    {wordsOnly, {texts(offText), series(1, 1, midiChannels, 0), texts(allText)}}, // 5 system
    {none, {texts(presetFseqNames)}}, // 6 preset formant sequences
    {none, {texts(internalFseqNames)}}, // 7 internal formant sequences
    {wordsOnly, {texts(eqFrequencies)}}, // 8 EQ and effect frequencies
    {none, {texts(insertionTypes)}}, // 9 insertion effect types
    {none, {texts(effectValues10)}}, // 10 effect parameters
    {none, {series(0, 1, 101, 1), texts(effectValues11Tail)}}, // 11 effect parameters
    {all, {texts(monoStereo)}}, // 12 effect parameters
    {all, {texts(panDirections)}}, // 13 effect parameters
    {none, {texts(effectValues14)}}, // 14 effect parameters
    {none, {texts(effectValues15)}}, // 15 effect parameters
    {none, {texts(effectValues16)}}, // 16 effect parameters
    {all, {texts(channelSides)}}, // 17 effect parameters
    {all, {texts(reflectionTypes)}}, // 18 insertion effect parameters
    {all, {texts(typeAB)}}, // 19 insertion effect parameters
    {none, {sampleRates(valueRange)}}, // 20 Lo-Fi sampling rate
    {all, {texts(lofiFilterTypes)}}, // 21 Lo-Fi filter
    {all, {texts(ampTypes)}}, // 22 Amp Sim
    {none, {texts(reverbTypes)}}, // 23 reverb effect types
    // 24 effect times: 0.3 to 5.0, 5.5 to 10.0, 11.0 to 20.0, 25.0 and 30.0
    {none,
        {series(3, 1, 48, 1), series(55, 5, 10, 1), series(110, 10, 10, 1), series(250, 50, 2, 1)}},
    {none, {texts(effectValues25)}}, // 25 reverb effect parameters
    {none, {texts(variationTypes)}}, // 26 variation effect types
};

} // namespace

const LabelTableRule& fs1rLabelTable(std::int32_t id)
{
    static constexpr LabelTableRule noTable;
    return id >= 0 && id < fs1rLabelTableCount ? tables[id] : noTable;
}
