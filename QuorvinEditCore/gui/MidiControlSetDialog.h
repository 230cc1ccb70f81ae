#pragma once
// The window of one MIDI control set: name, ports, Learn and Confirm, the
// list of bindings with Delete, and Import and Export of "*.ctrl.xml" files.
// While it exists it runs MIDI learn for its set. Shown without being modal
// and hidden again, never rebuilt. A child of the device's main page; the
// device's action (ControlSetDialogAction) detaches it before the set goes.
#include "device/ParameterAction.h"
#include "gui/KeptFileChooser.h"
#include "params/ParameterListener.h"

#include <wx/dialog.h>

#include <functional>
#include <memory>

class MidiBindingList;
class MidiControlSet;
class MidiControlSetPanel;
class MidiLearnSession;
struct ControlStyle;

class MidiControlSetDialog final : public wxDialog, public ParameterAction, public ParameterListener {
public:
    // Button ids, in the order of the button row.
    enum ButtonId { deleteButton = 0, importButton = 1, exportButton = 2, closeButton = 3 };

    // How the dialog asks and tells the user; tests answer in place of the
    // boxes.
    struct Questions {
        // "This will replace the current settings..." answered with OK.
        std::function<bool(wxWindow* parent)> confirmImport;
        // A file to read (forSaving false) or to write; empty when cancelled.
        std::function<wxString(wxWindow* parent, bool forSaving)> choosePath;
        // Whether an existing file may be replaced; asked when the name the
        // file dialog checked is not the one written.
        std::function<bool(wxWindow* parent, const wxString& path)> confirmReplace;
        std::function<void(wxWindow* parent, const wxString& caption, const wxString& text)> tell;
    };

    MidiControlSetDialog(MidiControlSet& set, wxWindow* parent, const ControlStyle& style);
    ~MidiControlSetDialog() override;

    // Keeps its width, takes its parent's height, centred on the parent.
    void run() override;
    RefString text() const override;
    // A new binding: the list follows.
    void onParameterChanged(Parameter* parameter, std::uint32_t flags) override;

    // The set is about to go: nothing of it is touched from now on.
    void detach();
    void setQuestions(Questions questions);

    void onDelete();
    void onImport();
    void onExport();
    void onClose();

    MidiBindingList& bindingList() const { return *list_; }
    MidiControlSetPanel* panel() const { return panel_; }

private:
    void layOut();
    void startLearning();
    void onCloseWindow(wxCloseEvent& event);
    // The toolkit's chooser, kept by the dialog, which is hidden, not
    // destroyed, when it closes.
    wxString choosePath(bool forSaving);

    MidiControlSetPanel* panel_;
    MidiControlSet* set_;
    MidiBindingList* list_;
    std::unique_ptr<MidiLearnSession> learning_;
    KeptFileChooser loadChooser_;
    KeptFileChooser saveChooser_;
    Questions questions_;
};
