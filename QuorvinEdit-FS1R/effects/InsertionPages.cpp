// The insertion effect's 40 pages, item by item, top to bottom.
#include "effects/InsertionTables.h"

#include <wx/translation.h>

namespace {

constexpr auto slider = EffectControlKind::slider;
constexpr auto valueButton = EffectControlKind::valueButton;
constexpr auto choice = EffectControlKind::choice;

constexpr EffectOwnLabels phaseLabels{
    wxTRANSLATE_IN_CONTEXT("phase", "normal"), wxTRANSLATE_IN_CONTEXT("phase", "inverse"), "phase"};
constexpr EffectOwnLabels emphasisLabels{wxTRANSLATE("off"), wxTRANSLATE("on")};

// 1 "Chorus"
constexpr EffectItem chorus[] = {
    {wxTRANSLATE("LFO freq"), slider, 1, byLabel("0.275")},
    {wxTRANSLATE("LFO depth"), slider, 2, byDisplay(Rational(62))},
    {wxTRANSLATE("FB level"), slider, 3, byDisplay(Rational(15))},
    {wxTRANSLATE("Delay offset"), slider, 4, byLabel("8.0")},
    {wxTRANSLATE("EQ low frq"), slider, 5, byLabel("250")},
    {wxTRANSLATE("EQ low"), slider, 6, byDisplay(Rational(0))},
    {wxTRANSLATE("EQ mid frq"), slider, 7, byLabel("1.8k")},
    {wxTRANSLATE("EQ mid"), slider, 8, byDisplay(Rational(0))},
    {wxTRANSLATE("EQ mid Q"), slider, 9, byDisplay(Rational(1000, 1000))},
    {wxTRANSLATE("EQ hi frq"), slider, 10, byLabel("7.0k")},
    {wxTRANSLATE("EQ hi"), slider, 11, byDisplay(Rational(0))},
    {wxTRANSLATE("Mode"), valueButton, 12, byWord(wxTRANSLATE("mono"))},
    {wxTRANSLATE("Wet mix"), slider, 0, byDisplay(Rational(0))},
};

// 2 "Celeste"
constexpr EffectItem celeste[] = {
    {wxTRANSLATE("LFO freq"), slider, 1, byLabel("0.824")},
    {wxTRANSLATE("LFO depth"), slider, 2, byDisplay(Rational(28))},
    {wxTRANSLATE("FB level"), slider, 3, byDisplay(Rational(0))},
    {wxTRANSLATE("Delay offset"), slider, 4, byLabel("1.0")},
    {wxTRANSLATE("EQ low frq"), slider, 5, byLabel("110")},
    {wxTRANSLATE("EQ low"), slider, 6, byDisplay(Rational(0))},
    {wxTRANSLATE("EQ mid frq"), slider, 7, byLabel("2.0k")},
    {wxTRANSLATE("EQ mid"), slider, 8, byDisplay(Rational(-2))},
    {wxTRANSLATE("EQ mid Q"), slider, 9, byDisplay(Rational(1000, 1000))},
    {wxTRANSLATE("EQ hi frq"), slider, 10, byLabel("7.0k")},
    {wxTRANSLATE("EQ hi"), slider, 11, byDisplay(Rational(0))},
    {wxTRANSLATE("Mode"), valueButton, 12, byWord(wxTRANSLATE("mono"))},
    {wxTRANSLATE("Wet mix"), slider, 0, byDisplay(Rational(63))},
};

// 3 "Flanger"
constexpr EffectItem flanger[] = {
    {wxTRANSLATE("LFO freq"), slider, 1, byLabel("0.504")},
    {wxTRANSLATE("LFO depth"), slider, 2, byDisplay(Rational(30))},
    {wxTRANSLATE("FB level"), slider, 3, byDisplay(Rational(40))},
    {wxTRANSLATE("Delay offset"), slider, 4, byLabel("0.2")},
    {wxTRANSLATE("EQ low frq"), slider, 5, byLabel("200")},
    {wxTRANSLATE("EQ low"), slider, 6, byDisplay(Rational(0))},
    {wxTRANSLATE("EQ mid frq"), slider, 7, byLabel("1.8k")},
    {wxTRANSLATE("EQ mid"), slider, 8, byDisplay(Rational(0))},
    {wxTRANSLATE("EQ mid Q"), slider, 9, byDisplay(Rational(1000, 1000))},
    {wxTRANSLATE("EQ hi frq"), slider, 10, byLabel("6.3k")},
    {wxTRANSLATE("EQ hi"), slider, 11, byDisplay(Rational(0))},
    {wxTRANSLATE("LFO phase"), slider, 13, byDisplay(Rational(-180))},
    {wxTRANSLATE("Wet mix"), slider, 0, byDisplay(Rational(0))},
};

// 4 "Symphonic"
constexpr EffectItem symphonic[] = {
    {wxTRANSLATE("LFO freq"), slider, 1, byLabel("0.458")},
    {wxTRANSLATE("LFO depth"), slider, 2, byDisplay(Rational(40))},
    {wxTRANSLATE("Delay offset"), slider, 14, byLabel("0.0")},
    {wxTRANSLATE("EQ low frq"), slider, 5, byLabel("250")},
    {wxTRANSLATE("EQ low"), slider, 6, byDisplay(Rational(0))},
    {wxTRANSLATE("EQ mid frq"), slider, 7, byLabel("4.0k")},
    {wxTRANSLATE("EQ mid"), slider, 8, byDisplay(Rational(-3))},
    {wxTRANSLATE("EQ mid Q"), slider, 9, byDisplay(Rational(1000, 1000))},
    {wxTRANSLATE("EQ hi frq"), slider, 10, byLabel("6.3k")},
    {wxTRANSLATE("EQ hi"), slider, 11, byDisplay(Rational(0))},
    {wxTRANSLATE("Wet mix"), slider, 0, byDisplay(Rational(32))},
};

// 5 "Phaser1"
constexpr EffectItem phaser1[] = {
    {wxTRANSLATE("LFO freq"), slider, 1, byLabel("0.641")},
    {wxTRANSLATE("LFO depth"), slider, 2, byDisplay(Rational(92))},
    {wxTRANSLATE("Phase shift"), slider, 15, byDisplay(Rational(76))},
    {wxTRANSLATE("FB level"), slider, 16, byDisplay(Rational(36))},
    {wxTRANSLATE("Stages"), slider, 17, byDisplay(Rational(6))},
    {wxTRANSLATE("Diffuse"), valueButton, 18, byWord(wxTRANSLATE("stereo"))},
    {wxTRANSLATE("EQ low frq"), slider, 5, byLabel("250")},
    {wxTRANSLATE("EQ low"), slider, 6, byDisplay(Rational(0))},
    {wxTRANSLATE("EQ hi frq"), slider, 10, byLabel("2.0k")},
    {wxTRANSLATE("EQ hi"), slider, 11, byDisplay(Rational(0))},
    {wxTRANSLATE("Wet mix"), slider, 0, byDisplay(Rational(34))},
};

// 6 "Phaser2"
constexpr EffectItem phaser2[] = {
    {wxTRANSLATE("LFO freq"), slider, 1, byLabel("0.091")},
    {wxTRANSLATE("LFO depth"), slider, 2, byDisplay(Rational(127))},
    {wxTRANSLATE("Phase shift"), slider, 15, byDisplay(Rational(25))},
    {wxTRANSLATE("FB level"), slider, 16, byDisplay(Rational(51))},
    {wxTRANSLATE("Stages"), slider, 19, byDisplay(Rational(5))},
    {wxTRANSLATE("LFO phase"), slider, 20, byDisplay(Rational(-180))},
    {wxTRANSLATE("EQ low frq"), slider, 5, byLabel("200")},
    {wxTRANSLATE("EQ low"), slider, 6, byDisplay(Rational(0))},
    {wxTRANSLATE("EQ hi frq"), slider, 10, byLabel("5.6k")},
    {wxTRANSLATE("EQ hi"), slider, 11, byDisplay(Rational(0))},
    {wxTRANSLATE("Wet mix"), slider, 0, byDisplay(Rational(32))},
};

// 7 "Pitch Chng"
constexpr EffectItem pitchChng[] = {
    {wxTRANSLATE("Pitch"), slider, pageParameter, byDisplay(Rational(0)), {0x100108, 40, 88, shifted(-64)}},
    {wxTRANSLATE("InitDelay"), slider, pageParameter, byDisplay(Rational(3200, 1000)),
        {0x10010a, 0, 127, scaled(Rational(3999, 1270), Rational(1, 10))}},
    {wxTRANSLATE("Fine1"), slider, pageParameter, byDisplay(Rational(15)), {0x10010c, 14, 114, shifted(-64)}},
    {wxTRANSLATE("Fine2"), slider, pageParameter, byDisplay(Rational(-16)), {0x10010e, 14, 114, shifted(-64)}},
    {wxTRANSLATE("FB level"), slider, pageParameter, byDisplay(Rational(0)), {0x100110, 1, 127, shifted(-64)}},
    {wxTRANSLATE("Pan1"), slider, pageParameter, byDisplay(Rational(-63)), {0x10011c, 1, 127, shifted(-64)}},
    {wxTRANSLATE("Out level1"), slider, pageParameter, byDisplay(Rational(125)), {0x10011e, 0, 127}},
    {wxTRANSLATE("Pan2"), slider, pageParameter, byDisplay(Rational(63)), {0x100120, 1, 127, shifted(-64)}},
    {wxTRANSLATE("Out level2"), slider, pageParameter, byDisplay(Rational(127)), {0x100122, 0, 127}},
    {wxTRANSLATE("Wet mix"), slider, 0, byDisplay(Rational(-3))},
};

// 8 "Ens Detune"
constexpr EffectItem ensDetune[] = {
    {wxTRANSLATE("Detune"), slider, pageParameter, byDisplay(Rational(-30)), {0x100108, 14, 114, shifted(-64)}},
    {wxTRANSLATE("InitDelayL"), slider, pageParameter, byLabel("1.0"), {0x10010a, 0, 127, {}, 11}},
    {wxTRANSLATE("InitDelayR"), slider, pageParameter, byLabel("3.0"), {0x10010c, 0, 127, {}, 11}},
    {wxTRANSLATE("EQ low frq"), slider, pageParameter, byLabel("250"), {0x10011c, 4, 40, {}, 8}},
    {wxTRANSLATE("EQ low"), slider, pageParameter, byDisplay(Rational(0)), {0x10011e, 52, 76, shifted(-64)}},
    {wxTRANSLATE("EQ hi frq"), slider, pageParameter, byLabel("5.0k"), {0x100120, 28, 58, {}, 8}},
    {wxTRANSLATE("EQ hi"), slider, pageParameter, byDisplay(Rational(0)), {0x100122, 52, 76, shifted(-64)}},
    {wxTRANSLATE("Wet mix"), slider, 0, byDisplay(Rational(0))},
};

// 9 "Rotary SP"
constexpr EffectItem rotarySp[] = {
    {wxTRANSLATE("LFO freq"), slider, 1, byLabel("5.859")},
    {wxTRANSLATE("LFO depth"), slider, 2, byDisplay(Rational(71))},
    {wxTRANSLATE("EQ low frq"), slider, 5, byLabel("250")},
    {wxTRANSLATE("EQ low"), slider, 6, byDisplay(Rational(-4))},
    {wxTRANSLATE("EQ mid frq"), slider, 7, byLabel("2.8k")},
    {wxTRANSLATE("EQ mid"), slider, 8, byDisplay(Rational(-12))},
    {wxTRANSLATE("EQ mid Q"), slider, 9, byDisplay(Rational(2400, 1000))},
    {wxTRANSLATE("EQ hi frq"), slider, 10, byLabel("7.0k")},
    {wxTRANSLATE("EQ hi"), slider, 11, byDisplay(Rational(-10))},
    {wxTRANSLATE("Wet mix"), slider, 0, byDisplay(Rational(63))},
};

// 10 "2WayRotary"
constexpr EffectItem twoWayRotary[] = {
    {wxTRANSLATE("Rotor Spd"), slider, 1, byLabel("6.042")},
    {wxTRANSLATE("Drive Low"), slider, pageParameter, byDisplay(Rational(89)), {0x10010a, 0, 127}},
    {wxTRANSLATE("Drive High"), slider, pageParameter, byDisplay(Rational(62)), {0x10010c, 0, 127}},
    {wxTRANSLATE("Low/High"), slider, pageParameter, byDisplay(Rational(-47)), {0x10010e, 1, 127, shifted(-64)}},
    {wxTRANSLATE("Mic angle"), slider, pageParameter, byDisplay(Rational(93)),
        {0x10011e, 0, 60, scaled(Rational(3))}},
    {wxTRANSLATE("Cross freq"), slider, 7, byLabel("355")},
    {wxTRANSLATE("EQ low frq"), slider, 5, byLabel("110")},
    {wxTRANSLATE("EQ low"), slider, 6, byDisplay(Rational(0))},
    {wxTRANSLATE("EQ hi frq"), slider, 10, byLabel("3.2k")},
    {wxTRANSLATE("EQ hi"), slider, 11, byDisplay(Rational(0))},
};

// 11 "Tremolo"
constexpr EffectItem tremolo[] = {
    {wxTRANSLATE("LFO freq"), slider, 1, byLabel("1.831")},
    {wxTRANSLATE("AM depth"), slider, 21, byDisplay(Rational(112))},
    {wxTRANSLATE("PM depth"), slider, 22, byDisplay(Rational(0))},
    {wxTRANSLATE("LFO phase"), slider, 13, byDisplay(Rational(0))},
    {wxTRANSLATE("EQ low frq"), slider, 5, byLabel("100")},
    {wxTRANSLATE("EQ low"), slider, 6, byDisplay(Rational(0))},
    {wxTRANSLATE("EQ mid frq"), slider, 7, byLabel("1.8k")},
    {wxTRANSLATE("EQ mid"), slider, 8, byDisplay(Rational(0))},
    {wxTRANSLATE("EQ mid Q"), slider, 9, byDisplay(Rational(1000, 1000))},
    {wxTRANSLATE("EQ hi frq"), slider, 10, byLabel("7.0k")},
    {wxTRANSLATE("EQ hi"), slider, 11, byDisplay(Rational(0))},
    {wxTRANSLATE("Mode"), valueButton, 12, byWord(wxTRANSLATE("stereo"))},
};

// 12 "Auto Pan"
constexpr EffectItem autoPan[] = {
    {wxTRANSLATE("LFO freq"), slider, 1, byLabel("1.877")},
    {wxTRANSLATE("L/R depth"), slider, 21, byDisplay(Rational(80))},
    {wxTRANSLATE("F/R depth"), slider, 22, byDisplay(Rational(32))},
    {wxTRANSLATE("Pan dir"), choice, 23, byWord(wxTRANSLATE("L/R"))},
    {wxTRANSLATE("EQ low frq"), slider, 5, byLabel("140")},
    {wxTRANSLATE("EQ low"), slider, 6, byDisplay(Rational(0))},
    {wxTRANSLATE("EQ mid frq"), slider, 7, byLabel("1.8k")},
    {wxTRANSLATE("EQ mid"), slider, 8, byDisplay(Rational(0))},
    {wxTRANSLATE("EQ mid Q"), slider, 9, byDisplay(Rational(1000, 1000))},
    {wxTRANSLATE("EQ hi frq"), slider, 10, byLabel("6.3k")},
    {wxTRANSLATE("EQ hi"), slider, 11, byDisplay(Rational(0))},
};

// 13 "Ambience"
constexpr EffectItem ambience[] = {
    {wxTRANSLATE("Delay time"), slider, pageParameter, byLabel("26.5"), {0x100108, 0, 127, {}, 11}},
    {wxTRANSLATE("Phase"), valueButton, pageParameter, byRaw(1), {0x10010a, 0, 1, {}, noLabelTable, &phaseLabels}},
    {wxTRANSLATE("EQ low frq"), slider, 5, byLabel("250")},
    {wxTRANSLATE("EQ low"), slider, 6, byDisplay(Rational(0))},
    {wxTRANSLATE("EQ hi frq"), slider, 10, byLabel("5.0k")},
    {wxTRANSLATE("EQ hi"), slider, 11, byDisplay(Rational(-10))},
    {wxTRANSLATE("Wet mix"), slider, 0, byDisplay(Rational(10))},
};

// 14 "A-Wah+Dist"
constexpr EffectItem aWahDist[] = {
    {wxTRANSLATE("LFO freq"), slider, 1, byLabel("1.465")},
    {wxTRANSLATE("LFO depth"), slider, 2, byDisplay(Rational(84))},
    {wxTRANSLATE("Cutoff freq"), slider, 24, byDisplay(Rational(46))},
    {wxTRANSLATE("Resonance"), slider, 25, byDisplay(Rational(3400, 1000))},
    {wxTRANSLATE("EQ low frq"), slider, 5, byLabel("250")},
    {wxTRANSLATE("EQ low"), slider, 6, byDisplay(Rational(2))},
    {wxTRANSLATE("EQ hi frq"), slider, 10, byLabel("4.0k")},
    {wxTRANSLATE("EQ hi"), slider, 11, byDisplay(Rational(0))},
    {wxTRANSLATE("Drive"), slider, 49, byDisplay(Rational(60))},
    {wxTRANSLATE("DS low gain"), slider, 50, byDisplay(Rational(8))},
    {wxTRANSLATE("DS mid gain"), slider, 51, byDisplay(Rational(4))},
    {wxTRANSLATE("LPFCutoff"), slider, 52, byLabel("8.0k")},
    {wxTRANSLATE("OutputLevel"), slider, 53, byDisplay(Rational(64))},
    {wxTRANSLATE("Wet mix"), slider, 0, byDisplay(Rational(63))},
};

// 15 "A-Wah+Odrv"
constexpr EffectItem aWahOdrv[] = {
    {wxTRANSLATE("LFO freq"), slider, 1, byLabel("1.144")},
    {wxTRANSLATE("LFO depth"), slider, 2, byDisplay(Rational(64))},
    {wxTRANSLATE("Cutoff freq"), slider, 24, byDisplay(Rational(32))},
    {wxTRANSLATE("Resonance"), slider, 25, byDisplay(Rational(2300, 1000))},
    {wxTRANSLATE("EQ low frq"), slider, 5, byLabel("250")},
    {wxTRANSLATE("EQ low"), slider, 6, byDisplay(Rational(2))},
    {wxTRANSLATE("EQ hi frq"), slider, 10, byLabel("4.0k")},
    {wxTRANSLATE("EQ hi"), slider, 11, byDisplay(Rational(0))},
    {wxTRANSLATE("Drive"), slider, 49, byDisplay(Rational(16))},
    {wxTRANSLATE("DS low gain"), slider, 50, byDisplay(Rational(4))},
    {wxTRANSLATE("DS mid gain"), slider, 51, byDisplay(Rational(8))},
    {wxTRANSLATE("LPFCutoff"), slider, 52, byLabel("3.6k")},
    {wxTRANSLATE("OutputLevel"), slider, 53, byDisplay(Rational(68))},
    {wxTRANSLATE("Wet mix"), slider, 0, byDisplay(Rational(63))},
};

// 16 "T-Wah+Dist"
constexpr EffectItem tWahDist[] = {
    {wxTRANSLATE("Sensitivity"), slider, 26, byDisplay(Rational(80))},
    {wxTRANSLATE("Cutoff freq"), slider, 27, byDisplay(Rational(18))},
    {wxTRANSLATE("Resonance"), slider, 28, byDisplay(Rational(4500, 1000))},
    {wxTRANSLATE("Release"), slider, 29, byLabel("170")},
    {wxTRANSLATE("EQ low frq"), slider, 5, byLabel("250")},
    {wxTRANSLATE("EQ low"), slider, 6, byDisplay(Rational(2))},
    {wxTRANSLATE("EQ hi frq"), slider, 10, byLabel("4.0k")},
    {wxTRANSLATE("EQ hi"), slider, 11, byDisplay(Rational(0))},
    {wxTRANSLATE("Drive"), slider, 49, byDisplay(Rational(30))},
    {wxTRANSLATE("DS low gain"), slider, 50, byDisplay(Rational(8))},
    {wxTRANSLATE("DS mid gain"), slider, 51, byDisplay(Rational(10))},
    {wxTRANSLATE("LPFCutoff"), slider, 52, byLabel("9.0k")},
    {wxTRANSLATE("OutputLevel"), slider, 53, byDisplay(Rational(72))},
    {wxTRANSLATE("Wet mix"), slider, 0, byDisplay(Rational(63))},
};

// 17 "T-Wah+Odrv"
constexpr EffectItem tWahOdrv[] = {
    {wxTRANSLATE("Sensitivity"), slider, 26, byDisplay(Rational(61))},
    {wxTRANSLATE("Cutoff freq"), slider, 27, byDisplay(Rational(30))},
    {wxTRANSLATE("Resonance"), slider, 28, byDisplay(Rational(4100, 1000))},
    {wxTRANSLATE("Release"), slider, 29, byLabel("170")},
    {wxTRANSLATE("EQ low frq"), slider, 5, byLabel("250")},
    {wxTRANSLATE("EQ low"), slider, 6, byDisplay(Rational(2))},
    {wxTRANSLATE("EQ hi frq"), slider, 10, byLabel("4.0k")},
    {wxTRANSLATE("EQ hi"), slider, 11, byDisplay(Rational(0))},
    {wxTRANSLATE("Drive"), slider, 49, byDisplay(Rational(15))},
    {wxTRANSLATE("DS low gain"), slider, 50, byDisplay(Rational(4))},
    {wxTRANSLATE("DS mid gain"), slider, 51, byDisplay(Rational(8))},
    {wxTRANSLATE("LPFCutoff"), slider, 52, byLabel("5.6k")},
    {wxTRANSLATE("OutputLevel"), slider, 53, byDisplay(Rational(72))},
    {wxTRANSLATE("Wet mix"), slider, 0, byDisplay(Rational(63))},
};

// 18 "Wah+DS+Dly"
constexpr EffectItem wahDsDly[] = {
    {wxTRANSLATE("Sensitivity"), slider, 30, byDisplay(Rational(102))},
    {wxTRANSLATE("Cutoff freq"), slider, 31, byDisplay(Rational(20))},
    {wxTRANSLATE("Resonance"), slider, 32, byDisplay(Rational(2300, 1000))},
    {wxTRANSLATE("Release"), slider, 33, byLabel("75")},
    {wxTRANSLATE("Drive"), slider, 54, byDisplay(Rational(60))},
    {wxTRANSLATE("OutputLevel"), slider, 40, byDisplay(Rational(53))},
    {wxTRANSLATE("DS low gain"), slider, 55, byDisplay(Rational(4))},
    {wxTRANSLATE("DS mid gain"), slider, 56, byDisplay(Rational(8))},
    {wxTRANSLATE("Delay"), slider, 71, byDisplay(Rational(190))},
    {wxTRANSLATE("FB level"), slider, 86, byDisplay(Rational(20))},
    {wxTRANSLATE("Delay mix"), slider, 68, byDisplay(Rational(30))},
    {wxTRANSLATE("Wet mix"), slider, 0, byDisplay(Rational(63))},
};

// 19 "Wah+OD+Dly"
constexpr EffectItem wahOdDly[] = {
    {wxTRANSLATE("Sensitivity"), slider, 30, byDisplay(Rational(80))},
    {wxTRANSLATE("Cutoff freq"), slider, 31, byDisplay(Rational(35))},
    {wxTRANSLATE("Resonance"), slider, 32, byDisplay(Rational(3000, 1000))},
    {wxTRANSLATE("Release"), slider, 33, byLabel("170")},
    {wxTRANSLATE("Drive"), slider, 54, byDisplay(Rational(16))},
    {wxTRANSLATE("OutputLevel"), slider, 40, byDisplay(Rational(87))},
    {wxTRANSLATE("DS low gain"), slider, 55, byDisplay(Rational(0))},
    {wxTRANSLATE("DS mid gain"), slider, 56, byDisplay(Rational(0))},
    {wxTRANSLATE("Delay"), slider, 71, byDisplay(Rational(160))},
    {wxTRANSLATE("FB level"), slider, 86, byDisplay(Rational(20))},
    {wxTRANSLATE("Delay mix"), slider, 68, byDisplay(Rational(50))},
    {wxTRANSLATE("Wet mix"), slider, 0, byDisplay(Rational(63))},
};

// 20 "Lo-Fi"
constexpr EffectItem loFi[] = {
    {wxTRANSLATE("Smpl freq"), slider, pageParameter, byLabel("16.0k"), {0x100108, 0, 127, {}, 20}},
    {wxTRANSLATE("Word length"), slider, pageParameter, byDisplay(Rational(1)), {0x10010a, 1, 127}},
    {wxTRANSLATE("Output gain"), slider, pageParameter, byDisplay(Rational(-3)), {0x10010c, 0, 42, shifted(-6)}},
    {wxTRANSLATE("LPFCutoff"), slider, pageParameter, byWord(wxTRANSLATE("thru")), {0x10010e, 10, 60, {}, 8}},
    {wxTRANSLATE("LPF reso"), slider, pageParameter, byDisplay(Rational(2900, 1000)),
        {0x100112, 10, 120, scaled(Rational(1, 10))}},
    {wxTRANSLATE("Filter"), choice, pageParameter, byWord(wxTRANSLATE("clean")), {0x100110, 0, 5, {}, 21}},
    {wxTRANSLATE("Bit assign"), slider, pageParameter, byDisplay(Rational(1)), {0x100114, 0, 6}},
    {wxTRANSLATE("Emphasis"), valueButton, pageParameter, byRaw(0),
        {0x100116, 0, 1, {}, noLabelTable, &emphasisLabels}},
    {wxTRANSLATE("Wet mix"), slider, 0, byDisplay(Rational(63))},
};

// 21 "3-Band EQ"
constexpr EffectItem threeBandEq[] = {
    {wxTRANSLATE("Low freq"), slider, pageParameter, byLabel("180"), {0x100112, 8, 40, {}, 8}},
    {wxTRANSLATE("Low gain"), slider, pageParameter, byDisplay(Rational(0)), {0x100108, 52, 76, shifted(-64)}},
    {wxTRANSLATE("Mid freq"), slider, pageParameter, byLabel("1.0k"), {0x10010a, 14, 54, {}, 8}},
    {wxTRANSLATE("Mid gain"), slider, pageParameter, byDisplay(Rational(0)), {0x10010c, 52, 76, shifted(-64)}},
    {wxTRANSLATE("Mid Q"), slider, pageParameter, byDisplay(Rational(5000, 1000)),
        {0x10010e, 10, 120, scaled(Rational(1, 10))}},
    {wxTRANSLATE("High freq"), slider, pageParameter, byLabel("8.0k"), {0x100114, 28, 58, {}, 8}},
    {wxTRANSLATE("High gain"), slider, pageParameter, byDisplay(Rational(0)), {0x100110, 52, 76, shifted(-64)}},
    {wxTRANSLATE("Mode"), valueButton, pageParameter, byWord(wxTRANSLATE("mono")), {0x100124, 0, 1, {}, 12}},
};

// 22 "HM Enhncer"
constexpr EffectItem hmEnhncer[] = {
    {wxTRANSLATE("HPFCutoff"), slider, pageParameter, byLabel("5.6k"), {0x100108, 28, 58, {}, 8}},
    {wxTRANSLATE("Drive"), slider, pageParameter, byDisplay(Rational(20)), {0x10010a, 0, 127}},
    {wxTRANSLATE("Mix level"), slider, pageParameter, byDisplay(Rational(30)), {0x10010c, 0, 127}},
};

// 23 "Noise Gate"
constexpr EffectItem noiseGate[] = {
    {wxTRANSLATE("Attack"), slider, 34, byLabel("1")},
    {wxTRANSLATE("Release"), slider, 35, byLabel("140")},
    {wxTRANSLATE("Threshold"), slider, 36, byDisplay(Rational(-45))},
    {wxTRANSLATE("OutputLevel"), slider, 37, byDisplay(Rational(50))},
};

// 24 "Compressor"
constexpr EffectItem compressor[] = {
    {wxTRANSLATE("Attack"), slider, 34, byLabel("12")},
    {wxTRANSLATE("Release"), slider, 35, byLabel("25")},
    {wxTRANSLATE("Threshold"), slider, 38, byDisplay(Rational(-28))},
    {wxTRANSLATE("Ratio"), slider, 39, byLabel("5.0")},
    {wxTRANSLATE("OutputLevel"), slider, 40, byDisplay(Rational(80))},
};

// 25 "Comp+Dist"
constexpr EffectItem compDist[] = {
    {wxTRANSLATE("Attack"), slider, 41, byLabel("7")},
    {wxTRANSLATE("Release"), slider, 42, byLabel("25")},
    {wxTRANSLATE("Threshold"), slider, 43, byDisplay(Rational(-27))},
    {wxTRANSLATE("Ratio"), slider, 44, byLabel("7.0")},
    {wxTRANSLATE("Drive"), slider, 57, byDisplay(Rational(60))},
    {wxTRANSLATE("EQ low frq"), slider, 58, byLabel("250")},
    {wxTRANSLATE("EQ low"), slider, 59, byDisplay(Rational(5))},
    {wxTRANSLATE("EQ mid frq"), slider, 60, byLabel("4.0k")},
    {wxTRANSLATE("EQ mid"), slider, 61, byDisplay(Rational(8))},
    {wxTRANSLATE("EQ mid Q"), slider, 62, byDisplay(Rational(1000, 1000))},
    {wxTRANSLATE("LPFCutoff"), slider, 63, byLabel("9.0k")},
    {wxTRANSLATE("Edge"), slider, 64, byDisplay(Rational(120))},
    {wxTRANSLATE("OutputLevel"), slider, 40, byDisplay(Rational(70))},
};

// 26 "Cmp+DS+Dly"
constexpr EffectItem cmpDsDly[] = {
    {wxTRANSLATE("Attack"), slider, 45, byLabel("7")},
    {wxTRANSLATE("Release"), slider, 46, byLabel("140")},
    {wxTRANSLATE("Threshold"), slider, 47, byDisplay(Rational(-32))},
    {wxTRANSLATE("Ratio"), slider, 48, byLabel("7.0")},
    {wxTRANSLATE("Drive"), slider, 54, byDisplay(Rational(60))},
    {wxTRANSLATE("OutputLevel"), slider, 40, byDisplay(Rational(51))},
    {wxTRANSLATE("DS low gain"), slider, 55, byDisplay(Rational(4))},
    {wxTRANSLATE("DS mid gain"), slider, 56, byDisplay(Rational(8))},
    {wxTRANSLATE("Delay"), slider, 71, byDisplay(Rational(190))},
    {wxTRANSLATE("FB level"), slider, 86, byDisplay(Rational(8))},
    {wxTRANSLATE("Delay mix"), slider, 68, byDisplay(Rational(38))},
    {wxTRANSLATE("Wet mix"), slider, 0, byDisplay(Rational(63))},
};

// 27 "Cmp+OD+Dly"
constexpr EffectItem cmpOdDly[] = {
    {wxTRANSLATE("Attack"), slider, 45, byLabel("7")},
    {wxTRANSLATE("Release"), slider, 46, byLabel("25")},
    {wxTRANSLATE("Threshold"), slider, 47, byDisplay(Rational(-32))},
    {wxTRANSLATE("Ratio"), slider, 48, byLabel("5.0")},
    {wxTRANSLATE("Drive"), slider, 54, byDisplay(Rational(18))},
    {wxTRANSLATE("OutputLevel"), slider, 40, byDisplay(Rational(65))},
    {wxTRANSLATE("DS low gain"), slider, 55, byDisplay(Rational(4))},
    {wxTRANSLATE("DS mid gain"), slider, 56, byDisplay(Rational(5))},
    {wxTRANSLATE("Delay"), slider, 71, byDisplay(Rational(190))},
    {wxTRANSLATE("FB level"), slider, 86, byDisplay(Rational(10))},
    {wxTRANSLATE("Delay mix"), slider, 68, byDisplay(Rational(50))},
    {wxTRANSLATE("Wet mix"), slider, 0, byDisplay(Rational(63))},
};

// 28 "Distortion"
constexpr EffectItem distortion[] = {
    {wxTRANSLATE("Drive"), slider, 57, byDisplay(Rational(60))},
    {wxTRANSLATE("EQ low frq"), slider, 58, byLabel("180")},
    {wxTRANSLATE("EQ low"), slider, 59, byDisplay(Rational(8))},
    {wxTRANSLATE("EQ mid frq"), slider, 60, byLabel("1.1k")},
    {wxTRANSLATE("EQ mid"), slider, 61, byDisplay(Rational(10))},
    {wxTRANSLATE("EQ mid Q"), slider, 62, byDisplay(Rational(1000, 1000))},
    {wxTRANSLATE("LPFCutoff"), slider, 63, byLabel("9.0k")},
    {wxTRANSLATE("Edge"), slider, 64, byDisplay(Rational(80))},
    {wxTRANSLATE("OutputLevel"), slider, 40, byDisplay(Rational(65))},
    {wxTRANSLATE("Wet mix"), slider, 0, byDisplay(Rational(63))},
};

// 29 "Dist+Delay"
constexpr EffectItem distDelay[] = {
    {wxTRANSLATE("Drive"), slider, 65, byDisplay(Rational(60))},
    {wxTRANSLATE("DS low gain"), slider, 66, byDisplay(Rational(8))},
    {wxTRANSLATE("DS mid gain"), slider, 67, byDisplay(Rational(10))},
    {wxTRANSLATE("L delay"), slider, 71, byDisplay(Rational(50))},
    {wxTRANSLATE("R delay"), slider, 72, byDisplay(Rational(100))},
    {wxTRANSLATE("FB delay"), slider, 73, byDisplay(Rational(200))},
    {wxTRANSLATE("FB level"), slider, 16, byDisplay(Rational(20))},
    {wxTRANSLATE("Delay mix"), slider, 69, byDisplay(Rational(80))},
    {wxTRANSLATE("OutputLevel"), slider, 70, byDisplay(Rational(42))},
    {wxTRANSLATE("Wet mix"), slider, 0, byDisplay(Rational(63))},
};

// 30 "Overdrive"
constexpr EffectItem overdrive[] = {
    {wxTRANSLATE("Drive"), slider, 57, byDisplay(Rational(29))},
    {wxTRANSLATE("EQ low frq"), slider, 58, byLabel("315")},
    {wxTRANSLATE("EQ low"), slider, 59, byDisplay(Rational(4))},
    {wxTRANSLATE("EQ mid frq"), slider, 60, byLabel("1.2k")},
    {wxTRANSLATE("EQ mid"), slider, 61, byDisplay(Rational(8))},
    {wxTRANSLATE("EQ mid Q"), slider, 62, byDisplay(Rational(1000, 1000))},
    {wxTRANSLATE("LPFCutoff"), slider, 63, byLabel("4.0k")},
    {wxTRANSLATE("Edge"), slider, 64, byDisplay(Rational(104))},
    {wxTRANSLATE("OutputLevel"), slider, 40, byDisplay(Rational(80))},
    {wxTRANSLATE("Wet mix"), slider, 0, byDisplay(Rational(63))},
};

// 31 "Odrv+Delay"
constexpr EffectItem odrvDelay[] = {
    {wxTRANSLATE("Drive"), slider, 65, byDisplay(Rational(25))},
    {wxTRANSLATE("DS low gain"), slider, 66, byDisplay(Rational(4))},
    {wxTRANSLATE("DS mid gain"), slider, 67, byDisplay(Rational(8))},
    {wxTRANSLATE("L delay"), slider, 71, byDisplay(Rational(50))},
    {wxTRANSLATE("R delay"), slider, 72, byDisplay(Rational(100))},
    {wxTRANSLATE("FB delay"), slider, 73, byDisplay(Rational(200))},
    {wxTRANSLATE("FB level"), slider, 16, byDisplay(Rational(20))},
    {wxTRANSLATE("Delay mix"), slider, 69, byDisplay(Rational(64))},
    {wxTRANSLATE("OutputLevel"), slider, 70, byDisplay(Rational(55))},
    {wxTRANSLATE("Wet mix"), slider, 0, byDisplay(Rational(63))},
};

// 32 "Amp Sim"
constexpr EffectItem ampSim[] = {
    {wxTRANSLATE("Drive"), slider, 57, byDisplay(Rational(76))},
    {wxTRANSLATE("Amp type"), choice, pageParameter, byWord(wxTRANSLATE("tube")), {0x10010a, 0, 3, {}, 22}},
    {wxTRANSLATE("LPFCutoff"), slider, pageParameter, byLabel("2.5k"), {0x10010c, 34, 60, {}, 8}},
    {wxTRANSLATE("Edge"), slider, 64, byDisplay(Rational(102))},
    {wxTRANSLATE("OutputLevel"), slider, pageParameter, byDisplay(Rational(80)), {0x10010e, 0, 127}},
    {wxTRANSLATE("Wet mix"), slider, 0, byDisplay(Rational(63))},
};

// 33 "Delay LCR"
constexpr EffectItem delayLcr[] = {
    {wxTRANSLATE("L delay"), slider, 71, byDisplay(Rational(333300, 1000))},
    {wxTRANSLATE("R delay"), slider, 72, byDisplay(Rational(166700, 1000))},
    {wxTRANSLATE("C delay"), slider, 73, byDisplay(Rational(500))},
    {wxTRANSLATE("FB delay"), slider, 74, byDisplay(Rational(500))},
    {wxTRANSLATE("FB level"), slider, 75, byDisplay(Rational(10))},
    {wxTRANSLATE("C Level"), slider, 76, byDisplay(Rational(100))},
    {wxTRANSLATE("High damp"), slider, 78, byDisplay(Rational(300, 1000))},
    {wxTRANSLATE("EQ low frq"), slider, 79, byLabel("400")},
    {wxTRANSLATE("EQ low"), slider, 80, byDisplay(Rational(0))},
    {wxTRANSLATE("EQ hi frq"), slider, 81, byLabel("4.0k")},
    {wxTRANSLATE("EQ hi"), slider, 82, byDisplay(Rational(0))},
    {wxTRANSLATE("Wet mix"), slider, 0, byDisplay(Rational(-32))},
};

// 34 "Delay L,R"
constexpr EffectItem delayLr[] = {
    {wxTRANSLATE("L delay"), slider, 71, byDisplay(Rational(250))},
    {wxTRANSLATE("R delay"), slider, 72, byDisplay(Rational(375))},
    {wxTRANSLATE("FB delay 1"), slider, 73, byDisplay(Rational(375200, 1000))},
    {wxTRANSLATE("FB delay 2"), slider, 74, byDisplay(Rational(375))},
    {wxTRANSLATE("FB level"), slider, 75, byDisplay(Rational(23))},
    {wxTRANSLATE("High damp"), slider, 77, byDisplay(Rational(300, 1000))},
    {wxTRANSLATE("EQ low frq"), slider, 79, byLabel("400")},
    {wxTRANSLATE("EQ low"), slider, 80, byDisplay(Rational(0))},
    {wxTRANSLATE("EQ hi frq"), slider, 81, byLabel("4.0k")},
    {wxTRANSLATE("EQ hi"), slider, 82, byDisplay(Rational(0))},
    {wxTRANSLATE("Wet mix"), slider, 0, byDisplay(Rational(-32))},
};

// 35 "Echo"
constexpr EffectItem echo[] = {
    {wxTRANSLATE("L delay 1"), slider, 83, byDisplay(Rational(220))},
    {wxTRANSLATE("L FB level"), slider, 86, byDisplay(Rational(22))},
    {wxTRANSLATE("R delay 1"), slider, 85, byDisplay(Rational(210))},
    {wxTRANSLATE("R FB level"), slider, 16, byDisplay(Rational(21))},
    {wxTRANSLATE("High damp"), slider, 88, byDisplay(Rational(500, 1000))},
    {wxTRANSLATE("L delay 2"), slider, 89, byDisplay(Rational(230))},
    {wxTRANSLATE("R delay 2"), slider, 90, byDisplay(Rational(235))},
    {wxTRANSLATE("Delay 2 level"), slider, 91, byDisplay(Rational(62))},
    {wxTRANSLATE("EQ low frq"), slider, 79, byLabel("280")},
    {wxTRANSLATE("EQ low"), slider, 80, byDisplay(Rational(-6))},
    {wxTRANSLATE("EQ hi frq"), slider, 81, byLabel("6.3k")},
    {wxTRANSLATE("EQ hi"), slider, 82, byDisplay(Rational(-1))},
    {wxTRANSLATE("Wet mix"), slider, 0, byDisplay(Rational(-32))},
};

// 36 "CrossDelay"
constexpr EffectItem crossDelay[] = {
    {wxTRANSLATE("L to R delay"), slider, 83, byDisplay(Rational(365))},
    {wxTRANSLATE("R to L delay"), slider, 84, byDisplay(Rational(365))},
    {wxTRANSLATE("FB level"), slider, 3, byDisplay(Rational(24))},
    {wxTRANSLATE("Input select"), choice, 92, byWord(wxTRANSLATE("R"))},
    {wxTRANSLATE("High damp"), slider, 88, byDisplay(Rational(500, 1000))},
    {wxTRANSLATE("EQ low frq"), slider, 79, byLabel("355")},
    {wxTRANSLATE("EQ low"), slider, 80, byDisplay(Rational(0))},
    {wxTRANSLATE("EQ hi frq"), slider, 81, byLabel("6.3k")},
    {wxTRANSLATE("EQ hi"), slider, 82, byDisplay(Rational(-2))},
    {wxTRANSLATE("Wet mix"), slider, 0, byDisplay(Rational(-32))},
};

// 37 "ER1"
constexpr EffectItem er1[] = {
    {wxTRANSLATE("Early type"), choice, 93, byWord(wxTRANSLATE("Smallhall"))},
    {wxTRANSLATE("Room size"), slider, 95, byDisplay(Rational(4010, 1000))},
    {wxTRANSLATE("Diffusion"), slider, 96, byDisplay(Rational(5))},
    {wxTRANSLATE("InitDelay"), slider, 97, byDisplay(Rational(9500, 1000))},
    {wxTRANSLATE("FB level"), slider, 75, byDisplay(Rational(10))},
    {wxTRANSLATE("HPF cutoff"), slider, 98, byWord(wxTRANSLATE("thru"))},
    {wxTRANSLATE("LPF cutoff"), slider, 99, byLabel("4.0k")},
    {wxTRANSLATE("Liveness"), slider, 100, byDisplay(Rational(7))},
    {wxTRANSLATE("Density"), slider, 101, byDisplay(Rational(1))},
    {wxTRANSLATE("High damp"), slider, 102, byDisplay(Rational(1))},
    {wxTRANSLATE("Wet mix"), slider, 0, byDisplay(Rational(-35))},
};

// 38 "ER2"
constexpr EffectItem er2[] = {
    {wxTRANSLATE("Early type"), choice, 93, byWord(wxTRANSLATE("Random"))},
    {wxTRANSLATE("Room size"), slider, 95, byDisplay(Rational(2010, 1000))},
    {wxTRANSLATE("Diffusion"), slider, 96, byDisplay(Rational(8))},
    {wxTRANSLATE("InitDelay"), slider, 97, byDisplay(Rational(6400, 1000))},
    {wxTRANSLATE("FB level"), slider, 75, byDisplay(Rational(3))},
    {wxTRANSLATE("HPF cutoff"), slider, 98, byWord(wxTRANSLATE("thru"))},
    {wxTRANSLATE("LPF cutoff"), slider, 99, byLabel("12.0k")},
    {wxTRANSLATE("Liveness"), slider, 100, byDisplay(Rational(5))},
    {wxTRANSLATE("Density"), slider, 101, byDisplay(Rational(3))},
    {wxTRANSLATE("High damp"), slider, 102, byDisplay(Rational(1))},
    {wxTRANSLATE("Wet mix"), slider, 0, byDisplay(Rational(-35))},
};

// 39 "Gate Rev"
constexpr EffectItem gateRev[] = {
    {wxTRANSLATE("Gate type"), choice, 94, byWord(wxTRANSLATE("Type A"))},
    {wxTRANSLATE("Room size"), slider, 95, byDisplay(Rational(1050, 1000))},
    {wxTRANSLATE("Diffusion"), slider, 96, byDisplay(Rational(10))},
    {wxTRANSLATE("InitDelay"), slider, 97, byDisplay(Rational(100, 1000))},
    {wxTRANSLATE("FB level"), slider, 75, byDisplay(Rational(0))},
    {wxTRANSLATE("HPF cutoff"), slider, 98, byWord(wxTRANSLATE("thru"))},
    {wxTRANSLATE("LPF cutoff"), slider, 99, byLabel("8.0k")},
    {wxTRANSLATE("Liveness"), slider, 100, byDisplay(Rational(5))},
    {wxTRANSLATE("Density"), slider, 101, byDisplay(Rational(3))},
    {wxTRANSLATE("High damp"), slider, 102, byDisplay(Rational(500, 1000))},
    {wxTRANSLATE("Wet mix"), slider, 0, byDisplay(Rational(-12))},
};

// 40 "Revrs Gate"
constexpr EffectItem revrsGate[] = {
    {wxTRANSLATE("Gate type"), choice, 94, byWord(wxTRANSLATE("Type B"))},
    {wxTRANSLATE("Room size"), slider, 95, byDisplay(Rational(2510, 1000))},
    {wxTRANSLATE("Diffusion"), slider, 96, byDisplay(Rational(8))},
    {wxTRANSLATE("InitDelay"), slider, 97, byDisplay(Rational(4800, 1000))},
    {wxTRANSLATE("FB level"), slider, 75, byDisplay(Rational(0))},
    {wxTRANSLATE("HPF cutoff"), slider, 98, byWord(wxTRANSLATE("thru"))},
    {wxTRANSLATE("LPF cutoff"), slider, 99, byLabel("4.5k")},
    {wxTRANSLATE("Liveness"), slider, 100, byDisplay(Rational(6))},
    {wxTRANSLATE("Density"), slider, 101, byDisplay(Rational(3))},
    {wxTRANSLATE("High damp"), slider, 102, byDisplay(Rational(1))},
    {wxTRANSLATE("Wet mix"), slider, 0, byDisplay(Rational(-63))},
};

constexpr EffectPage pages[] = {
    {chorus, destinationMask({1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13})},
    {celeste, destinationMask({1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13})},
    {flanger, destinationMask({1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 13})},
    {symphonic, destinationMask({1, 2, 4, 5, 6, 7, 8, 9, 10, 11})},
    {phaser1, destinationMask({1, 2, 4, 5, 7, 8, 9, 10, 11})},
    {phaser2, destinationMask({1, 2, 4, 5, 7, 8, 9, 10, 11})},
    {pitchChng, destinationMask({5, 6, 7, 8, 9, 10})},
    {ensDetune, destinationMask({4, 5, 6, 7, 8})},
    {rotarySp, destinationMask({1, 2, 3, 4, 5, 6, 7, 8, 9, 10})},
    {twoWayRotary, destinationMask({1, 2, 3, 4, 7, 8, 9, 10})},
    {tremolo, destinationMask({1, 2, 3, 5, 6, 7, 8, 9, 10, 11})},
    {autoPan, destinationMask({1, 2, 3, 5, 6, 7, 8, 9, 10, 11})},
    {ambience, destinationMask({2, 3, 4, 5, 6, 7})},
    {aWahDist, destinationMask({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14})},
    {aWahOdrv, destinationMask({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14})},
    {tWahDist, destinationMask({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14})},
    {tWahOdrv, destinationMask({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14})},
    {wahDsDly, destinationMask({1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12})},
    {wahOdDly, destinationMask({1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12})},
    {loFi, destinationMask({1, 2, 3, 4, 5, 9})},
    {threeBandEq, destinationMask({1, 2, 3, 4, 5, 6, 7})},
    {hmEnhncer, destinationMask({1, 2, 3})},
    {noiseGate, destinationMask({1, 2, 3, 4})},
    {compressor, destinationMask({1, 2, 3, 4, 5})},
    {compDist, destinationMask({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14})},
    {cmpDsDly, destinationMask({1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12})},
    {cmpOdDly, destinationMask({1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12})},
    {distortion, destinationMask({1, 2, 3, 4, 5, 6, 7, 8, 9, 10})},
    {distDelay, destinationMask({1, 2, 3, 7, 8, 9, 10})},
    {overdrive, destinationMask({1, 2, 3, 4, 5, 6, 7, 8, 9, 10})},
    {odrvDelay, destinationMask({1, 2, 3, 7, 8, 9, 10})},
    {ampSim, destinationMask({1, 3, 4, 5, 6})},
    {delayLcr, destinationMask({5, 6, 8, 9, 10, 11, 12})},
    {delayLr, destinationMask({5, 7, 8, 9, 10, 11})},
    {echo, destinationMask({2, 4, 8, 9, 10, 11, 12, 13})},
    {crossDelay, destinationMask({3, 6, 7, 8, 9, 10})},
    {er1, destinationMask({5, 6, 7, 11})},
    {er2, destinationMask({5, 6, 7, 11})},
    {gateRev, destinationMask({5, 6, 7, 11})},
    {revrsGate, destinationMask({5, 6, 7, 11})},
};

} // namespace

std::span<const EffectPage> insertionPages() { return pages; }
