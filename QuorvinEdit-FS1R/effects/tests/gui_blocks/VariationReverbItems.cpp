#include "VariationReverbItems.h"

namespace {

constexpr auto s = EffectControlKind::slider;
constexpr auto b = EffectControlKind::valueButton;
constexpr auto c = EffectControlKind::choice;
constexpr std::int32_t own = pageParameter;

constexpr ExpectedDefinition variationDefinitions[] = {
    {0x100068, {0, 127}}, {0x10006a, {0, 127}}, {0x10006c, {1, 127}}, {0x10006e, {0, 127}}, {0x100072, {4, 40}},
    {0x100074, {52, 76}}, {0x100076, {28, 58}}, {0x100078, {52, 76}}, {0x100104, {0, 1}}, {0x100102, {4, 124}},
    {0x10006c, {0, 127}}, {0x10006c, {0, 127}}, {0x10006e, {1, 127}}, {0x10007c, {4, 10}}, {0x10007e, {0, 1}},
    {0x10007c, {3, 5}}, {0x100100, {4, 124}}, {0x10006a, {0, 127}}, {0x10006c, {0, 127}}, {0x10006e, {0, 5}},
    {0x10006c, {0, 127}}, {0x10006e, {10, 120}}, {0x100068, {0, 127}}, {0x10006a, {0, 127}}, {0x10006c, {10, 120}},
    {0x100068, {0, 19}}, {0x10006a, {0, 15}}, {0x10006c, {55, 97}}, {0x10006e, {0, 127}}, {0x10006c, {79, 121}},
    {0x10006e, {0, 7}}, {0x100070, {0, 127}}, {0x100068, {0, 127}}, {0x10006a, {4, 40}}, {0x10006c, {52, 76}},
    {0x100074, {14, 54}}, {0x100076, {52, 76}}, {0x100078, {10, 120}}, {0x10006e, {34, 60}}, {0x10007c, {0, 127}},
    {0x100068, {1, 13650}}, {0x10006a, {1, 13650}}, {0x10006c, {1, 13650}}, {0x10006e, {1, 13650}},
    {0x100070, {1, 127}}, {0x100072, {0, 127}}, {0x100072, {1, 10}}, {0x100074, {1, 10}}, {0x100100, {4, 40}},
    {0x100102, {52, 76}}, {0x100104, {28, 58}}, {0x100106, {52, 76}}, {0x100068, {1, 6820}}, {0x10006a, {1, 6820}},
    {0x10006c, {1, 6820}}, {0x10006a, {1, 127}}, {0x10006e, {1, 127}}, {0x100070, {1, 10}}, {0x100072, {1, 6820}},
    {0x100074, {1, 6820}}, {0x100076, {0, 127}}, {0x10006e, {0, 2}}, {0x100068, {0, 69}}, {0x10006a, {0, 10}},
    {0x10006c, {0, 127}}, {0x10006e, {0, 52}}, {0x100070, {34, 60}}, {0x10007e, {0, 4}}, {0x100100, {1, 127}},
    {0x100102, {1, 10}}, {0x100104, {1, 127}}
};

constexpr ExpectedDefinition reverbDefinitions[] = {
    {0x100050, {0, 69}}, {0x100052, {0, 10}}, {0x100054, {0, 127}}, {0x100056, {0, 52}}, {0x100058, {34, 60}},
    {0x10005a, {0, 37}}, {0x10005c, {0, 73}}, {0x10005e, {0, 104}}, {0x100060, {0, 30}}, {0x100062, {0, 63}},
    {0x100063, {0, 4}}, {0x100064, {1, 127}}, {0x100065, {1, 10}}, {0x100066, {1, 127}}, {0x100050, {1, 13650}},
    {0x100052, {1, 13650}}, {0x100054, {1, 13650}}, {0x100056, {1, 13650}}, {0x100058, {1, 127}},
    {0x10005a, {0, 127}}, {0x10005c, {1, 10}}, {0x10005a, {1, 10}}, {0x100064, {4, 40}}, {0x100065, {52, 76}},
    {0x100066, {28, 58}}, {0x100067, {52, 76}}, {0x100050, {1, 6820}}, {0x100052, {1, 127}}, {0x100054, {1, 6820}},
    {0x100056, {1, 127}}, {0x100058, {1, 10}}, {0x10005a, {1, 6820}}, {0x10005c, {1, 6820}}, {0x10005e, {0, 127}},
    {0x100052, {1, 6820}}, {0x100054, {1, 127}}, {0x100056, {0, 2}}
};

} // namespace

