// File/Open over an unsaved edit, against the simulated FS1R: the load is
// one step of the history of the page it lands on, whose undo gives back the
// edit and whose redo gives the file again, on every page the load reached
// and in the instrument alike.
#include "RoundTripFixture.h"

#include "controls/Control.h"
#include "gui/ControlElement.h"
#include "gui/ControlGroup.h"
#include "gui/EditorPanel.h"
#include "instrument/Fs1rMemoryLayout.h"
#include "params/SetValueFlags.h"
#include "sysex/SysexField.h"
#include "sysex/SysexParameter.h"
#include "tests/support/EventPump.h"
#include "undo/Command.h"

#include <gmock/gmock.h>

#include <wx/frame.h>

#include <algorithm>
#include <map>

namespace {

constexpr std::int32_t voice2Page = Fs1rPanels::firstVoicePage + 1;
// The answer "Part 2" to the question where a voice file goes.
constexpr std::int32_t choosePart2 = 2;

struct FileOverEdit {
    std::string name;
    // The file's.
    Fs1rPart part;
    // Where the value is edited and the file lands.
    std::int32_t page;
    PackedAddress address;
    std::int32_t fileValue;
    // After three Page Ups from the file's value.
    std::int32_t edited;
    // The page on screen for File/Open: a voice file opened on no voice's
    // page asks where it goes.
    std::int32_t openedOn;
    std::int32_t destinationChoice = -1;
    // The performance's twin of the value, which takes over what the page
    // sends: after every step both show one value.
    std::optional<PackedAddress> twin = std::nullopt;
};

const FileOverEdit filesOverEdits[] = {
    // The speed of LFO 1 of voice 1, 0 to 99.
    {"voice file", Fs1rParts::ofVoice(0), Fs1rPanels::firstVoicePage, 0x400011, 3, 6, Fs1rPanels::firstVoicePage},
    // The performance's note shift, +3 and +6 around its centre 24.
    {"performance file", Fs1rParts::performance, Fs1rPanels::performancePage, 0x100012, 27, 30,
        Fs1rPanels::performancePage},
    // Voice 1's file, opened on the performance page into part 2: LFO 1's
    // speed of voice 2.
    {"voice file into part 2", Fs1rParts::ofVoice(0), voice2Page, 0x410011, 3, 6, Fs1rPanels::performancePage,
        choosePart2},
    // "Seq delay", 0 to 99, and the performance's "Start delay". The
    // sequence brings its loop, which the performance takes over too.
    {"sequence file", Fs1rParts::formantSequence, Fs1rPanels::fseqPage, 0x70001A, 10, 13, Fs1rPanels::fseqPage, -1,
        0x100026},
};

constexpr int pageUps = 3;

using Values = std::map<const Parameter*, std::int32_t>;

// The names of the parameters whose values differ.
std::vector<std::string> differing(const Values& actual, const Values& expected)
{
    std::vector<std::string> names;
    for (const auto& [parameter, value] : expected)
        if (actual.at(parameter) != value)
            names.push_back(parameter->getName().toUtf8());
    return names;
}

const DumpKind& kindOf(std::int32_t page)
{
    return *std::ranges::find(dumpKinds(), page, &DumpKind::page);
}

// The page of a file's part.
std::int32_t filePage(const FileOverEdit& row)
{
    return Fs1rPanels::performancePage + row.part;
}

// The row's value in the file's own part: voices lie a part step apart.
PackedAddress fileAddress(const FileOverEdit& row)
{
    return row.address - PackedAddress(row.page - filePage(row)) * Fs1rMemoryLayout::partStep;
}

class FileOpenHistoryTest : public RoundTripFixture {
protected:
    // The control of the page, or of the header above it, that shows the
    // parameter at the address.
    Control* controlAt(std::int32_t page, PackedAddress address)
    {
        for (const EditorPanel* panel : {panels->page(page), panels->header()})
            for (std::size_t k = 0; k < panel->groupCount(); ++k)
                for (const auto& entry : panel->group(k)->controls()) {
                    auto* control = dynamic_cast<Control*>(entry->control());
                    const auto* parameter = control ? dynamic_cast<SysexParameter*>(control->mainParameter()) : nullptr;
                    if (parameter && parameter->field().entries().front()->address() == address)
                        return control;
                }
        return nullptr;
    }

    // What the page the file lands on and the performance page show: each
    // of their parameters whose bits lie in their dumps. Bits that no
    // parameter holds are no page's.
    Values valuesOf(const FileOverEdit& row)
    {
        Values values;
        for (const std::int32_t page : {row.page, std::int32_t(Fs1rPanels::performancePage)})
            for (const SysexParameter* parameter : parametersOf(kindOf(page)))
                if (parameter->commandList() == &panels->history(page))
                    values[parameter] = parameter->getValue();
        return values;
    }

