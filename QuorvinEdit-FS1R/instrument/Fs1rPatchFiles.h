#pragma once
// The FS1R device's .syx file commands: File/Open, Save, Save as and Save
// all, loading a checked file into the edit buffers with the questions the
// user must answer, and the file each patch is saved into (the performance,
// the four voices and the formant sequence) from the Save as that chose it
// until another Save as or a load replaces the patch. Owned by the device.
#include "instrument/Fs1rPart.h"
#include "instrument/Fs1rSysexProtocol.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class Fs1rDevice;
class Fs1rPatchDialogs;
class Fs1rSysexFile;
class RefString;
class wxString;

class Fs1rPatchFiles {
public:
    // The patterns the save dialogs offer: "*.perf.syx", "*.voice.syx",
    // "*.fseq.syx"; part must be valid.
    static const char* fileNamePattern(Fs1rPart part);
    // The file name the save dialog proposes: the patch's name without the
    // blanks that pad it, or the page's name for a blank one, with the kind's
    // extension, which the dialogs of this platform do not add; a "/" would
    // name a folder. A name typed without ".syx" gets the kind's extension too.
    static RefString defaultFileName(const RefString& patchName, Fs1rPart part);

    // Without dialogs every file dialog counts as cancelled and every
    // question as No, and failures go to the log.
    Fs1rPatchFiles(Fs1rDevice& device, Fs1rPatchDialogs* dialogs);
    Fs1rPatchFiles(const Fs1rPatchFiles&) = delete;
    Fs1rPatchFiles& operator=(const Fs1rPatchFiles&) = delete;
    void setDialogs(Fs1rPatchDialogs* dialogs) { dialogs_ = dialogs; }

    // Asks for a file and loads it as the user's load (recorded and sent).
    void openFile();
    // Reads, checks and loads a file; see load. A file that is refused
    // changes nothing: the user's load shows why in a box, others log it.
    bool loadSysexFile(const std::string& path, std::uint32_t flags, std::int32_t destinationVoice);
    // Loads a checked file with flags inside one "Load patch from sysex"
    // group. The user's load (flagsFileLoad) asks before a performance
    // overwrites the performance and its voices. A voice goes to
    // destinationVoice (0 to 3); with -1 to the voice page that shows, else
    // the user chooses the part. The replaced patch's file is closed. False
    // when nothing was loaded.
    bool load(const Fs1rSysexFile& file, std::uint32_t flags, std::int32_t destinationVoice);

    // Save (asNew false) writes a modified patch into its file, or asks for
    // one; Save as always asks. Part -1 is the page that shows; a voice of
    // a part that is off is never saved.
    void saveToFile(bool asNew, Fs1rPart part);
    // Save as for the performance, the four voices and the sequence.
    void saveAll();
    // Asks for a file and writes the patch into it; the file becomes the
    // patch's. False on Cancel or failure.
    bool savePatchAs(Fs1rPart part);
    // Writes the patch's edit buffer as the whole file, atomically, and
    // clears its page's modified mark. On failure the old file and the mark
    // stay and the user is told.
    bool writePatchFile(Fs1rPart part, const std::string& path);

    // The file Save writes the patch into; empty when none is open.
    const std::string& patchFile(Fs1rPart part) const;
    // Forgets the patch's file: another patch replaced it.
    void closePatchFile(Fs1rPart part);

private:
    // The voice (0 to 3) a voice file goes to; none when the user cancelled.
    std::optional<std::uint32_t> voiceDestination(const Fs1rSysexFile& file, std::int32_t destinationVoice);
    // The load inside its group; a load that records records what it changed.
    bool loadInGroup(const Fs1rSysexFile& file, std::uint32_t flags, std::optional<std::uint32_t> voice);
    bool confirmPerformanceLoad(std::uint32_t flags);
    // Sends a performance file's effect types ahead of its values.
    void sendEffectTypes(const Fs1rSysexFile& file);
    void sendUncoveredValues(Fs1rPart part);
    void reportLoadFailure(const std::string& path, const Fs1rSysexFile& file, std::uint32_t flags);
    void showError(const wxString& text);
    RefString patchName(Fs1rPart part) const;

    Fs1rDevice& device_;
    Fs1rPatchDialogs* dialogs_;
    const Fs1rSysexProtocol protocol_;
    std::array<std::string, Fs1rParts::formantSequence + 1> files_;
};
