// The variation effect's 28 pages, item by item, top to bottom. The pages
// of Ens Detune, 3-Band EQ, HM Enhncer and Karaoke, and three items of Amp
// Sim, make parameters of their own.
#include "effects/VariationTables.h"

#include <wx/translation.h>

namespace {

constexpr auto slider = EffectControlKind::slider;
constexpr auto valueButton = EffectControlKind::valueButton;
constexpr auto choice = EffectControlKind::choice;

// 1 "Chorus"
constexpr EffectItem chorus[] = {
    {wxTRANSLATE("LFO freq"), slider, 0, byLabel("0.229")},
    {wxTRANSLATE("LFO depth"), slider, 1, byDisplay(Rational(46))},
    {wxTRANSLATE("FB level"), slider, 2, byDisplay(Rational(28))},
    {wxTRANSLATE("Delay offset"), slider, 3, byLabel("1.0")},
    {wxTRANSLATE("EQ low frq"), slider, 4, byLabel("200")},
    {wxTRANSLATE("EQ low"), slider, 5, byDisplay(Rational(0))},
    {wxTRANSLATE("EQ hi frq"), slider, 6, byLabel("6.3k")},
    {wxTRANSLATE("EQ hi"), slider, 7, byDisplay(Rational(0))},
    {wxTRANSLATE("Mode"), valueButton, 8, byWord(wxTRANSLATE("stereo"))},
};

// 2 "Celeste"
constexpr EffectItem celeste[] = {
    {wxTRANSLATE("LFO freq"), slider, 0, byLabel("0.687")},
    {wxTRANSLATE("LFO depth"), slider, 1, byDisplay(Rational(25))},
    {wxTRANSLATE("FB level"), slider, 2, byDisplay(Rational(30))},
    {wxTRANSLATE("Delay offset"), slider, 3, byLabel("12.2")},
    {wxTRANSLATE("EQ low frq"), slider, 4, byLabel("500")},
    {wxTRANSLATE("EQ low"), slider, 5, byDisplay(Rational(0))},
    {wxTRANSLATE("EQ hi frq"), slider, 6, byLabel("4.0k")},
    {wxTRANSLATE("EQ hi"), slider, 7, byDisplay(Rational(0))},
    {wxTRANSLATE("Mode"), valueButton, 8, byWord(wxTRANSLATE("stereo"))},
};

// 3 "Flanger"
constexpr EffectItem flanger[] = {
    {wxTRANSLATE("LFO freq"), slider, 0, byLabel("0.504")},
    {wxTRANSLATE("LFO depth"), slider, 1, byDisplay(Rational(30))},
    {wxTRANSLATE("FB level"), slider, 2, byDisplay(Rational(40))},
    {wxTRANSLATE("Delay offset"), slider, 3, byLabel("0.2")},
    {wxTRANSLATE("EQ low frq"), slider, 4, byLabel("200")},
    {wxTRANSLATE("EQ low"), slider, 5, byDisplay(Rational(0))},
    {wxTRANSLATE("EQ hi frq"), slider, 6, byLabel("6.3k")},
    {wxTRANSLATE("EQ hi"), slider, 7, byDisplay(Rational(0))},
    {wxTRANSLATE("LFO phase"), slider, 9, byDisplay(Rational(-180))},
};

// 4 "Symphonic"
constexpr EffectItem symphonic[] = {
    {wxTRANSLATE("LFO freq"), slider, 0, byLabel("0.458")},
    {wxTRANSLATE("LFO depth"), slider, 1, byDisplay(Rational(40))},
    {wxTRANSLATE("Delay offset"), slider, 10, byLabel("0.0")},
    {wxTRANSLATE("EQ low frq"), slider, 4, byLabel("250")},
    {wxTRANSLATE("EQ low"), slider, 5, byDisplay(Rational(0))},
    {wxTRANSLATE("EQ hi frq"), slider, 6, byLabel("6.3k")},
    {wxTRANSLATE("EQ hi"), slider, 7, byDisplay(Rational(0))},
};

// 5 "Phaser1"
constexpr EffectItem phaser1[] = {
    {wxTRANSLATE("LFO freq"), slider, 0, byLabel("0.916")},
    {wxTRANSLATE("LFO depth"), slider, 1, byDisplay(Rational(111))},
    {wxTRANSLATE("Phase shift"), slider, 11, byDisplay(Rational(76))},
    {wxTRANSLATE("FB level"), slider, 12, byDisplay(Rational(51))},
    {wxTRANSLATE("Stages"), slider, 13, byDisplay(Rational(6))},
    {wxTRANSLATE("Diffuse"), valueButton, 14, byWord(wxTRANSLATE("stereo"))},
    {wxTRANSLATE("EQ low frq"), slider, 4, byLabel("280")},
    {wxTRANSLATE("EQ low"), slider, 5, byDisplay(Rational(0))},
    {wxTRANSLATE("EQ hi frq"), slider, 6, byLabel("6.3k")},
    {wxTRANSLATE("EQ hi"), slider, 7, byDisplay(Rational(0))},
};

// 6 "Phaser2"
constexpr EffectItem phaser2[] = {
    {wxTRANSLATE("LFO freq"), slider, 0, byLabel("0.091")},
    {wxTRANSLATE("LFO depth"), slider, 1, byDisplay(Rational(127))},
    {wxTRANSLATE("Phase shift"), slider, 11, byDisplay(Rational(25))},
    {wxTRANSLATE("FB level"), slider, 12, byDisplay(Rational(51))},
    {wxTRANSLATE("Stages"), slider, 15, byDisplay(Rational(5))},
    {wxTRANSLATE("LFO phase"), slider, 16, byDisplay(Rational(-180))},
    {wxTRANSLATE("EQ low frq"), slider, 4, byLabel("200")},
    {wxTRANSLATE("EQ low"), slider, 5, byDisplay(Rational(0))},
    {wxTRANSLATE("EQ hi frq"), slider, 6, byLabel("5.6k")},
    {wxTRANSLATE("EQ hi"), slider, 7, byDisplay(Rational(0))},
};

// 7 "Ens Detune"
constexpr EffectItem ensDetune[] = {
    {wxTRANSLATE("Detune"), slider, pageParameter, byDisplay(Rational(-30)), {0x100068, 14, 114, shifted(-64)}},
    {wxTRANSLATE("InitDelayL"), slider, pageParameter, byLabel("1.0"), {0x10006a, 0, 127, {}, 11}},
    {wxTRANSLATE("InitDelayR"), slider, pageParameter, byLabel("3.0"), {0x10006c, 0, 127, {}, 11}},
    {wxTRANSLATE("EQ low frq"), slider, pageParameter, byLabel("250"), {0x10007c, 4, 40, {}, 8}},
    {wxTRANSLATE("EQ low"), slider, pageParameter, byDisplay(Rational(0)), {0x10007e, 52, 76, shifted(-64)}},
    {wxTRANSLATE("EQ hi frq"), slider, pageParameter, byLabel("5.0k"), {0x100100, 28, 58, {}, 8}},
    {wxTRANSLATE("EQ hi"), slider, pageParameter, byDisplay(Rational(0)), {0x100102, 52, 76, shifted(-64)}},
};

// 8 "Rotary SP"
constexpr EffectItem rotarySp[] = {
    {wxTRANSLATE("LFO freq"), slider, 0, byLabel("2.335")},
    {wxTRANSLATE("LFO depth"), slider, 1, byDisplay(Rational(76))},
    {wxTRANSLATE("EQ low frq"), slider, 4, byLabel("250")},
    {wxTRANSLATE("EQ low"), slider, 5, byDisplay(Rational(0))},
    {wxTRANSLATE("EQ hi frq"), slider, 6, byLabel("5.0k")},
    {wxTRANSLATE("EQ hi"), slider, 7, byDisplay(Rational(0))},
};

// 9 "Tremolo"
constexpr EffectItem tremolo[] = {
    {wxTRANSLATE("LFO freq"), slider, 0, byLabel("5.493")},
    {wxTRANSLATE("AM depth"), slider, 17, byDisplay(Rational(60))},
    {wxTRANSLATE("PM depth"), slider, 18, byDisplay(Rational(20))},
    {wxTRANSLATE("LFO phase"), slider, 9, byDisplay(Rational(0))},
    {wxTRANSLATE("EQ low frq"), slider, 4, byLabel("280")},
    {wxTRANSLATE("EQ low"), slider, 5, byDisplay(Rational(0))},
    {wxTRANSLATE("EQ hi frq"), slider, 6, byLabel("2.0k")},
    {wxTRANSLATE("EQ hi"), slider, 7, byDisplay(Rational(0))},
    {wxTRANSLATE("Mode"), valueButton, 8, byWord(wxTRANSLATE("mono"))},
};

// 10 "Auto Pan"
constexpr EffectItem autoPan[] = {
    {wxTRANSLATE("LFO freq"), slider, 0, byLabel("4.028")},
    {wxTRANSLATE("L/R depth"), slider, 17, byDisplay(Rational(127))},
    {wxTRANSLATE("F/R depth"), slider, 18, byDisplay(Rational(32))},
    {wxTRANSLATE("Pan dir"), choice, 19, byWord(wxTRANSLATE("L/R"))},
    {wxTRANSLATE("EQ low frq"), slider, 4, byLabel("225")},
    {wxTRANSLATE("EQ low"), slider, 5, byDisplay(Rational(0))},
    {wxTRANSLATE("EQ hi frq"), slider, 6, byLabel("4.0k")},
    {wxTRANSLATE("EQ hi"), slider, 7, byDisplay(Rational(12))},
};

// 11 "Auto Wah"
constexpr EffectItem autoWah[] = {
    {wxTRANSLATE("LFO freq"), slider, 0, byLabel("1.282")},
    {wxTRANSLATE("LFO depth"), slider, 1, byDisplay(Rational(66))},
    {wxTRANSLATE("Cutoff freq"), slider, 20, byDisplay(Rational(33))},
    {wxTRANSLATE("Resonance"), slider, 21, byDisplay(Rational(3800, 1000))},
    {wxTRANSLATE("EQ low frq"), slider, 4, byLabel("280")},
    {wxTRANSLATE("EQ low"), slider, 5, byDisplay(Rational(0))},
    {wxTRANSLATE("EQ hi frq"), slider, 6, byLabel("5.0k")},
    {wxTRANSLATE("EQ hi"), slider, 7, byDisplay(Rational(0))},
};

// 12 "Touch Wah"
constexpr EffectItem touchWah[] = {
    {wxTRANSLATE("Sensitivity"), slider, 22, byDisplay(Rational(46))},
    {wxTRANSLATE("Cutoff freq"), slider, 23, byDisplay(Rational(28))},
    {wxTRANSLATE("Resonance"), slider, 24, byDisplay(Rational(2300, 1000))},
    {wxTRANSLATE("EQ low frq"), slider, 4, byLabel("180")},
    {wxTRANSLATE("EQ low"), slider, 5, byDisplay(Rational(0))},
    {wxTRANSLATE("EQ hi frq"), slider, 6, byLabel("5.0k")},
    {wxTRANSLATE("EQ hi"), slider, 7, byDisplay(Rational(0))},
};

// 13 "3-Band EQ"
constexpr EffectItem threeBandEq[] = {
    {wxTRANSLATE("Low freq"), slider, pageParameter, byLabel("180"), {0x100072, 8, 40, {}, 8}},
    {wxTRANSLATE("Low gain"), slider, pageParameter, byDisplay(Rational(0)), {0x100068, 52, 76, shifted(-64)}},
    {wxTRANSLATE("Mid freq"), slider, pageParameter, byLabel("1.0k"), {0x10006a, 14, 54, {}, 8}},
    {wxTRANSLATE("Mid gain"), slider, pageParameter, byDisplay(Rational(0)), {0x10006c, 52, 76, shifted(-64)}},
    {wxTRANSLATE("Mid Q"), slider, pageParameter, byDisplay(Rational(5000, 1000)),
        {0x10006e, 10, 120, scaled(Rational(1, 10))}},
    {wxTRANSLATE("High freq"), slider, pageParameter, byLabel("8.0k"), {0x100074, 28, 58, {}, 8}},
    {wxTRANSLATE("High gain"), slider, pageParameter, byDisplay(Rational(0)), {0x100070, 52, 76, shifted(-64)}},
    {wxTRANSLATE("Mode"), valueButton, pageParameter, byWord(wxTRANSLATE("mono")), {0x100104, 0, 1, {}, 12}},
};

// 14 "HM Enhncer"
constexpr EffectItem hmEnhncer[] = {
    {wxTRANSLATE("HPFCutoff"), slider, pageParameter, byLabel("5.6k"), {0x100068, 28, 58, {}, 8}},
    {wxTRANSLATE("Drive"), slider, pageParameter, byDisplay(Rational(20)), {0x10006a, 0, 127}},
    {wxTRANSLATE("Mix level"), slider, pageParameter, byDisplay(Rational(30)), {0x10006c, 0, 127}},
};

// 15 "Noise Gate"
constexpr EffectItem noiseGate[] = {
    {wxTRANSLATE("Attack"), slider, 25, byLabel("1")},
    {wxTRANSLATE("Release"), slider, 26, byLabel("140")},
    {wxTRANSLATE("Threshold"), slider, 27, byDisplay(Rational(-45))},
    {wxTRANSLATE("OutputLevel"), slider, 28, byDisplay(Rational(50))},
};

// 16 "Compressor"
constexpr EffectItem compressor[] = {
    {wxTRANSLATE("Attack"), slider, 25, byLabel("12")},
    {wxTRANSLATE("Release"), slider, 26, byLabel("25")},
    {wxTRANSLATE("Threshold"), slider, 29, byDisplay(Rational(-28))},
    {wxTRANSLATE("Ratio"), slider, 30, byLabel("5.0")},
    {wxTRANSLATE("OutputLevel"), slider, 31, byDisplay(Rational(80))},
};

// 17 "Distortion"
constexpr EffectItem distortion[] = {
    {wxTRANSLATE("Drive"), slider, 32, byDisplay(Rational(60))},
    {wxTRANSLATE("EQ low frq"), slider, 33, byLabel("180")},
    {wxTRANSLATE("EQ low"), slider, 34, byDisplay(Rational(8))},
    {wxTRANSLATE("EQ mid frq"), slider, 35, byLabel("1.1k")},
    {wxTRANSLATE("EQ mid"), slider, 36, byDisplay(Rational(10))},
    {wxTRANSLATE("EQ mid Q"), slider, 37, byDisplay(Rational(1))},
    {wxTRANSLATE("LPFCutoff"), slider, 38, byLabel("9.0k")},
    {wxTRANSLATE("Edge"), slider, 39, byDisplay(Rational(80))},
    {wxTRANSLATE("OutputLevel"), slider, 31, byDisplay(Rational(48))},
};

// 18 "Overdrive"
constexpr EffectItem overdrive[] = {
    {wxTRANSLATE("Drive"), slider, 32, byDisplay(Rational(29))},
    {wxTRANSLATE("EQ low frq"), slider, 33, byLabel("315")},
    {wxTRANSLATE("EQ low"), slider, 34, byDisplay(Rational(4))},
    {wxTRANSLATE("EQ mid frq"), slider, 35, byLabel("1.2k")},
    {wxTRANSLATE("EQ mid"), slider, 36, byDisplay(Rational(8))},
    {wxTRANSLATE("EQ mid Q"), slider, 37, byDisplay(Rational(1))},
    {wxTRANSLATE("LPFCutoff"), slider, 38, byLabel("4.0k")},
    {wxTRANSLATE("Edge"), slider, 39, byDisplay(Rational(104))},
    {wxTRANSLATE("OutputLevel"), slider, 31, byDisplay(Rational(55))},
};

// 19 "Amp Sim"
constexpr EffectItem ampSim[] = {
    {wxTRANSLATE("Drive"), slider, 32, byDisplay(Rational(76))},
    {wxTRANSLATE("Amp type"), choice, pageParameter, byWord(wxTRANSLATE("tube")), {0x10006a, 0, 3, {}, 22}},
    {wxTRANSLATE("LPFCutoff"), slider, pageParameter, byLabel("2.5k"), {0x10006c, 34, 60, {}, 8}},
    {wxTRANSLATE("Edge"), slider, 39, byDisplay(Rational(102))},
    {wxTRANSLATE("OutputLevel"), slider, pageParameter, byDisplay(Rational(55)), {0x10006e, 0, 127}},
};

// 20 "Delay LCR"
constexpr EffectItem delayLcr[] = {
    {wxTRANSLATE("L delay"), slider, 40, byDisplay(Rational(333300, 1000))},
    {wxTRANSLATE("R delay"), slider, 41, byDisplay(Rational(166700, 1000))},
    {wxTRANSLATE("C delay"), slider, 42, byDisplay(Rational(500))},
    {wxTRANSLATE("FB delay"), slider, 43, byDisplay(Rational(500))},
    {wxTRANSLATE("FB level"), slider, 44, byDisplay(Rational(10))},
    {wxTRANSLATE("C Level"), slider, 45, byDisplay(Rational(100))},
    {wxTRANSLATE("High damp"), slider, 47, byDisplay(Rational(300, 1000))},
    {wxTRANSLATE("EQ low frq"), slider, 48, byLabel("400")},
    {wxTRANSLATE("EQ low"), slider, 49, byDisplay(Rational(0))},
    {wxTRANSLATE("EQ hi frq"), slider, 50, byLabel("4.0k")},
    {wxTRANSLATE("EQ hi"), slider, 51, byDisplay(Rational(0))},
};

// 21 "Delay L,R"
constexpr EffectItem delayLr[] = {
    {wxTRANSLATE("L delay"), slider, 40, byDisplay(Rational(250))},
    {wxTRANSLATE("R delay"), slider, 41, byDisplay(Rational(375))},
    {wxTRANSLATE("FB delay 1"), slider, 42, byDisplay(Rational(375200, 1000))},
    {wxTRANSLATE("FB delay 2"), slider, 43, byDisplay(Rational(375))},
    {wxTRANSLATE("FB level"), slider, 44, byDisplay(Rational(23))},
    {wxTRANSLATE("High damp"), slider, 46, byDisplay(Rational(300, 1000))},
    {wxTRANSLATE("EQ low frq"), slider, 48, byLabel("400")},
    {wxTRANSLATE("EQ low"), slider, 49, byDisplay(Rational(0))},
    {wxTRANSLATE("EQ hi frq"), slider, 50, byLabel("4.0k")},
    {wxTRANSLATE("EQ hi"), slider, 51, byDisplay(Rational(0))},
};

// 22 "Echo"
constexpr EffectItem echo[] = {
    {wxTRANSLATE("L delay 1"), slider, 52, byDisplay(Rational(220))},
    {wxTRANSLATE("L FB level"), slider, 55, byDisplay(Rational(22))},
    {wxTRANSLATE("R delay 1"), slider, 54, byDisplay(Rational(210))},
    {wxTRANSLATE("R FB level"), slider, 56, byDisplay(Rational(21))},
    {wxTRANSLATE("High damp"), slider, 57, byDisplay(Rational(500, 1000))},
    {wxTRANSLATE("L delay 2"), slider, 58, byDisplay(Rational(230))},
    {wxTRANSLATE("R delay 2"), slider, 59, byDisplay(Rational(235))},
    {wxTRANSLATE("Delay 2 level"), slider, 60, byDisplay(Rational(62))},
    {wxTRANSLATE("EQ low frq"), slider, 48, byLabel("280")},
    {wxTRANSLATE("EQ low"), slider, 49, byDisplay(Rational(-6))},
    {wxTRANSLATE("EQ hi frq"), slider, 50, byLabel("6.3k")},
    {wxTRANSLATE("EQ hi"), slider, 51, byDisplay(Rational(-1))},
};

// 23 "CrossDelay"
constexpr EffectItem crossDelay[] = {
    {wxTRANSLATE("L to R delay"), slider, 52, byDisplay(Rational(365))},
    {wxTRANSLATE("R to L delay"), slider, 53, byDisplay(Rational(365))},
    {wxTRANSLATE("FB level"), slider, 2, byDisplay(Rational(24))},
    {wxTRANSLATE("Input select"), choice, 61, byWord(wxTRANSLATE("R"))},
    {wxTRANSLATE("High damp"), slider, 57, byDisplay(Rational(500, 1000))},
    {wxTRANSLATE("EQ low frq"), slider, 48, byLabel("355")},
    {wxTRANSLATE("EQ low"), slider, 49, byDisplay(Rational(0))},
    {wxTRANSLATE("EQ hi frq"), slider, 50, byLabel("6.3k")},
    {wxTRANSLATE("EQ hi"), slider, 51, byDisplay(Rational(-2))},
};

// 24 "Karaoke"
constexpr EffectItem karaoke[] = {
    {wxTRANSLATE("DelayTime"), slider, pageParameter, byDisplay(Rational(198500, 1000)),
        {0x100068, 0, 127, scaled(Rational(3999, 1270), Rational(100, 1000))}},
    {wxTRANSLATE("FB level"), slider, pageParameter, byDisplay(Rational(33)), {0x10006a, 1, 127, shifted(-64)}},
    {wxTRANSLATE("HPF cutoff"), slider, pageParameter, byWord(wxTRANSLATE("thru")), {0x10006c, 0, 52, {}, 8}},
    {wxTRANSLATE("LPF cutoff"), slider, pageParameter, byLabel("5.0k"), {0x10006e, 34, 60, {}, 8}},
};

// 25 "Hall"
constexpr EffectItem hall[] = {
    {wxTRANSLATE("Rev Time"), slider, 62, byLabel("2.1")},
    {wxTRANSLATE("Diffusion"), slider, 63, byDisplay(Rational(10))},
    {wxTRANSLATE("Init Delay"), slider, 64, byDisplay(Rational(12700, 1000))},
    {wxTRANSLATE("HPF"), slider, 65, byLabel("90")},
    {wxTRANSLATE("LPF"), slider, 66, byLabel("5.6k")},
    {wxTRANSLATE("Density"), slider, 67, byDisplay(Rational(2))},
    {wxTRANSLATE("ER / Rev"), slider, 68, byDisplay(Rational(-14))},
    {wxTRANSLATE("High damp"), slider, 69, byDisplay(Rational(800, 1000))},
    {wxTRANSLATE("FB level"), slider, 70, byDisplay(Rational(0))},
};

// 26 "Room"
constexpr EffectItem room[] = {
    {wxTRANSLATE("Rev Time"), slider, 62, byLabel("0.8")},
    {wxTRANSLATE("Diffusion"), slider, 63, byDisplay(Rational(10))},
    {wxTRANSLATE("Init Delay"), slider, 64, byDisplay(Rational(25300, 1000))},
    {wxTRANSLATE("HPF"), slider, 65, byLabel("32")},
    {wxTRANSLATE("LPF"), slider, 66, byLabel("5.6k")},
    {wxTRANSLATE("Density"), slider, 67, byDisplay(Rational(2))},
    {wxTRANSLATE("ER / Rev"), slider, 68, byDisplay(Rational(0))},
    {wxTRANSLATE("High damp"), slider, 69, byDisplay(Rational(800, 1000))},
    {wxTRANSLATE("FB level"), slider, 70, byDisplay(Rational(0))},
};

// 27 "Stage"
constexpr EffectItem stage[] = {
    {wxTRANSLATE("Rev Time"), slider, 62, byLabel("2.2")},
    {wxTRANSLATE("Diffusion"), slider, 63, byDisplay(Rational(10))},
    {wxTRANSLATE("Init Delay"), slider, 64, byDisplay(Rational(25300, 1000))},
    {wxTRANSLATE("HPF"), slider, 65, byLabel("45")},
    {wxTRANSLATE("LPF"), slider, 66, byLabel("10.0k")},
    {wxTRANSLATE("Density"), slider, 67, byDisplay(Rational(2))},
    {wxTRANSLATE("ER / Rev"), slider, 68, byDisplay(Rational(0))},
    {wxTRANSLATE("High damp"), slider, 69, byDisplay(Rational(600, 1000))},
    {wxTRANSLATE("FB level"), slider, 70, byDisplay(Rational(0))},
};

// 28 "Plate"
constexpr EffectItem plate[] = {
    {wxTRANSLATE("Rev Time"), slider, 62, byLabel("2.8")},
    {wxTRANSLATE("Diffusion"), slider, 63, byDisplay(Rational(10))},
    {wxTRANSLATE("Init Delay"), slider, 64, byDisplay(Rational(9500, 1000))},
    {wxTRANSLATE("HPF"), slider, 65, byLabel("50")},
    {wxTRANSLATE("LPF"), slider, 66, byLabel("5.6k")},
    {wxTRANSLATE("Density"), slider, 67, byDisplay(Rational(2))},
    {wxTRANSLATE("ER / Rev"), slider, 68, byDisplay(Rational(0))},
    {wxTRANSLATE("High damp"), slider, 69, byDisplay(Rational(500, 1000))},
    {wxTRANSLATE("FB level"), slider, 70, byDisplay(Rational(0))},
};

constexpr EffectPage pages[] = {
    {chorus},
    {celeste},
    {flanger},
    {symphonic},
    {phaser1},
    {phaser2},
    {ensDetune},
    {rotarySp},
    {tremolo},
    {autoPan},
    {autoWah},
    {touchWah},
    {threeBandEq},
    {hmEnhncer},
    {noiseGate},
    {compressor},
    {distortion},
    {overdrive},
    {ampSim},
    {delayLcr},
    {delayLr},
    {echo},
    {crossDelay},
    {karaoke},
    {hall},
    {room},
    {stage},
    {plate},
};

} // namespace

std::span<const EffectPage> variationPages() { return pages; }
