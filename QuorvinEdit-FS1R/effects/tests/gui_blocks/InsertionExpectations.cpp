#include "InsertionExpectations.h"

namespace {

constexpr auto s = EffectControlKind::slider;
constexpr auto b = EffectControlKind::valueButton;
constexpr auto c = EffectControlKind::choice;
constexpr std::int32_t own = pageParameter;

constexpr ExpectedRange definitionRanges[] = {
    {1, 127}, {0, 127}, {0, 127}, {1, 127}, {0, 127}, {4, 40}, {52, 76}, {14, 54}, {52, 76}, {10, 120}, {28, 58},
    {52, 76}, {0, 1}, {4, 124}, {0, 127}, {0, 127}, {1, 127}, {4, 12}, {0, 1}, {3, 6}, {4, 124}, {0, 127}, {0, 127},
    {0, 5}, {0, 127}, {10, 120}, {0, 127}, {0, 127}, {10, 120}, {52, 67}, {0, 127}, {0, 127}, {10, 120}, {52, 67},
    {0, 19}, {0, 15}, {55, 97}, {0, 127}, {79, 121}, {0, 7}, {0, 127}, {0, 19}, {0, 15}, {79, 121}, {0, 7}, {0, 19},
    {0, 15}, {79, 121}, {0, 7}, {0, 127}, {52, 76}, {52, 76}, {34, 60}, {0, 127}, {0, 127}, {52, 76}, {52, 76},
    {0, 127}, {4, 40}, {52, 76}, {14, 54}, {52, 76}, {10, 120}, {34, 60}, {0, 127}, {0, 127}, {52, 76}, {52, 76},
    {0, 127}, {0, 127}, {0, 127}, {1, 13650}, {1, 13650}, {1, 13650}, {1, 13650}, {1, 127}, {0, 127}, {1, 10},
    {1, 10}, {4, 40}, {52, 76}, {28, 58}, {52, 76}, {1, 6820}, {1, 6820}, {1, 6820}, {1, 127}, {0, 0}, {1, 10},
    {1, 6820}, {1, 6820}, {0, 127}, {0, 2}, {0, 5}, {0, 1}, {0, 127}, {0, 10}, {0, 127}, {0, 52}, {34, 60}, {0, 10},
    {0, 3}, {1, 10}
};

constexpr const char* typeNames[] = {
    "No effect", "Chorus", "Celeste", "Flanger", "Symphonic", "Phaser1", "Phaser2", "Pitch Chng", "Ens Detune",
    "Rotary SP", "2WayRotary", "Tremolo", "Auto Pan", "Ambience", "A-Wah+Dist", "A-Wah+Odrv", "T-Wah+Dist",
    "T-Wah+Odrv", "Wah+DS+Dly", "Wah+OD+Dly", "Lo-Fi", "3-Band EQ", "HM Enhncer", "Noise Gate", "Compressor",
    "Comp+Dist", "Cmp+DS+Dly", "Cmp+OD+Dly", "Distortion", "Dist+Delay", "Overdrive", "Odrv+Delay", "Amp Sim",
    "Delay LCR", "Delay L,R", "Echo", "CrossDelay", "ER1", "ER2", "Gate Rev", "Revrs Gate"
};

} // namespace