const std::vector<ExpectedEffectPage>& expectedVariationPages()
{
    static const std::vector<ExpectedEffectPage> pages{
        {1,
            {
                {"LFO freq", s, 0}, {"LFO depth", s, 1}, {"FB level", s, 2}, {"Delay offset", s, 3},
                {"EQ low frq", s, 4}, {"EQ low", s, 5}, {"EQ hi frq", s, 6}, {"EQ hi", s, 7}, {"Mode", b, 8}
            }}, // Chorus,
        {2,
            {
                {"LFO freq", s, 0}, {"LFO depth", s, 1}, {"FB level", s, 2}, {"Delay offset", s, 3},
                {"EQ low frq", s, 4}, {"EQ low", s, 5}, {"EQ hi frq", s, 6}, {"EQ hi", s, 7}, {"Mode", b, 8}
            }}, // Celeste,
        {3,
            {
                {"LFO freq", s, 0}, {"LFO depth", s, 1}, {"FB level", s, 2}, {"Delay offset", s, 3},
                {"EQ low frq", s, 4}, {"EQ low", s, 5}, {"EQ hi frq", s, 6}, {"EQ hi", s, 7}, {"LFO phase", s, 9}
            }}, // Flanger,
        {4,
            {
                {"LFO freq", s, 0}, {"LFO depth", s, 1}, {"Delay offset", s, 10}, {"EQ low frq", s, 4},
                {"EQ low", s, 5}, {"EQ hi frq", s, 6}, {"EQ hi", s, 7}
            }}, // Symphonic,
        {5,
            {
                {"LFO freq", s, 0}, {"LFO depth", s, 1}, {"Phase shift", s, 11}, {"FB level", s, 12},
                {"Stages", s, 13}, {"Diffuse", b, 14}, {"EQ low frq", s, 4}, {"EQ low", s, 5}, {"EQ hi frq", s, 6},
                {"EQ hi", s, 7}
            }}, // Phaser1,
        {6,
            {
                {"LFO freq", s, 0}, {"LFO depth", s, 1}, {"Phase shift", s, 11}, {"FB level", s, 12},
                {"Stages", s, 15}, {"LFO phase", s, 16}, {"EQ low frq", s, 4}, {"EQ low", s, 5}, {"EQ hi frq", s, 6},
                {"EQ hi", s, 7}
            }}, // Phaser2,
        {7,
            {
                {"Detune", s, own, {14, 114}, 0x100068}, {"InitDelayL", s, own, {0, 127}, 0x10006a},
                {"InitDelayR", s, own, {0, 127}, 0x10006c}, {"EQ low frq", s, own, {4, 40}, 0x10007c},
                {"EQ low", s, own, {52, 76}, 0x10007e}, {"EQ hi frq", s, own, {28, 58}, 0x100100},
                {"EQ hi", s, own, {52, 76}, 0x100102}
            }}, // Ens Detune,
        {8,
            {
                {"LFO freq", s, 0}, {"LFO depth", s, 1}, {"EQ low frq", s, 4}, {"EQ low", s, 5}, {"EQ hi frq", s, 6},
                {"EQ hi", s, 7}
            }}, // Rotary SP,
        {9,
            {
                {"LFO freq", s, 0}, {"AM depth", s, 17}, {"PM depth", s, 18}, {"LFO phase", s, 9},
                {"EQ low frq", s, 4}, {"EQ low", s, 5}, {"EQ hi frq", s, 6}, {"EQ hi", s, 7}, {"Mode", b, 8}
            }}, // Tremolo,
        {10,
            {
                {"LFO freq", s, 0}, {"L/R depth", s, 17}, {"F/R depth", s, 18}, {"Pan dir", c, 19},
                {"EQ low frq", s, 4}, {"EQ low", s, 5}, {"EQ hi frq", s, 6}, {"EQ hi", s, 7}
            }}, // Auto Pan,
        {11,
            {
                {"LFO freq", s, 0}, {"LFO depth", s, 1}, {"Cutoff freq", s, 20}, {"Resonance", s, 21},
                {"EQ low frq", s, 4}, {"EQ low", s, 5}, {"EQ hi frq", s, 6}, {"EQ hi", s, 7}
            }}, // Auto Wah,
        {12,
            {
                {"Sensitivity", s, 22}, {"Cutoff freq", s, 23}, {"Resonance", s, 24}, {"EQ low frq", s, 4},
                {"EQ low", s, 5}, {"EQ hi frq", s, 6}, {"EQ hi", s, 7}
            }}, // Touch Wah,
        {13,
            {
                {"Low freq", s, own, {8, 40}, 0x100072}, {"Low gain", s, own, {52, 76}, 0x100068},
                {"Mid freq", s, own, {14, 54}, 0x10006a}, {"Mid gain", s, own, {52, 76}, 0x10006c},
                {"Mid Q", s, own, {10, 120}, 0x10006e}, {"High freq", s, own, {28, 58}, 0x100074},
                {"High gain", s, own, {52, 76}, 0x100070}, {"Mode", b, own, {0, 1}, 0x100104}
            }}, // 3-Band EQ,
        {14,
            {
                {"HPFCutoff", s, own, {28, 58}, 0x100068}, {"Drive", s, own, {0, 127}, 0x10006a},
                {"Mix level", s, own, {0, 127}, 0x10006c}
            }}, // HM Enhncer,
        {15,
            {
                {"Attack", s, 25}, {"Release", s, 26}, {"Threshold", s, 27}, {"OutputLevel", s, 28}
            }}, // Noise Gate,
        {16,
            {
                {"Attack", s, 25}, {"Release", s, 26}, {"Threshold", s, 29}, {"Ratio", s, 30}, {"OutputLevel", s, 31}
            }}, // Compressor,
        {17,
            {
                {"Drive", s, 32}, {"EQ low frq", s, 33}, {"EQ low", s, 34}, {"EQ mid frq", s, 35}, {"EQ mid", s, 36},
                {"EQ mid Q", s, 37}, {"LPFCutoff", s, 38}, {"Edge", s, 39}, {"OutputLevel", s, 31}
            }}, // Distortion,
        {18,
            {
                {"Drive", s, 32}, {"EQ low frq", s, 33}, {"EQ low", s, 34}, {"EQ mid frq", s, 35}, {"EQ mid", s, 36},
                {"EQ mid Q", s, 37}, {"LPFCutoff", s, 38}, {"Edge", s, 39}, {"OutputLevel", s, 31}
            }}, // Overdrive,
        {19,
            {
                {"Drive", s, 32}, {"Amp type", c, own, {0, 3}, 0x10006a}, {"LPFCutoff", s, own, {34, 60}, 0x10006c},
                {"Edge", s, 39}, {"OutputLevel", s, own, {0, 127}, 0x10006e}
            }}, // Amp Sim,
        {20,
            {
                {"L delay", s, 40}, {"R delay", s, 41}, {"C delay", s, 42}, {"FB delay", s, 43}, {"FB level", s, 44},
                {"C Level", s, 45}, {"High damp", s, 47}, {"EQ low frq", s, 48}, {"EQ low", s, 49},
                {"EQ hi frq", s, 50}, {"EQ hi", s, 51}
            }}, // Delay LCR,
        {21,
            {
                {"L delay", s, 40}, {"R delay", s, 41}, {"FB delay 1", s, 42}, {"FB delay 2", s, 43},
                {"FB level", s, 44}, {"High damp", s, 46}, {"EQ low frq", s, 48}, {"EQ low", s, 49},
                {"EQ hi frq", s, 50}, {"EQ hi", s, 51}
            }}, // Delay L,R,
        {22,
            {
                {"L delay 1", s, 52}, {"L FB level", s, 55}, {"R delay 1", s, 54}, {"R FB level", s, 56},
                {"High damp", s, 57}, {"L delay 2", s, 58}, {"R delay 2", s, 59}, {"Delay 2 level", s, 60},
                {"EQ low frq", s, 48}, {"EQ low", s, 49}, {"EQ hi frq", s, 50}, {"EQ hi", s, 51}
            }}, // Echo,
        {23,
            {
                {"L to R delay", s, 52}, {"R to L delay", s, 53}, {"FB level", s, 2}, {"Input select", c, 61},
                {"High damp", s, 57}, {"EQ low frq", s, 48}, {"EQ low", s, 49}, {"EQ hi frq", s, 50}, {"EQ hi", s, 51}
            }}, // CrossDelay,
        {24,
            {
                {"DelayTime", s, own, {0, 127}, 0x100068}, {"FB level", s, own, {1, 127}, 0x10006a},
                {"HPF cutoff", s, own, {0, 52}, 0x10006c}, {"LPF cutoff", s, own, {34, 60}, 0x10006e}
            }}, // Karaoke,
        {25,
            {
                {"Rev Time", s, 62}, {"Diffusion", s, 63}, {"Init Delay", s, 64}, {"HPF", s, 65}, {"LPF", s, 66},
                {"Density", s, 67}, {"ER / Rev", s, 68}, {"High damp", s, 69}, {"FB level", s, 70}
            }}, // Hall,
        {26,
            {
                {"Rev Time", s, 62}, {"Diffusion", s, 63}, {"Init Delay", s, 64}, {"HPF", s, 65}, {"LPF", s, 66},
                {"Density", s, 67}, {"ER / Rev", s, 68}, {"High damp", s, 69}, {"FB level", s, 70}
            }}, // Room,
        {27,
            {
                {"Rev Time", s, 62}, {"Diffusion", s, 63}, {"Init Delay", s, 64}, {"HPF", s, 65}, {"LPF", s, 66},
                {"Density", s, 67}, {"ER / Rev", s, 68}, {"High damp", s, 69}, {"FB level", s, 70}
            }}, // Stage,
        {28,
            {
                {"Rev Time", s, 62}, {"Diffusion", s, 63}, {"Init Delay", s, 64}, {"HPF", s, 65}, {"LPF", s, 66},
                {"Density", s, 67}, {"ER / Rev", s, 68}, {"High damp", s, 69}, {"FB level", s, 70}
            }}, // Plate
    };
    return pages;
}

