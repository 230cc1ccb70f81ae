// The reverb effect's 16 pages, item by item, top to bottom.
#include "effects/ReverbTables.h"

#include <wx/translation.h>

namespace {

constexpr auto slider = EffectControlKind::slider;
constexpr auto choice = EffectControlKind::choice;

// 1 "Hall1"
constexpr EffectItem hall1[] = {
    {wxTRANSLATE("Rev Time"), slider, 0, byLabel("2.0")},
    {wxTRANSLATE("Diffusion"), slider, 1, byDisplay(Rational(10))},
    {wxTRANSLATE("Init Delay"), slider, 2, byDisplay(Rational(14300, 1000))},
    {wxTRANSLATE("HPF"), slider, 3, byLabel("315")},
    {wxTRANSLATE("LPF"), slider, 4, byLabel("5.6k")},
    {wxTRANSLATE("Rev Delay"), slider, 9, byDisplay(Rational(53600, 1000))},
    {wxTRANSLATE("Density"), slider, 10, byDisplay(Rational(4))},
    {wxTRANSLATE("ER / Rev"), slider, 11, byDisplay(Rational(5))},
    {wxTRANSLATE("High damp"), slider, 12, byDisplay(Rational(1000, 1000))},
    {wxTRANSLATE("FB level"), slider, 13, byDisplay(Rational(0))},
};

// 2 "Hall2"
constexpr EffectItem hall2[] = {
    {wxTRANSLATE("Rev Time"), slider, 0, byLabel("3.0")},
    {wxTRANSLATE("Diffusion"), slider, 1, byDisplay(Rational(10))},
    {wxTRANSLATE("Init Delay"), slider, 2, byDisplay(Rational(44200, 1000))},
    {wxTRANSLATE("HPF"), slider, 3, byLabel("40")},
    {wxTRANSLATE("LPF"), slider, 4, byLabel("4.0k")},
    {wxTRANSLATE("Rev Delay"), slider, 9, byDisplay(Rational(44200, 1000))},
    {wxTRANSLATE("Density"), slider, 10, byDisplay(Rational(3))},
    {wxTRANSLATE("ER / Rev"), slider, 11, byDisplay(Rational(36))},
    {wxTRANSLATE("High damp"), slider, 12, byDisplay(Rational(1000, 1000))},
    {wxTRANSLATE("FB level"), slider, 13, byDisplay(Rational(0))},
};

// 3 "Room1"
constexpr EffectItem room1[] = {
    {wxTRANSLATE("Rev Time"), slider, 0, byLabel("1.4")},
    {wxTRANSLATE("Diffusion"), slider, 1, byDisplay(Rational(8))},
    {wxTRANSLATE("Init Delay"), slider, 2, byDisplay(Rational(19000, 1000))},
    {wxTRANSLATE("HPF"), slider, 3, byLabel("355")},
    {wxTRANSLATE("LPF"), slider, 4, byLabel("9.0k")},
    {wxTRANSLATE("Rev Delay"), slider, 9, byDisplay(Rational(23700, 1000))},
    {wxTRANSLATE("Density"), slider, 10, byDisplay(Rational(4))},
    {wxTRANSLATE("ER / Rev"), slider, 11, byDisplay(Rational(10))},
    {wxTRANSLATE("High damp"), slider, 12, byDisplay(Rational(1000, 1000))},
    {wxTRANSLATE("FB level"), slider, 13, byDisplay(Rational(0))},
};

// 4 "Room2"
constexpr EffectItem room2[] = {
    {wxTRANSLATE("Rev Time"), slider, 0, byLabel("1.2")},
    {wxTRANSLATE("Diffusion"), slider, 1, byDisplay(Rational(10))},
    {wxTRANSLATE("Init Delay"), slider, 2, byDisplay(Rational(12700, 1000))},
    {wxTRANSLATE("HPF"), slider, 3, byLabel("110")},
    {wxTRANSLATE("LPF"), slider, 4, byWord(wxTRANSLATE("thru"))},
    {wxTRANSLATE("Rev Delay"), slider, 9, byDisplay(Rational(17400, 1000))},
    {wxTRANSLATE("Density"), slider, 10, byDisplay(Rational(4))},
    {wxTRANSLATE("ER / Rev"), slider, 11, byDisplay(Rational(-18))},
    {wxTRANSLATE("High damp"), slider, 12, byDisplay(Rational(700, 1000))},
    {wxTRANSLATE("FB level"), slider, 13, byDisplay(Rational(0))},
};

// 5 "Room3"
constexpr EffectItem room3[] = {
    {wxTRANSLATE("Rev Time"), slider, 0, byLabel("0.9")},
    {wxTRANSLATE("Diffusion"), slider, 1, byDisplay(Rational(10))},
    {wxTRANSLATE("Init Delay"), slider, 2, byDisplay(Rational(100, 1000))},
    {wxTRANSLATE("HPF"), slider, 3, byLabel("110")},
    {wxTRANSLATE("LPF"), slider, 4, byLabel("4.0k")},
    {wxTRANSLATE("Rev Delay"), slider, 9, byDisplay(Rational(14300, 1000))},
    {wxTRANSLATE("Density"), slider, 10, byDisplay(Rational(4))},
    {wxTRANSLATE("ER / Rev"), slider, 11, byDisplay(Rational(-15))},
    {wxTRANSLATE("High damp"), slider, 12, byDisplay(Rational(500, 1000))},
    {wxTRANSLATE("FB level"), slider, 13, byDisplay(Rational(0))},
};

// 6 "Stage1"
constexpr EffectItem stage1[] = {
    {wxTRANSLATE("Rev Time"), slider, 0, byLabel("1.5")},
    {wxTRANSLATE("Diffusion"), slider, 1, byDisplay(Rational(10))},
    {wxTRANSLATE("Init Delay"), slider, 2, byDisplay(Rational(25300, 1000))},
    {wxTRANSLATE("HPF"), slider, 3, byLabel("45")},
    {wxTRANSLATE("LPF"), slider, 4, byLabel("7.0k")},
    {wxTRANSLATE("Rev Delay"), slider, 9, byDisplay(Rational(45700, 1000))},
    {wxTRANSLATE("Density"), slider, 10, byDisplay(Rational(3))},
    {wxTRANSLATE("ER / Rev"), slider, 11, byDisplay(Rational(-3))},
    {wxTRANSLATE("High damp"), slider, 12, byDisplay(Rational(500, 1000))},
    {wxTRANSLATE("FB level"), slider, 13, byDisplay(Rational(15))},
};

// 7 "Stage2"
constexpr EffectItem stage2[] = {
    {wxTRANSLATE("Rev Time"), slider, 0, byLabel("1.0")},
    {wxTRANSLATE("Diffusion"), slider, 1, byDisplay(Rational(10))},
    {wxTRANSLATE("Init Delay"), slider, 2, byDisplay(Rational(100, 1000))},
    {wxTRANSLATE("HPF"), slider, 3, byWord(wxTRANSLATE("thru"))},
    {wxTRANSLATE("LPF"), slider, 4, byLabel("12.0k")},
    {wxTRANSLATE("Rev Delay"), slider, 9, byDisplay(Rational(45700, 1000))},
    {wxTRANSLATE("Density"), slider, 10, byDisplay(Rational(4))},
    {wxTRANSLATE("ER / Rev"), slider, 11, byDisplay(Rational(-18))},
    {wxTRANSLATE("High damp"), slider, 12, byDisplay(Rational(600, 1000))},
    {wxTRANSLATE("FB level"), slider, 13, byDisplay(Rational(9))},
};

// 8 "Plate"
constexpr EffectItem plate[] = {
    {wxTRANSLATE("Rev Time"), slider, 0, byLabel("1.8")},
    {wxTRANSLATE("Diffusion"), slider, 1, byDisplay(Rational(5))},
    {wxTRANSLATE("Init Delay"), slider, 2, byDisplay(Rational(11100, 1000))},
    {wxTRANSLATE("HPF"), slider, 3, byLabel("40")},
    {wxTRANSLATE("LPF"), slider, 4, byLabel("10.0k")},
    {wxTRANSLATE("Rev Delay"), slider, 9, byDisplay(Rational(3200, 1000))},
    {wxTRANSLATE("Density"), slider, 10, byDisplay(Rational(3))},
    {wxTRANSLATE("ER / Rev"), slider, 11, byDisplay(Rational(0))},
    {wxTRANSLATE("High damp"), slider, 12, byDisplay(Rational(700, 1000))},
    {wxTRANSLATE("FB level"), slider, 13, byDisplay(Rational(20))},
};

// 9 "White room"
constexpr EffectItem whiteRoom[] = {
    {wxTRANSLATE("Rev Time"), slider, 0, byLabel("0.4")},
    {wxTRANSLATE("Diffusion"), slider, 1, byDisplay(Rational(5))},
    {wxTRANSLATE("Init Delay"), slider, 2, byDisplay(Rational(100, 1000))},
    {wxTRANSLATE("HPF"), slider, 3, byLabel("70")},
    {wxTRANSLATE("LPF"), slider, 4, byLabel("1.6k")},
    {wxTRANSLATE("Width"), slider, 5, byLabel("4.6")},
    {wxTRANSLATE("Height"), slider, 6, byLabel("20.2")},
    {wxTRANSLATE("Depth"), slider, 7, byLabel("30.2")},
    {wxTRANSLATE("Wall vary"), slider, 8, byDisplay(Rational(6))},
    {wxTRANSLATE("Rev Delay"), slider, 9, byDisplay(Rational(12700, 1000))},
    {wxTRANSLATE("Density"), slider, 10, byDisplay(Rational(4))},
    {wxTRANSLATE("ER / Rev"), slider, 11, byDisplay(Rational(0))},
    {wxTRANSLATE("High damp"), slider, 12, byDisplay(Rational(400, 1000))},
    {wxTRANSLATE("FB level"), slider, 13, byDisplay(Rational(5))},
};

// 10 "Tunnel"
constexpr EffectItem tunnel[] = {
    {wxTRANSLATE("Rev Time"), slider, 0, byLabel("2.3")},
    {wxTRANSLATE("Diffusion"), slider, 1, byDisplay(Rational(6))},
    {wxTRANSLATE("Init Delay"), slider, 2, byDisplay(Rational(15800, 1000))},
    {wxTRANSLATE("HPF"), slider, 3, byWord(wxTRANSLATE("thru"))},
    {wxTRANSLATE("LPF"), slider, 4, byLabel("3.2k")},
    {wxTRANSLATE("Width"), slider, 5, byLabel("9.1")},
    {wxTRANSLATE("Height"), slider, 6, byLabel("14.2")},
    {wxTRANSLATE("Depth"), slider, 7, byLabel("19.4")},
    {wxTRANSLATE("Wall vary"), slider, 8, byDisplay(Rational(16))},
    {wxTRANSLATE("Rev Delay"), slider, 9, byDisplay(Rational(31600, 1000))},
    {wxTRANSLATE("Density"), slider, 10, byDisplay(Rational(4))},
    {wxTRANSLATE("ER / Rev"), slider, 11, byDisplay(Rational(-10))},
    {wxTRANSLATE("High damp"), slider, 12, byDisplay(Rational(1))},
    {wxTRANSLATE("FB level"), slider, 13, byDisplay(Rational(43))},
};

// 11 "Basement"
constexpr EffectItem basement[] = {
    {wxTRANSLATE("Rev Time"), slider, 0, byLabel("0.8")},
    {wxTRANSLATE("Diffusion"), slider, 1, byDisplay(Rational(6))},
    {wxTRANSLATE("Init Delay"), slider, 2, byDisplay(Rational(4800, 1000))},
    {wxTRANSLATE("HPF"), slider, 3, byWord(wxTRANSLATE("thru"))},
    {wxTRANSLATE("LPF"), slider, 4, byLabel("1.0k")},
    {wxTRANSLATE("Width"), slider, 5, byLabel("7.2")},
    {wxTRANSLATE("Height"), slider, 6, byLabel("0.5")},
    {wxTRANSLATE("Depth"), slider, 7, byLabel("10.2")},
    {wxTRANSLATE("Wall vary"), slider, 8, byDisplay(Rational(15))},
    {wxTRANSLATE("Rev Delay"), slider, 9, byDisplay(Rational(50500, 1000))},
    {wxTRANSLATE("Density"), slider, 10, byDisplay(Rational(3))},
    {wxTRANSLATE("ER / Rev"), slider, 11, byDisplay(Rational(10))},
    {wxTRANSLATE("High damp"), slider, 12, byDisplay(Rational(1))},
    {wxTRANSLATE("FB level"), slider, 13, byDisplay(Rational(-28))},
};

// 12 "Canyon"
constexpr EffectItem canyon[] = {
    {wxTRANSLATE("Rev Time"), slider, 0, byLabel("12.0")},
    {wxTRANSLATE("Diffusion"), slider, 1, byDisplay(Rational(6))},
    {wxTRANSLATE("Init Delay"), slider, 2, byDisplay(Rational(99300, 1000))},
    {wxTRANSLATE("HPF"), slider, 3, byWord(wxTRANSLATE("thru"))},
    {wxTRANSLATE("LPF"), slider, 4, byLabel("3.6k")},
    {wxTRANSLATE("Width"), slider, 5, byLabel("9.4")},
    {wxTRANSLATE("Height"), slider, 6, byLabel("17.1")},
    {wxTRANSLATE("Depth"), slider, 7, byLabel("25.8")},
    {wxTRANSLATE("Wall vary"), slider, 8, byDisplay(Rational(13))},
    {wxTRANSLATE("Rev Delay"), slider, 9, byDisplay(Rational(17400, 1000))},
    {wxTRANSLATE("Density"), slider, 10, byDisplay(Rational(4))},
    {wxTRANSLATE("ER / Rev"), slider, 11, byDisplay(Rational(8))},
    {wxTRANSLATE("High damp"), slider, 12, byDisplay(Rational(400, 1000))},
    {wxTRANSLATE("FB level"), slider, 13, byDisplay(Rational(36))},
};

// 13 "Delay LCR"
constexpr EffectItem delayLcr[] = {
    {wxTRANSLATE("L delay"), slider, 14, byDisplay(Rational(333300, 1000))},
    {wxTRANSLATE("R delay"), slider, 15, byDisplay(Rational(166700, 1000))},
    {wxTRANSLATE("C delay"), slider, 16, byDisplay(Rational(500))},
    {wxTRANSLATE("FB delay"), slider, 17, byDisplay(Rational(500))},
    {wxTRANSLATE("FB level"), slider, 18, byDisplay(Rational(10))},
    {wxTRANSLATE("C Level"), slider, 19, byDisplay(Rational(100))},
    {wxTRANSLATE("High damp"), slider, 20, byDisplay(Rational(300, 1000))},
    {wxTRANSLATE("EQ low frq"), slider, 22, byLabel("400")},
    {wxTRANSLATE("EQ low"), slider, 23, byDisplay(Rational(0))},
    {wxTRANSLATE("EQ hi frq"), slider, 24, byLabel("4.0k")},
    {wxTRANSLATE("EQ hi"), slider, 25, byDisplay(Rational(0))},
};

// 14 "Delay L,R"
constexpr EffectItem delayLr[] = {
    {wxTRANSLATE("L delay"), slider, 14, byDisplay(Rational(250))},
    {wxTRANSLATE("R delay"), slider, 15, byDisplay(Rational(375))},
    {wxTRANSLATE("FB delay 1"), slider, 16, byDisplay(Rational(375200, 1000))},
    {wxTRANSLATE("FB delay 2"), slider, 17, byDisplay(Rational(375))},
    {wxTRANSLATE("FB level"), slider, 18, byDisplay(Rational(23))},
    {wxTRANSLATE("High damp"), slider, 21, byDisplay(Rational(300, 1000))},
    {wxTRANSLATE("EQ low frq"), slider, 22, byLabel("400")},
    {wxTRANSLATE("EQ low"), slider, 23, byDisplay(Rational(0))},
    {wxTRANSLATE("EQ hi frq"), slider, 24, byLabel("4.0k")},
    {wxTRANSLATE("EQ hi"), slider, 25, byDisplay(Rational(0))},
};

// 15 "Echo"
constexpr EffectItem echo[] = {
    {wxTRANSLATE("L delay 1"), slider, 26, byDisplay(Rational(220))},
    {wxTRANSLATE("L FB level"), slider, 27, byDisplay(Rational(22))},
    {wxTRANSLATE("R delay 1"), slider, 28, byDisplay(Rational(210))},
    {wxTRANSLATE("R FB level"), slider, 29, byDisplay(Rational(21))},
    {wxTRANSLATE("High damp"), slider, 30, byDisplay(Rational(500, 1000))},
    {wxTRANSLATE("L delay 2"), slider, 31, byDisplay(Rational(230))},
    {wxTRANSLATE("R delay 2"), slider, 32, byDisplay(Rational(235))},
    {wxTRANSLATE("Delay 2 level"), slider, 33, byDisplay(Rational(62))},
    {wxTRANSLATE("EQ low frq"), slider, 22, byLabel("280")},
    {wxTRANSLATE("EQ low"), slider, 23, byDisplay(Rational(-6))},
    {wxTRANSLATE("EQ hi frq"), slider, 24, byLabel("6.3k")},
    {wxTRANSLATE("EQ hi"), slider, 25, byDisplay(Rational(-1))},
};

// 16 "CrossDelay"
constexpr EffectItem crossDelay[] = {
    {wxTRANSLATE("L to R delay"), slider, 26, byDisplay(Rational(365))},
    {wxTRANSLATE("R to L delay"), slider, 34, byDisplay(Rational(365))},
    {wxTRANSLATE("FB level"), slider, 35, byDisplay(Rational(24))},
    {wxTRANSLATE("Input select"), choice, 36, byWord(wxTRANSLATE("R"))},
    {wxTRANSLATE("High damp"), slider, 30, byDisplay(Rational(500, 1000))},
    {wxTRANSLATE("EQ low frq"), slider, 22, byLabel("355")},
    {wxTRANSLATE("EQ low"), slider, 23, byDisplay(Rational(0))},
    {wxTRANSLATE("EQ hi frq"), slider, 24, byLabel("6.3k")},
    {wxTRANSLATE("EQ hi"), slider, 25, byDisplay(Rational(-2))},
};

constexpr EffectPage pages[] = {
    {hall1},
    {hall2},
    {room1},
    {room2},
    {room3},
    {stage1},
    {stage2},
    {plate},
    {whiteRoom},
    {tunnel},
    {basement},
    {canyon},
    {delayLcr},
    {delayLr},
    {echo},
    {crossDelay},
};

} // namespace

std::span<const EffectPage> reverbPages() { return pages; }