const std::vector<ExpectedInsertionPage>& expectedInsertionPages()
{
    static const std::vector<ExpectedInsertionPage> pages{
        {1,
            {
                {"LFO freq", s, 1}, {"LFO depth", s, 2}, {"FB level", s, 3}, {"Delay offset", s, 4},
                {"EQ low frq", s, 5}, {"EQ low", s, 6}, {"EQ mid frq", s, 7}, {"EQ mid", s, 8}, {"EQ mid Q", s, 9},
                {"EQ hi frq", s, 10}, {"EQ hi", s, 11}, {"Mode", b, 12}, {"Wet mix", s, 0}
            },
            {1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
        {2,
            {
                {"LFO freq", s, 1}, {"LFO depth", s, 2}, {"FB level", s, 3}, {"Delay offset", s, 4},
                {"EQ low frq", s, 5}, {"EQ low", s, 6}, {"EQ mid frq", s, 7}, {"EQ mid", s, 8}, {"EQ mid Q", s, 9},
                {"EQ hi frq", s, 10}, {"EQ hi", s, 11}, {"Mode", b, 12}, {"Wet mix", s, 0}
            },
            {1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
        {3,
            {
                {"LFO freq", s, 1}, {"LFO depth", s, 2}, {"FB level", s, 3}, {"Delay offset", s, 4},
                {"EQ low frq", s, 5}, {"EQ low", s, 6}, {"EQ mid frq", s, 7}, {"EQ mid", s, 8}, {"EQ mid Q", s, 9},
                {"EQ hi frq", s, 10}, {"EQ hi", s, 11}, {"LFO phase", s, 13}, {"Wet mix", s, 0}
            },
            {1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 13}},
        {4,
            {
                {"LFO freq", s, 1}, {"LFO depth", s, 2}, {"Delay offset", s, 14}, {"EQ low frq", s, 5}, {"EQ low", s, 6},
                {"EQ mid frq", s, 7}, {"EQ mid", s, 8}, {"EQ mid Q", s, 9}, {"EQ hi frq", s, 10}, {"EQ hi", s, 11},
                {"Wet mix", s, 0}
            },
            {1, 2, 4, 5, 6, 7, 8, 9, 10, 11}},
        {5,
            {
                {"LFO freq", s, 1}, {"LFO depth", s, 2}, {"Phase shift", s, 15}, {"FB level", s, 16}, {"Stages", s, 17},
                {"Diffuse", b, 18}, {"EQ low frq", s, 5}, {"EQ low", s, 6}, {"EQ hi frq", s, 10}, {"EQ hi", s, 11},
                {"Wet mix", s, 0}
            },
            {1, 2, 4, 5, 7, 8, 9, 10, 11}},
        {6,
            {
                {"LFO freq", s, 1}, {"LFO depth", s, 2}, {"Phase shift", s, 15}, {"FB level", s, 16}, {"Stages", s, 19},
                {"LFO phase", s, 20}, {"EQ low frq", s, 5}, {"EQ low", s, 6}, {"EQ hi frq", s, 10}, {"EQ hi", s, 11},
                {"Wet mix", s, 0}
            },
            {1, 2, 4, 5, 7, 8, 9, 10, 11}},
        {7,
            {
                {"Pitch", s, own, {40, 88}}, {"InitDelay", s, own, {0, 127}}, {"Fine1", s, own, {14, 114}},
                {"Fine2", s, own, {14, 114}}, {"FB level", s, own, {1, 127}}, {"Pan1", s, own, {1, 127}},
                {"Out level1", s, own, {0, 127}}, {"Pan2", s, own, {1, 127}}, {"Out level2", s, own, {0, 127}},
                {"Wet mix", s, 0}
            },
            {5, 6, 7, 8, 9, 10}},
        {8,
            {
                {"Detune", s, own, {14, 114}}, {"InitDelayL", s, own, {0, 127}}, {"InitDelayR", s, own, {0, 127}},
                {"EQ low frq", s, own, {4, 40}}, {"EQ low", s, own, {52, 76}}, {"EQ hi frq", s, own, {28, 58}},
                {"EQ hi", s, own, {52, 76}}, {"Wet mix", s, 0}
            },
            {4, 5, 6, 7, 8}},
        {9,
            {
                {"LFO freq", s, 1}, {"LFO depth", s, 2}, {"EQ low frq", s, 5}, {"EQ low", s, 6}, {"EQ mid frq", s, 7},
                {"EQ mid", s, 8}, {"EQ mid Q", s, 9}, {"EQ hi frq", s, 10}, {"EQ hi", s, 11}, {"Wet mix", s, 0}
            },
            {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {10,
            {
                {"Rotor Spd", s, 1}, {"Drive Low", s, own, {0, 127}}, {"Drive High", s, own, {0, 127}},
                {"Low/High", s, own, {1, 127}}, {"Mic angle", s, own, {0, 60}}, {"Cross freq", s, 7}, {"EQ low frq", s, 5},
                {"EQ low", s, 6}, {"EQ hi frq", s, 10}, {"EQ hi", s, 11}
            },
            {1, 2, 3, 4, 7, 8, 9, 10}},
        {11,
            {
                {"LFO freq", s, 1}, {"AM depth", s, 21}, {"PM depth", s, 22}, {"LFO phase", s, 13}, {"EQ low frq", s, 5},
                {"EQ low", s, 6}, {"EQ mid frq", s, 7}, {"EQ mid", s, 8}, {"EQ mid Q", s, 9}, {"EQ hi frq", s, 10},
                {"EQ hi", s, 11}, {"Mode", b, 12}
            },
            {1, 2, 3, 5, 6, 7, 8, 9, 10, 11}},
        {12,
            {
                {"LFO freq", s, 1}, {"L/R depth", s, 21}, {"F/R depth", s, 22}, {"Pan dir", c, 23}, {"EQ low frq", s, 5},
                {"EQ low", s, 6}, {"EQ mid frq", s, 7}, {"EQ mid", s, 8}, {"EQ mid Q", s, 9}, {"EQ hi frq", s, 10},
                {"EQ hi", s, 11}
            },
            {1, 2, 3, 5, 6, 7, 8, 9, 10, 11}},
        {13,
            {
                {"Delay time", s, own, {0, 127}}, {"Phase", b, own, {0, 1}}, {"EQ low frq", s, 5}, {"EQ low", s, 6},
                {"EQ hi frq", s, 10}, {"EQ hi", s, 11}, {"Wet mix", s, 0}
            },
            {2, 3, 4, 5, 6, 7}},
        {14,
            {
                {"LFO freq", s, 1}, {"LFO depth", s, 2}, {"Cutoff freq", s, 24}, {"Resonance", s, 25},
                {"EQ low frq", s, 5}, {"EQ low", s, 6}, {"EQ hi frq", s, 10}, {"EQ hi", s, 11}, {"Drive", s, 49},
                {"DS low gain", s, 50}, {"DS mid gain", s, 51}, {"LPFCutoff", s, 52}, {"OutputLevel", s, 53},
                {"Wet mix", s, 0}
            },
            {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}},
        {15,
            {
                {"LFO freq", s, 1}, {"LFO depth", s, 2}, {"Cutoff freq", s, 24}, {"Resonance", s, 25},
                {"EQ low frq", s, 5}, {"EQ low", s, 6}, {"EQ hi frq", s, 10}, {"EQ hi", s, 11}, {"Drive", s, 49},
                {"DS low gain", s, 50}, {"DS mid gain", s, 51}, {"LPFCutoff", s, 52}, {"OutputLevel", s, 53},
                {"Wet mix", s, 0}
            },
            {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}},
        {16,
            {
                {"Sensitivity", s, 26}, {"Cutoff freq", s, 27}, {"Resonance", s, 28}, {"Release", s, 29},
                {"EQ low frq", s, 5}, {"EQ low", s, 6}, {"EQ hi frq", s, 10}, {"EQ hi", s, 11}, {"Drive", s, 49},
                {"DS low gain", s, 50}, {"DS mid gain", s, 51}, {"LPFCutoff", s, 52}, {"OutputLevel", s, 53},
                {"Wet mix", s, 0}
            },
            {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}},
        {17,
            {
                {"Sensitivity", s, 26}, {"Cutoff freq", s, 27}, {"Resonance", s, 28}, {"Release", s, 29},
                {"EQ low frq", s, 5}, {"EQ low", s, 6}, {"EQ hi frq", s, 10}, {"EQ hi", s, 11}, {"Drive", s, 49},
                {"DS low gain", s, 50}, {"DS mid gain", s, 51}, {"LPFCutoff", s, 52}, {"OutputLevel", s, 53},
                {"Wet mix", s, 0}
            },
            {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}},
        {18,
            {
                {"Sensitivity", s, 30}, {"Cutoff freq", s, 31}, {"Resonance", s, 32}, {"Release", s, 33},
                {"Drive", s, 54}, {"OutputLevel", s, 40}, {"DS low gain", s, 55}, {"DS mid gain", s, 56},
                {"Delay", s, 71}, {"FB level", s, 86}, {"Delay mix", s, 68}, {"Wet mix", s, 0}
            },
            {1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12}},
        {19,
            {
                {"Sensitivity", s, 30}, {"Cutoff freq", s, 31}, {"Resonance", s, 32}, {"Release", s, 33},
                {"Drive", s, 54}, {"OutputLevel", s, 40}, {"DS low gain", s, 55}, {"DS mid gain", s, 56},
                {"Delay", s, 71}, {"FB level", s, 86}, {"Delay mix", s, 68}, {"Wet mix", s, 0}
            },
            {1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12}},
        {20,
            {
                {"Smpl freq", s, own, {0, 127}}, {"Word length", s, own, {1, 127}}, {"Output gain", s, own, {0, 42}},
                {"LPFCutoff", s, own, {10, 60}}, {"LPF reso", s, own, {10, 120}}, {"Filter", c, own, {0, 5}},
                {"Bit assign", s, own, {0, 6}}, {"Emphasis", b, own, {0, 1}}, {"Wet mix", s, 0}
            },
            {1, 2, 3, 4, 5, 9}},
        {21,
            {
                {"Low freq", s, own, {8, 40}}, {"Low gain", s, own, {52, 76}}, {"Mid freq", s, own, {14, 54}},
                {"Mid gain", s, own, {52, 76}}, {"Mid Q", s, own, {10, 120}}, {"High freq", s, own, {28, 58}},
                {"High gain", s, own, {52, 76}}, {"Mode", b, own, {0, 1}}
            },
            {1, 2, 3, 4, 5, 6, 7}},
        {22,
            {
                {"HPFCutoff", s, own, {28, 58}}, {"Drive", s, own, {0, 127}}, {"Mix level", s, own, {0, 127}}
            },
            {1, 2, 3}},
        {23,
            {
                {"Attack", s, 34}, {"Release", s, 35}, {"Threshold", s, 36}, {"OutputLevel", s, 37}
            },
            {1, 2, 3, 4}},
        {24,
            {
                {"Attack", s, 34}, {"Release", s, 35}, {"Threshold", s, 38}, {"Ratio", s, 39}, {"OutputLevel", s, 40}
            },
            {1, 2, 3, 4, 5}},
        {25,
            {
                {"Attack", s, 41}, {"Release", s, 42}, {"Threshold", s, 43}, {"Ratio", s, 44}, {"Drive", s, 57},
                {"EQ low frq", s, 58}, {"EQ low", s, 59}, {"EQ mid frq", s, 60}, {"EQ mid", s, 61}, {"EQ mid Q", s, 62},
                {"LPFCutoff", s, 63}, {"Edge", s, 64}, {"OutputLevel", s, 40}
            },
            {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}},
        {26,
            {
                {"Attack", s, 45}, {"Release", s, 46}, {"Threshold", s, 47}, {"Ratio", s, 48}, {"Drive", s, 54},
                {"OutputLevel", s, 40}, {"DS low gain", s, 55}, {"DS mid gain", s, 56}, {"Delay", s, 71},
                {"FB level", s, 86}, {"Delay mix", s, 68}, {"Wet mix", s, 0}
            },
            {1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12}},
        {27,
            {
                {"Attack", s, 45}, {"Release", s, 46}, {"Threshold", s, 47}, {"Ratio", s, 48}, {"Drive", s, 54},
                {"OutputLevel", s, 40}, {"DS low gain", s, 55}, {"DS mid gain", s, 56}, {"Delay", s, 71},
                {"FB level", s, 86}, {"Delay mix", s, 68}, {"Wet mix", s, 0}
            },
            {1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12}},
        {28,
            {
                {"Drive", s, 57}, {"EQ low frq", s, 58}, {"EQ low", s, 59}, {"EQ mid frq", s, 60}, {"EQ mid", s, 61},
                {"EQ mid Q", s, 62}, {"LPFCutoff", s, 63}, {"Edge", s, 64}, {"OutputLevel", s, 40}, {"Wet mix", s, 0}
            },
            {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {29,
            {
                {"Drive", s, 65}, {"DS low gain", s, 66}, {"DS mid gain", s, 67}, {"L delay", s, 71}, {"R delay", s, 72},
                {"FB delay", s, 73}, {"FB level", s, 16}, {"Delay mix", s, 69}, {"OutputLevel", s, 70}, {"Wet mix", s, 0}
            },
            {1, 2, 3, 7, 8, 9, 10}},
        {30,
            {
                {"Drive", s, 57}, {"EQ low frq", s, 58}, {"EQ low", s, 59}, {"EQ mid frq", s, 60}, {"EQ mid", s, 61},
                {"EQ mid Q", s, 62}, {"LPFCutoff", s, 63}, {"Edge", s, 64}, {"OutputLevel", s, 40}, {"Wet mix", s, 0}
            },
            {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {31,
            {
                {"Drive", s, 65}, {"DS low gain", s, 66}, {"DS mid gain", s, 67}, {"L delay", s, 71}, {"R delay", s, 72},
                {"FB delay", s, 73}, {"FB level", s, 16}, {"Delay mix", s, 69}, {"OutputLevel", s, 70}, {"Wet mix", s, 0}
            },
            {1, 2, 3, 7, 8, 9, 10}},
        {32,
            {
                {"Drive", s, 57}, {"Amp type", c, own, {0, 3}}, {"LPFCutoff", s, own, {34, 60}}, {"Edge", s, 64},
                {"OutputLevel", s, own, {0, 127}}, {"Wet mix", s, 0}
            },
            {1, 3, 4, 5, 6}},
        {33,
            {
                {"L delay", s, 71}, {"R delay", s, 72}, {"C delay", s, 73}, {"FB delay", s, 74}, {"FB level", s, 75},
                {"C Level", s, 76}, {"High damp", s, 78}, {"EQ low frq", s, 79}, {"EQ low", s, 80}, {"EQ hi frq", s, 81},
                {"EQ hi", s, 82}, {"Wet mix", s, 0}
            },
            {5, 6, 8, 9, 10, 11, 12}},
        {34,
            {
                {"L delay", s, 71}, {"R delay", s, 72}, {"FB delay 1", s, 73}, {"FB delay 2", s, 74},
                {"FB level", s, 75}, {"High damp", s, 77}, {"EQ low frq", s, 79}, {"EQ low", s, 80},
                {"EQ hi frq", s, 81}, {"EQ hi", s, 82}, {"Wet mix", s, 0}
            },
            {5, 7, 8, 9, 10, 11}},
        {35,
            {
                {"L delay 1", s, 83}, {"L FB level", s, 86}, {"R delay 1", s, 85}, {"R FB level", s, 16},
                {"High damp", s, 88}, {"L delay 2", s, 89}, {"R delay 2", s, 90}, {"Delay 2 level", s, 91},
                {"EQ low frq", s, 79}, {"EQ low", s, 80}, {"EQ hi frq", s, 81}, {"EQ hi", s, 82}, {"Wet mix", s, 0}
            },
            {2, 4, 8, 9, 10, 11, 12, 13}},
        {36,
            {
                {"L to R delay", s, 83}, {"R to L delay", s, 84}, {"FB level", s, 3}, {"Input select", c, 92},
                {"High damp", s, 88}, {"EQ low frq", s, 79}, {"EQ low", s, 80}, {"EQ hi frq", s, 81}, {"EQ hi", s, 82},
                {"Wet mix", s, 0}
            },
            {3, 6, 7, 8, 9, 10}},
        {37,
            {
                {"Early type", c, 93}, {"Room size", s, 95}, {"Diffusion", s, 96}, {"InitDelay", s, 97},
                {"FB level", s, 75}, {"HPF cutoff", s, 98}, {"LPF cutoff", s, 99}, {"Liveness", s, 100},
                {"Density", s, 101}, {"High damp", s, 102}, {"Wet mix", s, 0}
            },
            {5, 6, 7, 11}},
        {38,
            {
                {"Early type", c, 93}, {"Room size", s, 95}, {"Diffusion", s, 96}, {"InitDelay", s, 97},
                {"FB level", s, 75}, {"HPF cutoff", s, 98}, {"LPF cutoff", s, 99}, {"Liveness", s, 100},
                {"Density", s, 101}, {"High damp", s, 102}, {"Wet mix", s, 0}
            },
            {5, 6, 7, 11}},
        {39,
            {
                {"Gate type", c, 94}, {"Room size", s, 95}, {"Diffusion", s, 96}, {"InitDelay", s, 97},
                {"FB level", s, 75}, {"HPF cutoff", s, 98}, {"LPF cutoff", s, 99}, {"Liveness", s, 100},
                {"Density", s, 101}, {"High damp", s, 102}, {"Wet mix", s, 0}
            },
            {5, 6, 7, 11}},
        {40,
            {
                {"Gate type", c, 94}, {"Room size", s, 95}, {"Diffusion", s, 96}, {"InitDelay", s, 97},
                {"FB level", s, 75}, {"HPF cutoff", s, 98}, {"LPF cutoff", s, 99}, {"Liveness", s, 100},
                {"Density", s, 101}, {"High damp", s, 102}, {"Wet mix", s, 0}
            },
            {5, 6, 7, 11}},
    };
    return pages;
}

std::span<const ExpectedRange> expectedDefinitionRanges() { return definitionRanges; }

std::span<const char* const> expectedInsertionTypeNames() { return typeNames; }