std::span<const ExpectedDefinition> expectedVariationDefinitions() { return variationDefinitions; }

const std::vector<ExpectedEffectPage>& expectedReverbPages()
{
    static const std::vector<ExpectedEffectPage> pages{
        {1,
            {
                {"Rev Time", s, 0}, {"Diffusion", s, 1}, {"Init Delay", s, 2}, {"HPF", s, 3}, {"LPF", s, 4},
                {"Rev Delay", s, 9}, {"Density", s, 10}, {"ER / Rev", s, 11}, {"High damp", s, 12},
                {"FB level", s, 13}
            }}, // Hall1,
        {2,
            {
                {"Rev Time", s, 0}, {"Diffusion", s, 1}, {"Init Delay", s, 2}, {"HPF", s, 3}, {"LPF", s, 4},
                {"Rev Delay", s, 9}, {"Density", s, 10}, {"ER / Rev", s, 11}, {"High damp", s, 12},
                {"FB level", s, 13}
            }}, // Hall2,
        {3,
            {
                {"Rev Time", s, 0}, {"Diffusion", s, 1}, {"Init Delay", s, 2}, {"HPF", s, 3}, {"LPF", s, 4},
                {"Rev Delay", s, 9}, {"Density", s, 10}, {"ER / Rev", s, 11}, {"High damp", s, 12},
                {"FB level", s, 13}
            }}, // Room1,
        {4,
            {
                {"Rev Time", s, 0}, {"Diffusion", s, 1}, {"Init Delay", s, 2}, {"HPF", s, 3}, {"LPF", s, 4},
                {"Rev Delay", s, 9}, {"Density", s, 10}, {"ER / Rev", s, 11}, {"High damp", s, 12},
                {"FB level", s, 13}
            }}, // Room2,
        {5,
            {
                {"Rev Time", s, 0}, {"Diffusion", s, 1}, {"Init Delay", s, 2}, {"HPF", s, 3}, {"LPF", s, 4},
                {"Rev Delay", s, 9}, {"Density", s, 10}, {"ER / Rev", s, 11}, {"High damp", s, 12},
                {"FB level", s, 13}
            }}, // Room3,
        {6,
            {
                {"Rev Time", s, 0}, {"Diffusion", s, 1}, {"Init Delay", s, 2}, {"HPF", s, 3}, {"LPF", s, 4},
                {"Rev Delay", s, 9}, {"Density", s, 10}, {"ER / Rev", s, 11}, {"High damp", s, 12},
                {"FB level", s, 13}
            }}, // Stage1,
        {7,
            {
                {"Rev Time", s, 0}, {"Diffusion", s, 1}, {"Init Delay", s, 2}, {"HPF", s, 3}, {"LPF", s, 4},
                {"Rev Delay", s, 9}, {"Density", s, 10}, {"ER / Rev", s, 11}, {"High damp", s, 12},
                {"FB level", s, 13}
            }}, // Stage2,
        {8,
            {
                {"Rev Time", s, 0}, {"Diffusion", s, 1}, {"Init Delay", s, 2}, {"HPF", s, 3}, {"LPF", s, 4},
                {"Rev Delay", s, 9}, {"Density", s, 10}, {"ER / Rev", s, 11}, {"High damp", s, 12},
                {"FB level", s, 13}
            }}, // Plate,
        {9,
            {
                {"Rev Time", s, 0}, {"Diffusion", s, 1}, {"Init Delay", s, 2}, {"HPF", s, 3}, {"LPF", s, 4},
                {"Width", s, 5}, {"Height", s, 6}, {"Depth", s, 7}, {"Wall vary", s, 8}, {"Rev Delay", s, 9},
                {"Density", s, 10}, {"ER / Rev", s, 11}, {"High damp", s, 12}, {"FB level", s, 13}
            }}, // White room,
        {10,
            {
                {"Rev Time", s, 0}, {"Diffusion", s, 1}, {"Init Delay", s, 2}, {"HPF", s, 3}, {"LPF", s, 4},
                {"Width", s, 5}, {"Height", s, 6}, {"Depth", s, 7}, {"Wall vary", s, 8}, {"Rev Delay", s, 9},
                {"Density", s, 10}, {"ER / Rev", s, 11}, {"High damp", s, 12}, {"FB level", s, 13}
            }}, // Tunnel,
        {11,
            {
                {"Rev Time", s, 0}, {"Diffusion", s, 1}, {"Init Delay", s, 2}, {"HPF", s, 3}, {"LPF", s, 4},
                {"Width", s, 5}, {"Height", s, 6}, {"Depth", s, 7}, {"Wall vary", s, 8}, {"Rev Delay", s, 9},
                {"Density", s, 10}, {"ER / Rev", s, 11}, {"High damp", s, 12}, {"FB level", s, 13}
            }}, // Basement,
        {12,
            {
                {"Rev Time", s, 0}, {"Diffusion", s, 1}, {"Init Delay", s, 2}, {"HPF", s, 3}, {"LPF", s, 4},
                {"Width", s, 5}, {"Height", s, 6}, {"Depth", s, 7}, {"Wall vary", s, 8}, {"Rev Delay", s, 9},
                {"Density", s, 10}, {"ER / Rev", s, 11}, {"High damp", s, 12}, {"FB level", s, 13}
            }}, // Canyon,
        {13,
            {
                {"L delay", s, 14}, {"R delay", s, 15}, {"C delay", s, 16}, {"FB delay", s, 17}, {"FB level", s, 18},
                {"C Level", s, 19}, {"High damp", s, 20}, {"EQ low frq", s, 22}, {"EQ low", s, 23},
                {"EQ hi frq", s, 24}, {"EQ hi", s, 25}
            }}, // Delay LCR,
        {14,
            {
                {"L delay", s, 14}, {"R delay", s, 15}, {"FB delay 1", s, 16}, {"FB delay 2", s, 17},
                {"FB level", s, 18}, {"High damp", s, 21}, {"EQ low frq", s, 22}, {"EQ low", s, 23},
                {"EQ hi frq", s, 24}, {"EQ hi", s, 25}
            }}, // Delay L,R,
        {15,
            {
                {"L delay 1", s, 26}, {"L FB level", s, 27}, {"R delay 1", s, 28}, {"R FB level", s, 29},
                {"High damp", s, 30}, {"L delay 2", s, 31}, {"R delay 2", s, 32}, {"Delay 2 level", s, 33},
                {"EQ low frq", s, 22}, {"EQ low", s, 23}, {"EQ hi frq", s, 24}, {"EQ hi", s, 25}
            }}, // Echo,
        {16,
            {
                {"L to R delay", s, 26}, {"R to L delay", s, 34}, {"FB level", s, 35}, {"Input select", c, 36},
                {"High damp", s, 30}, {"EQ low frq", s, 22}, {"EQ low", s, 23}, {"EQ hi frq", s, 24}, {"EQ hi", s, 25}
            }}, // CrossDelay

    };
    return pages;
}

std::span<const ExpectedDefinition> expectedReverbDefinitions() { return reverbDefinitions; }
