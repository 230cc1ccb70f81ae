// The performance header on a real frame over a real FS1R device: where its
// parameters lie, what its defaults show, which changes load patches, the
// part voice pages' enabling, the category filter and the voice limit.
#include "commands/LoadPatchCommandParameter.h"
#include "conditions/Condition.h"
#include "controls/Control.h"
#include "controls/GridSelectorControl.h"
#include "instrument/Fs1rCategoryTags.h"
#include "instrument/Fs1rDevice.h"
#include "instrument/Fs1rPageHistories.h"
#include "instrument/Fs1rPanels.h"
#include "instrument/MemoryListModel.h"
#include "midi/LoopbackMidiBackend.h"
#include "panels/ControlStyleSet.h"
#include "panels/PerformanceTopPanel.h"
#include "params/SetValueFlags.h"
#include "patches/PatchLibrary.h"
#include "sysex/AddressEntry.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexField.h"
#include "sysex/SysexParameter.h"
#include "tests/support/TempFolder.h"
#include "undo/CommandList.h"
#include "xml/XmlRootElement.h"

#include <gmock/gmock.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>

#include <string>
#include <vector>

namespace {

// Pages that only keep histories and record which voice pages were reset.
class HeaderPanels : public Fs1rPanels {
public:
    HeaderPanels() : histories_(*this) {}
    wxWindow* window() override { return nullptr; }
    const ControlStyle* dialogStyle() override { return nullptr; }
    void createPanels(Fs1rDevice&, ParameterFactory&) override {}
    std::int32_t currentPanel() const override { return performancePage; }
    void showSystemPanel() override {}
    void showPerformancePanel() override {}
    void showVoicePanel(std::int32_t) override {}
    void showFseqPanel() override {}
    void resetCurrentPanel() override {}
    void initVoicePanel(std::int32_t voice) override { resetVoices.push_back(voice); }
    CommandHistory& pageHistory(std::int32_t page) override { return histories_.at(page); }
    void dumpHistory(std::int32_t) override {}
    void markSaved(std::int32_t page) override { histories_.markSaved(page); }
    void historyChanged() override {}
    const ValueLabels& panelNames() const override { return Fs1rPageHistories::pageNames(); }
    void limitPartVoiceSelectors(bool) override {}
    Parameter* fseqBankParameter() override { return nullptr; }
    bool confirmLoad(Fs1rPart part) override
    {
        asked.push_back(part);
        return answer;
    }

    std::vector<std::int32_t> resetVoices;
    std::vector<Fs1rPart> asked;
    bool answer = true;

private:
    Fs1rPageHistories histories_;
};

PackedAddress addressOf(const Parameter* parameter)
{
    return static_cast<const SysexParameter*>(parameter)->field().entries().front()->address();
}

class PerformanceTopPanelTest : public testing::Test {
protected:
    PerformanceTopPanelTest()
    {
        device.setup(frame);
        device.parameterFactory()->setCommandList(&panels.history(Fs1rPanels::performancePage));
        header = new PerformanceTopPanel(frame, styles, *device.parameterFactory(), device);
    }
    ~PerformanceTopPanelTest() override
    {
        delete frame;
        MidiBackend::install(previousBackend_);
    }

    template <typename Wanted>
    Control& first(Wanted wanted) const
    {
        for (std::size_t k = 0; k < header->groupCount(); ++k)
            for (const auto& entry : header->group(k)->controls())
                if (auto* control = dynamic_cast<Control*>(entry->control()); control && wanted(*control))
                    return *control;
        throw std::runtime_error("no such control");
    }
    Control& captioned(const std::string& caption) const
    {
        return first([&caption](Control& control) { return control.getPath().widget.toUtf8() == caption; });
    }
    Parameter* partParameter(int part, RoleId role) const
    {
        return header->partVoiceSelector(part)->getParameter(role);
    }

