// The formant-sequence page's "Track show / edit" switches: per-track show
// and edit faces and the show-all and hide-all switches, laid out by hand.
#include "panels/FseqPanel.h"

#include "controls/ControlFactories.h"
#include "fseq/FseqGraphControl.h"
#include "fseq/FseqTrack.h"
#include "labels/ValueLabels.h"
#include "localparams/GroupParameter.h"
#include "panels/FseqPageFaces.h"
#include "text/WxText.h"

#include <wx/intl.h>

namespace {

using FseqPageFaces::trackFaceHeight;
using FseqPageFaces::trackFaceWidth;

constexpr int titleDepth = 12;
constexpr int rowStep = trackFaceHeight;
constexpr int columnWidth = 36;
constexpr int wideFaceWidth = 2 * trackFaceWidth + 2;
constexpr int captionColumnWidth = 52;
constexpr int firstFormantColumn = 2 * columnWidth + captionColumnWidth;
constexpr std::size_t formantCount = 8;
// Per formant, in track order: voiced frequency, voiced level, unvoiced
// frequency, unvoiced level.
constexpr std::size_t tracksPerFormant = 4;
// The show-all and hide-all switches stand under the pitch track's, within
// the formants' rows.
constexpr int legendTop = titleDepth + rowStep;
static_assert(rowStep + 2 * FseqPageFaces::legendFaceHeight <= int(tracksPerFormant) * rowStep);

void placeCursor(ControlGroup& group, int x, int y)
{
    group.cursor().across = x;
    group.cursor().along = y;
}

ValueButton& addToggle(ControlGroup& group, Parameter& parameter, const FseqPageFaces::TwoState& faces, int x,
    int y, int width)
{
    placeCursor(group, 0, y);
    std::unique_ptr<ValueButton> made = newValueButton(group);
    ValueButton& button = *made;
    group.addControl(std::move(made), width, x, faces[0].GetHeight());
    group.setControlPath(button, RefString());
    button.bindParameter(&parameter);
    button.setValueBitmaps(faces.data(), !parameter.unit().isEmpty());
    return button;
}

void addCaptionAt(ControlGroup& group, const RefString& text, int x, int y, int width)
{
    placeCursor(group, x, y);
    group.addTextItem(text, width, ControlStyle::normalText, false);
}

} // namespace

void FseqPanel::buildTrackVisibilityGroup(ControlGroup& group)
{
    group.spacing().controlSpacing = 1;
    group.spacing().rowSpacing = 0;
    group.spacing().sectionSpacing = 0;
    group.setGeometry(columnWidth, 0, 0, 3);
    addCaptionAt(group, fromWxString(_("Track show / edit")), 0, 0, titleDepth);

    const auto& tracks = graph_->trackList().tracks();
    const auto makeSwitch = [&](std::int32_t reference, bool levels, const RefString& text) -> Parameter& {
        auto all = std::make_unique<GroupParameter>(reference);
        for (std::size_t k = 1; k < tracks.size(); ++k)
            if (tracks[k]->isLevel() == levels)
                all->addMember(&tracks[k]->showFlag());
        all->setUnit(text);
        all->setValueLabels(&FseqPageFaces::blankValues());
        return keep(std::move(all));
    };
    const RefString hide = fromWxString(_("hide"));
    Parameter& showFrequencies = makeSwitch(1, false, fromWxString(_("Freq")));
    Parameter& showLevels = makeSwitch(1, true, fromWxString(_("Level")));
    Parameter& hideFrequencies = makeSwitch(0, false, hide);
    Parameter& hideLevels = makeSwitch(0, true, hide);

    const int top = titleDepth;
    FseqTrack& pitch = *tracks.front();
    addToggle(group, pitch.showFlag(), FseqPageFaces::showFaces(), 0, top, trackFaceWidth);
    addToggle(group, pitch.editFlag(), FseqPageFaces::editFaces(), trackFaceWidth + 1, top, trackFaceWidth);
    // These switches hold no value of their own: Init gives each track's
    // switches theirs.
    const int levelsTop = legendTop + FseqPageFaces::legendFaceHeight;
    addToggle(group, showFrequencies, FseqPageFaces::hideFaces(), 0, legendTop, wideFaceWidth).setKeptOnInit(true);
    addToggle(group, hideFrequencies, FseqPageFaces::hideFaces(), columnWidth, legendTop, wideFaceWidth)
        .setKeptOnInit(true);
    addToggle(group, showLevels, FseqPageFaces::hideFaces(), 0, levelsTop, wideFaceWidth).setKeptOnInit(true);
    addToggle(group, hideLevels, FseqPageFaces::hideFaces(), columnWidth, levelsTop, wideFaceWidth)
        .setKeptOnInit(true);

    addCaptionAt(group, fromWxString(_("Voiced")), 2 * columnWidth + 2, top, captionColumnWidth);
    addCaptionAt(group, fromWxString(_("Unvoiced")), 2 * columnWidth + 2, top + 2 * rowStep, captionColumnWidth);
    for (std::size_t n = 0; n < formantCount; ++n) {
        const int x = firstFormantColumn + int(n) * columnWidth;
        addCaptionAt(group, fromWxString(wxString::Format("%zu", n + 1)), x, 0, columnWidth);
        for (std::size_t row = 0; row < tracksPerFormant; ++row) {
            FseqTrack& track = *tracks.at(1 + n * tracksPerFormant + row);
            const int y = top + int(row) * rowStep;
            addToggle(group, track.showFlag(), FseqPageFaces::showFaces(), x, y, trackFaceWidth);
            addToggle(group, track.editFlag(), FseqPageFaces::editFaces(), x + trackFaceWidth + 1, y, trackFaceWidth);
        }
    }
    // The group paints its captions within the rows it has closed: close
    // one as wide and deep as the switches.
    placeCursor(group, firstFormantColumn + int(formantCount - 1) * columnWidth, top + int(tracksPerFormant) * rowStep);
    group.nextRow(ControlFlow::noExtra);
}
