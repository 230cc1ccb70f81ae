// File/Open over an unsaved edit, against the simulated FS1R: the load is
// one step of the page's history, whose undo gives back the edit and whose
// redo gives the file again, in the editor and in the instrument alike.
#include "RoundTripFixture.h"

#include "controls/Control.h"
#include "gui/ControlElement.h"
#include "gui/ControlGroup.h"
#include "gui/EditorPanel.h"
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

struct FileOverEdit {
    std::string name;
    Fs1rPart part;
    std::int32_t page;
    PackedAddress address;
    std::int32_t fileValue;
    // After three Page Ups from the file's value.
    std::int32_t edited;
};

const FileOverEdit filesOverEdits[] = {
    // The speed of LFO 1 of voice 1, 0 to 99.
    {"voice file", Fs1rParts::ofVoice(0), Fs1rPanels::firstVoicePage, 0x400011, 3, 6},
    // The performance's note shift, +3 and +6 around its centre 24.
    {"performance file", Fs1rParts::performance, Fs1rPanels::performancePage, 0x100012, 27, 30},
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

class FileOpenHistoryTest : public RoundTripFixture {
protected:
    // The control of the page, or of the header above it, that shows the
    // parameter at the address.
    Control* controlAt(const FileOverEdit& row)
    {
        for (const EditorPanel* panel : {panels->page(row.page), panels->header()})
            for (std::size_t k = 0; k < panel->groupCount(); ++k)
                for (const auto& entry : panel->group(k)->controls()) {
                    auto* control = dynamic_cast<Control*>(entry->control());
                    const auto* parameter = control ? dynamic_cast<SysexParameter*>(control->mainParameter()) : nullptr;
                    if (parameter && parameter->field().entries().front()->address() == row.address)
                        return control;
                }
        return nullptr;
    }

    // What the page shows of the file's kind: each of its parameters whose
    // bits lie in the dump. Bits that no parameter holds are no page's.
    Values valuesOf(const FileOverEdit& row, const DumpKind& kind)
    {
        Values values;
        for (const SysexParameter* parameter : parametersOf(kind))
            if (parameter->commandList() == &panels->history(row.page))
                values[parameter] = parameter->getValue();
        return values;
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
};

TEST_F(FileOpenHistoryTest, UndoAfterFileOpenGivesBackTheEditAndRedoTheFile)
{
    for (const FileOverEdit& row : filesOverEdits) {
        SCOPED_TRACE(row.name + ", " + seedText());
        device->showPanel(row.page);
        Control* control = controlAt(row);
        ASSERT_NE(control, nullptr);
        Parameter& shown = *control->mainParameter();
        const DumpKind& kind = *std::ranges::find(dumpKinds(), row.part, &DumpKind::part);
        bringIn(kind);
        shown.setValue(flagsUserEdit, row.fileValue);
        const std::string file = (folder.path() / (row.name + ".syx")).string();
        ASSERT_TRUE(device->patchFiles().writePatchFile(row.part, file));

        // The page holds another patch, whose value the user sets and raises.
        bringIn(kind);
        shown.setValue(flagsUserEdit, row.fileValue);
        focus(*control);
        for (int press = 0; press < pageUps; ++press)
            pressPageUp(*control);
        ASSERT_EQ(shown.getValue(), row.edited);
        const std::size_t steps = panels->history(row.page).commands().size();
        const Values edited = valuesOf(row, kind);

        dialogs.openAnswers.push_back(file);
        device->openFile();
        EXPECT_EQ(shown.getValue(), row.fileValue) << "File/Open";
        const Values loaded = valuesOf(row, kind);
        EXPECT_TRUE(instrumentMatchesAfter("File/Open"));
        const std::vector<Command>& commands = panels->history(row.page).commands();
        EXPECT_EQ(commands.size(), steps + 1) << "one step for the load";
        EXPECT_EQ(commands.back().name.toUtf8(), "Load patch from sysex");

        device->undo(row.page);
        EXPECT_EQ(shown.getValue(), row.edited) << "undo";
        EXPECT_THAT(differing(valuesOf(row, kind), edited), testing::IsEmpty()) << "undo";
        EXPECT_TRUE(instrumentMatchesAfter("undo of File/Open"));
        device->redo(row.page);
        EXPECT_EQ(shown.getValue(), row.fileValue) << "redo";
        EXPECT_THAT(differing(valuesOf(row, kind), loaded), testing::IsEmpty()) << "redo";
        EXPECT_TRUE(instrumentMatchesAfter("redo of File/Open"));
    }
}

} // namespace