    std::shared_ptr<MidiBackend> previousBackend_ = MidiBackend::install(std::make_shared<LoopbackMidiBackend>());
    TempFolder folder{"header"};
    std::unique_ptr<XmlRootElement> root = XmlRootElement::create(RefString(u"Settings"));
    XmlElement settings = root->child(RefString(u"YAMAHA_FS1R"));
    HeaderPanels panels;
    Fs1rDevice device{panels, settings, nullptr, RefString::fromUtf8((folder.path() / "").string())};
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "header", wxDefaultPosition, wxSize(700, 200));
    ControlStyleSet styles;
    PerformanceTopPanel* header = nullptr;
};

TEST_F(PerformanceTopPanelTest, ParametersLieAtTheirAddressesWithTheirRangesAndDefaults)
{
    EXPECT_EQ(header->GetSize(), wxSize(PerformanceTopPanel::width, PerformanceTopPanel::height));
    EXPECT_EQ(addressOf(captioned("Category").mainParameter()), 0x10000Eu);
    EXPECT_EQ(captioned("Category").mainParameter()->maximum(), 22);

    Parameter* noteShift = captioned("Note shift").mainParameter();
    EXPECT_EQ(addressOf(noteShift), 0x100012u);
    EXPECT_EQ(noteShift->getValue(), 24) << "a new performance shows 0";
    EXPECT_EQ(noteShift->valueText(0).toUtf8(), "-24");
    EXPECT_EQ(noteShift->valueText(48).toUtf8(), "+24");

    for (int part = 0; part < PerformanceTopPanel::partCount; ++part) {
        const PackedAddress base = 0x300000 + 0x10000u * static_cast<PackedAddress>(part);
        EXPECT_EQ(addressOf(partParameter(part, GridSelectorControl::roleRow)), base + 1);
        EXPECT_EQ(addressOf(partParameter(part, GridSelectorControl::roleColumn)), base + 2);
    }
    // Only the first part's column has captions; its assign mode and filter
    // show "Poly" and "ON" on a new performance.
    Parameter* monoPoly = captioned("Assign mode").getParameter(GridSelectorControl::roleRow);
    EXPECT_EQ(addressOf(monoPoly), 0x300005u);
    EXPECT_EQ(monoPoly->getValue(), 1);
    Parameter* filter = captioned("Filter").mainParameter();
    EXPECT_EQ(addressOf(filter), 0x300007u);
    EXPECT_EQ(filter->valueText(filter->getValue()).toUtf8(), "ON");
}

TEST_F(PerformanceTopPanelTest, EveryControlLiesInsideTheStripWithoutOverlapping)
{
    const wxRect strip(wxPoint(0, 0), header->GetClientSize());
    std::vector<wxRect> placed;
    for (std::size_t k = 0; k < header->groupCount(); ++k)
        for (const auto& entry : header->group(k)->controls()) {
            if (!entry->control())
                continue;
            const wxRect box = dynamic_cast<Control&>(*entry->control()).window()->GetRect();
            EXPECT_TRUE(strip.Contains(box)) << entry->control()->getPath().text().toUtf8();
            for (const wxRect& other : placed)
                EXPECT_FALSE(box.Intersects(other)) << entry->control()->getPath().text().toUtf8();
            placed.push_back(box);
        }
    EXPECT_EQ(placed.size(), 7u + 5u * PerformanceTopPanel::partCount);
}

TEST_F(PerformanceTopPanelTest, DeviceKeepsTheSelectorsBankAndProgramAndLoadsAfterEachProgramChange)
{
    Parameter* bank = device.currentPerformanceBank();
    Parameter* number = device.currentPerformanceNumber();
    ASSERT_NE(bank, nullptr);
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(bank->preDependents().size(), 1u) << "the bank-select MSB goes first";
    ASSERT_EQ(number->postDependents().size(), 1u);
    EXPECT_NE(dynamic_cast<LoadPatchCommandParameter*>(number->postDependents().front().target), nullptr);
}

