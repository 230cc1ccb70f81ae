#pragma once
// A file chooser of the toolkit, made at its first use and shown again for
// every choice after it. The toolkit's chooser updates itself a moment after
// it shows or its name changes; one destroyed before that moment, while its
// folder still loads (on a busy machine), runs the update on its destroyed
// parts. A kept chooser goes only with its owner, long after.
#include <wx/filedlg.h>
#include <wx/weakref.h>

class KeptFileChooser {
public:
    // style: the toolkit's file dialog style (open or save). parent must
    // outlive this, or take the chooser with it.
    KeptFileChooser(wxWindow* parent, long style);
    ~KeptFileChooser();
    KeptFileChooser(const KeptFileChooser&) = delete;
    KeptFileChooser& operator=(const KeptFileChooser&) = delete;

    // Shows the chooser with the first file type selected, in folder and
    // proposing fileName when given (else where and what it last was); the
    // chosen path, empty on Cancel.
    wxString choose(const wxString& message, const wxString& wildcard, const wxString& folder = wxString(),
        const wxString& fileName = wxString());

private:
    wxFileDialog& dialog();

    wxWindow* parent_;
    const long style_;
    wxWeakRef<wxFileDialog> dialog_;
};
