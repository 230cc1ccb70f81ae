#include "panels/PerformancePanel.h"

#include "commands/LoadPatchCommandParameter.h"
#include "commands/ThresholdSwitchParameter.h"
#include "effects/EffectBlock.h"
#include "effects/EffectBlockDescriptions.h"
#include "gui/HorizontalControlGroup.h"
#include "gui/VerticalControlGroup.h"
#include "layout/PanelInit.h"
#include "panels/ControlStyleSet.h"
#include "panels/PageBitmaps.h"
#include "text/WxText.h"

#include "embedded/performancePagePng.h"

#include <wx/image.h>
#include <wx/intl.h>

#include <algorithm>
#include <functional>

namespace {

struct GroupSpec {
    PerformancePanel::GroupSlot slot;
    const char* name;
    FlowOrientation orientation;
    int style;
    int x;
    int y;
};

// In the order the groups are made.
constexpr std::array<GroupSpec, PerformancePanel::groupSlotCount> groupSpecs{{
    {PerformancePanel::fseqGroup, wxTRANSLATE("FS1R perf fseq"), FlowOrientation::horizontal, 2, 1064, 170},
    {PerformancePanel::partGroup, wxTRANSLATE("FS1R perf part"), FlowOrientation::vertical, 1, 5, 130},
    {PerformancePanel::controllerGroup, wxTRANSLATE("FS1R perf ctrl"), FlowOrientation::horizontal, 2, 664, 18},
    {PerformancePanel::mixerGroup, wxTRANSLATE("FS1R perf mix"), FlowOrientation::vertical, 15, 654, 176},
    {PerformancePanel::eqGroup, wxTRANSLATE("FS1R perf eq"), FlowOrientation::vertical, 14, 1102, 462},
}};

std::unique_ptr<ControlGroup> makeGroup(const GroupSpec& spec, wxWindow* page, ParameterFactory& factory,
    const ControlStyleSet& styles)
{
    const RefString name = PerformancePanel::text(spec.name);
    const ControlStyle& style = styles.style(spec.style);
    if (spec.orientation == FlowOrientation::vertical)
        return std::make_unique<VerticalControlGroup>(name, page, &factory, style);
    return std::make_unique<HorizontalControlGroup>(name, page, &factory, style);
}

unsigned char clampChannel(int value) { return static_cast<unsigned char>(std::clamp(value, 0, 255)); }

// A 12 x 48 tile of green shades: one octave of keys across, velocity
// brightening upwards.
wxBrush makeZoneBrush()
{
    constexpr int width = 12;
    constexpr int height = 48;
    constexpr std::array<bool, width> blackKey{false, true, false, true, false, false, true, false, true, false,
        true, false};
    wxImage image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int shade = 150 - y * 2 - (blackKey[static_cast<std::size_t>(x)] ? 24 : 0);
            image.SetRGB(x, y, clampChannel(shade / 2), clampChannel(shade + 60), clampChannel(shade / 2));
        }
    return wxBrush(wxBitmap(image));
}

// A 132 x 12 tile: green deepening from left to right.
wxBrush makeCurveBrush()
{
    constexpr int width = 132;
    constexpr int height = 12;
    wxImage image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int shade = 200 - x;
            image.SetRGB(x, y, clampChannel(shade / 2), clampChannel(shade + 40), clampChannel(shade / 3));
        }
    return wxBrush(wxBitmap(image));
}

} // namespace

PerformancePanel::PerformancePanel(wxWindow* parent, const ControlStyleSet& styles, ParameterFactory& factory,
    Fs1rDevice& device)
    : EditorPanel(groupSlotCount, parent, embedded::performancePagePng, embedded::performancePagePngSize),
      zoneBrush_(makeZoneBrush()), curveBrush_(makeCurveBrush())
{
    const wxSize pageSize(PageBitmaps::pageWidth, PageBitmaps::pageHeight);
    SetMinSize(pageSize);
    SetMaxSize(pageSize);
    SetSize(pageSize);
    for (const GroupSpec& spec : groupSpecs)
        setGroup(spec.slot, makeGroup(spec, this, factory, styles));
    buildPartGroup();
    buildControllerGroup();
    buildMixerGroup();
    buildFseqGroup(device);
    buildEffectBlocks(factory, styles);
    buildEqGroup();
    layout();
}

// The switch listens to the speed parameter, which the factory keeps longer.
// The effect blocks go last made first.
PerformancePanel::~PerformancePanel()
{
    while (!effectBlocks_.empty())
        effectBlocks_.pop_back();
}

void PerformancePanel::buildEffectBlocks(ParameterFactory& factory, const ControlStyleSet& styles)
{
    constexpr int effectStyle = 14;
    for (const EffectBlockDescription* description : performanceEffects()) {
        // A block that names control destinations has the destination
        // choices redrawn after each type change.
        std::function<void()> typeShown;
        if (description->typeShown)
            typeShown = [this] { group(controllerGroup)->refreshChildren(); };
        effectBlocks_.push_back(
            std::make_unique<EffectBlock>(*description, this, factory, styles.style(effectStyle), typeShown));
    }
}

void PerformancePanel::initPanel(std::uint32_t flags)
{
    runPanelInit(flags, [this, flags] {
        for (std::size_t slot = 0; slot < groupCount(); ++slot)
            group(slot)->initChildren(flags);
        for (const auto& block : effectBlocks_)
            block->init(flags);
    });
}

void PerformancePanel::paintDecorations(wxDC& dc, const wxRect& rect)
{
    for (auto block = effectBlocks_.rbegin(); block != effectBlocks_.rend(); ++block)
        (*block)->paint(dc, rect);
}

RefString PerformancePanel::text(const char* english)
{
    return fromWxString(wxGetTranslation(wxString::FromUTF8(english)));
}

void PerformancePanel::layout()
{
    for (const GroupSpec& spec : groupSpecs)
        group(spec.slot)->setPosition(spec.x, spec.y, backgroundBitmap());
    for (const auto& block : effectBlocks_)
        block->layout(backgroundBitmap());
}