// The instrument loads with the program change: a bank step alone is no
// choice to ask about nor an edit to mark, but a pick of another bank's
// performance is one choice, asked before either half changes.
TEST_F(PerformanceTopPanelTest, OnlyTheStepThatLoadsAPerformanceAsks)
{
    Parameter* bank = device.currentPerformanceBank();
    Parameter* number = device.currentPerformanceNumber();
    bank->setValue(flagsUserEdit, 0x41);
    EXPECT_TRUE(panels.asked.empty());
    EXPECT_FALSE(panels.pageHistory(Fs1rPanels::performancePage).isModified());

    auto& selector = dynamic_cast<GridSelectorControl&>(
        first([bank](Control& control) { return control.getParameter(GridSelectorControl::roleRow) == bank; }));
    const std::int32_t nextBanksNext = selector.currentIndex() + 128 + 1;
    panels.answer = false;
    selector.select(nextBanksNext);
    EXPECT_EQ(bank->getValue(), 0x41);
    EXPECT_EQ(number->getValue(), 0);
    EXPECT_THAT(panels.asked, testing::Contains(Fs1rParts::performance));
    panels.answer = true;
    selector.select(nextBanksNext);
    EXPECT_EQ(bank->getValue(), 0x42);
    EXPECT_EQ(number->getValue(), 1);
}

TEST_F(PerformanceTopPanelTest, PartProgramChangeLoadsTheVoiceOnlyWithTheLoadTrigger)
{
    // Part 2 is off (bank 0), so loading its voice resets its voice page.
    Parameter* program = partParameter(1, GridSelectorControl::roleColumn);
    program->setValue(flagsConstruct, 5);
    EXPECT_TRUE(panels.resetVoices.empty()) << "values given while building load nothing";
    program->setValue(flagsUserEdit, 6);
    EXPECT_EQ(panels.resetVoices, std::vector<std::int32_t>{1});
}

TEST_F(PerformanceTopPanelTest, VoicePageIsEnabledOnlyWhilePartBankIsNotOff)
{
    Parameter* bank = partParameter(2, GridSelectorControl::roleRow);
    EXPECT_FALSE(header->partEnabledCondition(2)->isTrue());
    bank->setValue(flagsConstruct, 12);
    EXPECT_TRUE(header->partEnabledCondition(2)->isTrue());
    bank->setValue(flagsConstruct, 0);
    EXPECT_FALSE(header->partEnabledCondition(2)->isTrue());
}

TEST_F(PerformanceTopPanelTest, CategoryFiltersOnlyItsPartsVoiceSelector)
{
    header->partVoiceList(0)->categoryParameter().setValue(flagsUserEdit, 3);
    EXPECT_TRUE(header->partVoiceSelector(0)->hasItemFilter());
    EXPECT_FALSE(header->partVoiceSelector(1)->hasItemFilter());
    header->partVoiceList(0)->categoryParameter().setValue(flagsUserEdit, 0);
    EXPECT_FALSE(header->partVoiceSelector(0)->hasItemFilter()) << "category 0 shows every voice";
}

// A filing re-measures only its own cell, found from its slot in the library.
TEST_F(PerformanceTopPanelTest, AVoiceRecordedInTheLibraryWidensTheCellsToItsName)
{
    GridSelectorControl& selector = *header->partVoiceSelector(1);
    const auto cellWidth = [&selector] {
        wxBitmap canvas(200, 30);
        wxMemoryDC dc(canvas);
        selector.draw(dc, wxRegion(), true, false, false);
        return selector.geometry().cellSize().width;
    };
    const int before = cellWidth();
    PatchLibrary& voices = device.library(Fs1rLibraries::voices);
    ASSERT_TRUE(voices.setRecord(1, 5, RefString(), RefString(u"A voice with a long name"), RefString()));
    // Bank 1 is the third row, after the OFF row and bank 0.
    EXPECT_NE(selector.itemText(2 * 128 + 5).toUtf8().find("A voice with a long name"), std::string::npos);
    EXPECT_GT(cellWidth(), before + 40);
}