    // A voice's page takes no input while its part is off, as an earlier
    // row's performance may have it (a bank byte of 0, or of 64 whose bank
    // bits read 0): the part plays an internal voice.
    void playPartOf(std::int32_t page)
    {
        const auto voice = std::uint32_t(page - Fs1rPanels::firstVoicePage);
        if (voice >= Fs1rParts::voiceCount)
            return;
        device->addressMap().setValue(Fs1rMemoryLayout::partVoiceBankAddress(voice), 1, flagsUserEdit);
        settle();
    }

    // The user points at the control: it takes the keyboard.
    void focus(Control& control)
    {
        frame->Show();
        control.window()->SetFocus();
        ASSERT_TRUE(pumpEventsUntil([&] { return Control::focusedControl() == &control; }));
    }

    void pressPageUp(Control& control)
    {
        for (const wxEventType type : {wxEVT_KEY_DOWN, wxEVT_KEY_UP}) {
            wxKeyEvent event(type);
            event.m_keyCode = WXK_PAGEUP;
            event.SetEventObject(control.window());
            control.window()->GetEventHandler()->ProcessEvent(event);
        }
    }

    // A value with a twin on the performance page: both show one value.
    void expectOneValue(const FileOverEdit& row, const Parameter& shown, const std::string& step)
    {
        if (!row.twin)
            return;
        const Control* twin = controlAt(Fs1rPanels::performancePage, *row.twin);
        ASSERT_NE(twin, nullptr);
        EXPECT_EQ(twin->mainParameter()->getValue(), shown.getValue()) << step << ": the performance's twin";
    }
};

TEST_F(FileOpenHistoryTest, UndoAfterFileOpenGivesBackTheEditAndRedoTheFile)
{
    for (const FileOverEdit& row : filesOverEdits) {
        SCOPED_TRACE(row.name + ", " + seedText());
        playPartOf(row.page);
        // An undo on another page reaches nothing of an earlier row.
        for (std::int32_t page = 0; page < Fs1rPanels::pageCount; ++page)
            panels->history(page).clear();
        const DumpKind& fileKind = *std::ranges::find(dumpKinds(), row.part, &DumpKind::part);
        bringIn(fileKind);
        Control* fileControl = controlAt(filePage(row), fileAddress(row));
        ASSERT_NE(fileControl, nullptr);
        fileControl->mainParameter()->setValue(flagsUserEdit, row.fileValue);
        const std::string file = (folder.path() / (row.name + ".syx")).string();
        ASSERT_TRUE(device->patchFiles().writePatchFile(row.part, file));

        // The page holds another patch, whose value the user sets and raises.
        device->showPanel(row.page);
        Control* control = controlAt(row.page, row.address);
        ASSERT_NE(control, nullptr);
        Parameter& shown = *control->mainParameter();
        bringIn(kindOf(row.page));
        shown.setValue(flagsUserEdit, row.fileValue);
        focus(*control);
        for (int press = 0; press < pageUps; ++press)
            pressPageUp(*control);
        ASSERT_EQ(shown.getValue(), row.edited);
        expectOneValue(row, shown, "Page Up");
        const std::size_t steps = panels->history(row.page).commands().size();
        const Values edited = valuesOf(row);

        device->showPanel(row.openedOn);
        dialogs.choice = row.destinationChoice;
        dialogs.openAnswers.push_back(file);
        device->openFile();
        EXPECT_EQ(shown.getValue(), row.fileValue) << "File/Open";
        expectOneValue(row, shown, "File/Open");
        const Values loaded = valuesOf(row);
        EXPECT_TRUE(instrumentMatchesAfter("File/Open"));
        const std::vector<Command>& commands = panels->history(row.page).commands();
        EXPECT_EQ(commands.size(), steps + 1) << "one step for the load";
        EXPECT_EQ(commands.back().name.toUtf8(), "Load patch from sysex");

        device->undo(row.page);
        EXPECT_EQ(shown.getValue(), row.edited) << "undo";
        expectOneValue(row, shown, "undo");
        EXPECT_THAT(differing(valuesOf(row), edited), testing::IsEmpty()) << "undo";
        EXPECT_TRUE(instrumentMatchesAfter("undo of File/Open"));
        device->redo(row.page);
        EXPECT_EQ(shown.getValue(), row.fileValue) << "redo";
        expectOneValue(row, shown, "redo");
        EXPECT_THAT(differing(valuesOf(row), loaded), testing::IsEmpty()) << "redo";
        EXPECT_TRUE(instrumentMatchesAfter("redo of File/Open"));

        // Undo on the twin's page, then back through the load and the Page
        // Ups on the row's own page: the two never part.
        if (!row.twin)
            continue;
        for (const std::int32_t page : {std::int32_t(Fs1rPanels::performancePage), row.page})
            for (int step = 0; step <= pageUps; ++step) {
                device->undo(page);
                expectOneValue(row, shown, "undo " + std::to_string(step + 1) + " on page " + std::to_string(page));
            }
        EXPECT_EQ(shown.getValue(), row.fileValue) << "every step undone";
        EXPECT_TRUE(instrumentMatchesAfter("undo on both pages"));
    }
}

} // namespace