TEST_F(PerformanceTopPanelTest, FilteredPickSetsTheVoiceOfThatCategoryNotTheCellsPlace)
{
    PatchLibrary& voices = device.library(Fs1rLibraries::voices);
    ASSERT_TRUE(voices.setRecord(0, 1, RefString(), RefString(u"Organ"), categoryTag(3)));
    ASSERT_TRUE(voices.setRecord(2, 5, RefString(), RefString(u"Grand"), categoryTag(1)));
    header->partVoiceList(3)->categoryParameter().setValue(flagsUserEdit, 1);
    GridSelectorControl& selector = *header->partVoiceSelector(3);
    selector.select(0);
    EXPECT_EQ(selector.getParameter(GridSelectorControl::roleRow)->getValue(), 3) << "row 0 is OFF";
    EXPECT_EQ(selector.getParameter(GridSelectorControl::roleColumn)->getValue(), 5);
    EXPECT_EQ(selector.currentCell(), 0);
}

TEST_F(PerformanceTopPanelTest, VoiceLimitShortensOnlyTheFirstBankAndCanBeLifted)
{
    header->limitPartVoiceSelectors(true);
    for (int part = 0; part < PerformanceTopPanel::partCount; ++part) {
        const GridSelectorGeometry& geometry = header->partVoiceSelector(part)->geometry();
        EXPECT_EQ(geometry.stripLength(1), 64);
        EXPECT_EQ(geometry.stripLength(2), 128);
    }
    header->limitPartVoiceSelectors(false);
    EXPECT_EQ(header->partVoiceSelector(0)->geometry().stripLength(1), 128);
}

TEST_F(PerformanceTopPanelTest, ResetIsOneUndoStepThatKeepsThePerformanceChosen)
{
    CommandList& history = panels.history(Fs1rPanels::performancePage);
    Parameter* noteShift = captioned("Note shift").mainParameter();
    Parameter* bank = device.currentPerformanceBank();
    bank->setValue(flagsConstruct, 0x42);
    noteShift->setValue(flagsUserEdit, 30);
    ASSERT_EQ(history.commands().size(), 1u) << "header edits record into the performance history";

    header->initPanel(flagsUserReset);
    EXPECT_EQ(noteShift->getValue(), 24);
    EXPECT_EQ(bank->getValue(), 0x42) << "a reset must not load another performance";
    ASSERT_EQ(history.commands().size(), 2u) << "the reset loaded a patch and forgot the history";
    EXPECT_TRUE(history.undo());
    EXPECT_EQ(noteShift->getValue(), 30);
}

TEST(PerformanceTopPanelShutdown, DeviceGoingFirstLeavesTheHeaderNothingDangling)
{
    // As at program exit: the device (with its libraries and parameters)
    // goes before the windows; a library change or repaint must not reach
    // it afterwards. Address sanitizer guards this.
    const auto previous = MidiBackend::install(std::make_shared<LoopbackMidiBackend>());
    TempFolder folder{"headershutdown"};
    const auto root = XmlRootElement::create(RefString(u"Settings"));
    HeaderPanels panels;
    auto device = std::make_unique<Fs1rDevice>(panels, root->child(RefString(u"YAMAHA_FS1R")), nullptr,
        RefString::fromUtf8((folder.path() / "").string()));
    auto* frame = new wxFrame(nullptr, wxID_ANY, "header");
    device->setup(frame);
    const ControlStyleSet styles;
    auto* header = new PerformanceTopPanel(frame, styles, *device->parameterFactory(), *device);
    device.reset();
    header->partVoiceSelector(0)->onDisplayTablesChanged();
    header->Refresh();
    header->Update();
    delete frame;
    MidiBackend::install(previous);
}

} // namespace
