#include "instrument/Fs1rPatchFiles.h"

#include "files/AtomicFile.h"
#include "files/SavePath.h"
#include "instrument/Fs1rDevice.h"
#include "instrument/Fs1rMemoryLayout.h"
#include "instrument/Fs1rPageHistories.h"
#include "instrument/Fs1rPanels.h"
#include "instrument/Fs1rPatchDialogs.h"
#include "instrument/Fs1rSysexFile.h"
#include "midi/MidiInterface.h"
#include "params/SetValueFlags.h"
#include "sysex/DumpLoadRecorder.h"
#include "text/WxText.h"
#include "undo/CommandList.h"

#include <algorithm>
#include <filesystem>
#include <string_view>

#include <wx/intl.h>
#include <wx/log.h>

namespace {

// What the save dialogs say and where they open, by kind of patch.
struct FileKind {
    const char* pattern;
    const char* saveMessage;
    const char* wildcard;
    const char16_t* folderKey;
};

constexpr FileKind performanceFiles{"*.perf.syx", wxTRANSLATE("Location of the new PERFORMANCE sysex file"),
    wxTRANSLATE("SYSEX performance files (*.perf.syx)|*.perf.syx"), u"Directories/LastPerformance"};
constexpr FileKind voiceFiles{"*.voice.syx", wxTRANSLATE("Location of the new VOICE %u sysex file"),
    wxTRANSLATE("SYSEX voice files (*.voice.syx)|*.voice.syx"), u"Directories/LastVoice"};
constexpr FileKind fseqFiles{"*.fseq.syx", wxTRANSLATE("Location of the new FORMANT SEQUENCE sysex file"),
    wxTRANSLATE("SYSEX formant sequence files (*.fseq.syx)|*.fseq.syx"), u"Directories/LastFseq"};

const FileKind& fileKind(Fs1rPart part)
{
    if (part == Fs1rParts::performance)
        return performanceFiles;
    return Fs1rParts::isVoice(part) ? voiceFiles : fseqFiles;
}

wxString translated(const char* text)
{
    return wxGetTranslation(wxString::FromUTF8(text));
}

// Every page but the system page belongs to one part, in part order.
std::int32_t pageOf(Fs1rPart part)
{
    return Fs1rPanels::performancePage + part;
}

// Every kind's suffix ends with it: a name typed with it is kept.
constexpr char syxExtension[] = ".syx";

// The pattern is "*" and the suffix.
SavePath savePath(Fs1rPart part)
{
    return SavePath(Fs1rPatchFiles::fileNamePattern(part) + 1, syxExtension);
}

std::string_view asChars(const std::vector<std::uint8_t>& bytes)
{
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

} // namespace

const char* Fs1rPatchFiles::fileNamePattern(Fs1rPart part)
{
    return fileKind(part).pattern;
}

RefString Fs1rPatchFiles::defaultFileName(const RefString& patchName, Fs1rPart part)
{
    std::string name = patchName.toUtf8();
    name.erase(name.find_last_not_of(' ') + 1);
    std::ranges::replace(name, '/', '_');
    // A blank name would leave the suffix alone, a hidden file.
    if (name.empty())
        name = Fs1rPageHistories::pageNames().get(pageOf(part)).toUtf8();
    return RefString::fromUtf8(savePath(part).completed(name));
}

Fs1rPatchFiles::Fs1rPatchFiles(Fs1rDevice& device, Fs1rPatchDialogs* dialogs) : device_(device), dialogs_(dialogs)
{
}

// --- Loading ---------------------------------------------------------------------

void Fs1rPatchFiles::openFile()
{
    if (!dialogs_)
        return;
    const std::string path = dialogs_->chooseFileToOpen(fromWxString(_("Open a sysex file")),
        fromWxString(_("SYSEX files (*.syx)|*.syx")));
    if (!path.empty())
        loadSysexFile(path, flagsFileLoad, Fs1rParts::shownPage);
}

bool Fs1rPatchFiles::loadSysexFile(const std::string& path, std::uint32_t flags, std::int32_t destinationVoice)
{
    const Fs1rSysexFile file = Fs1rSysexFile::read(path, protocol_.bulkDump());
    if (!file.isValid()) {
        reportLoadFailure(path, file, flags);
        return false;
    }
    return load(file, flags, destinationVoice);
}

bool Fs1rPatchFiles::load(const Fs1rSysexFile& file, std::uint32_t flags, std::int32_t destinationVoice)
{
    if (!file.isValid())
        return false;
    Fs1rPart replaced = file.part();
    std::optional<std::uint32_t> voice;
    if (replaced == Fs1rParts::performance && !confirmPerformanceLoad(flags))
        return false;
    if (Fs1rParts::isVoice(replaced)) {
        voice = voiceDestination(file, destinationVoice);
        if (!voice)
            return false;
        replaced = Fs1rParts::ofVoice(*voice);
    }
    closePatchFile(replaced);
    if (replaced == Fs1rParts::performance && (flags & SetValueFlag::sendToInstrument) != 0)
        sendEffectTypes(file);
    beginCommandGroup(fromWxString(_("Load patch from sysex")), flags);
    const bool loaded = loadInGroup(file, flags, voice);
    endCommandGroup(flags);
    if (loaded && (flags & SetValueFlag::sendToInstrument) != 0)
        sendUncoveredValues(replaced);
    return loaded;
}

bool Fs1rPatchFiles::loadInGroup(const Fs1rSysexFile& file, std::uint32_t flags, std::optional<std::uint32_t> voice)
{
    if ((flags & SetValueFlag::doNotRecord) != 0)
        return file.load(device_, flags, voice);
    const DumpLoadRecorder recorder(device_.addressMap(), file.editBufferAddress(voice), file.dataSize());
    const bool loaded = file.load(device_, flags, voice);
    recorder.recordChanges(flags);
    return loaded;
}

// The values go out in address order, so the effect types would follow the
// values they govern, and a new type makes the instrument set its own values
// over them. The file's types go out first; sent again with the rest, they
// change nothing. The performance's common bytes lie at their own addresses
// in its dump.
void Fs1rPatchFiles::sendEffectTypes(const Fs1rSysexFile& file)
{
    MidiInterface* midi = device_.midiInterface();
    if (!midi)
        return;
    for (const PackedAddress address : Fs1rMemoryLayout::effectTypeAddresses) {
        const auto index = std::uint32_t(packedAddressIndex(address, Fs1rMemoryLayout::performanceDumpAddress));
        if (const std::optional<std::uint8_t> type = file.dataByte(index))
            midi->sendParameterChange(address, *type, RefString());
    }
}

// The parameters sent what they cover; what none covers follows as
// parameter changes of its own, so the instrument gets the whole file.
void Fs1rPatchFiles::sendUncoveredValues(Fs1rPart part)
{
    MidiInterface* midi = device_.midiInterface();
    const std::optional<PackedAddress> editBuffer = Fs1rMemoryLayout::editBufferDumpAddress(part);
    if (!midi || !editBuffer)
        return;
    const std::uint32_t size = Fs1rSysexFile::editBufferSize(part, device_);
    for (const auto& [address, value] : device_.addressMap().unsentValues(*editBuffer, size))
        midi->sendParameterChange(address, std::int32_t(value), RefString());
}

bool Fs1rPatchFiles::confirmPerformanceLoad(std::uint32_t flags)
{
    if (flags != flagsFileLoad)
        return true;
    const RefString reloaded = device_.panels().unsavedPagesReloadedByFile(Fs1rParts::performance);
    const wxString question = reloaded.isEmpty()
        ? _("This file includes performance data.\nLoading it will overwrite the performance and the 4 "
            "voices.\nDo you still want to proceed?")
        : wxString::Format(_("This file includes performance data.\nLoading it will overwrite the performance and "
                             "the 4 voices.\nIt replaces the unsaved edits on these pages: %s.\nDo you still want "
                             "to proceed?"),
              toWxString(reloaded));
    return dialogs_ && dialogs_->askYesNo(device_.getTypeId(), fromWxString(question));
}

std::optional<std::uint32_t> Fs1rPatchFiles::voiceDestination(const Fs1rSysexFile& file,
    std::int32_t destinationVoice)
{
    constexpr auto voiceCount = std::int32_t(Fs1rParts::voiceCount);
    if (destinationVoice >= 0 && destinationVoice < voiceCount)
        return std::uint32_t(destinationVoice);
    const std::int32_t shownVoice = device_.currentPanel() - Fs1rPanels::firstVoicePage;
    if (shownVoice >= 0 && shownVoice < voiceCount)
        return std::uint32_t(shownVoice);
    if (!dialogs_)
        return std::nullopt;
    const std::vector<RefString> choices{fromWxString(_("Read the part from the file")),
        fromWxString(_("Part 1")), fromWxString(_("Part 2")), fromWxString(_("Part 3")), fromWxString(_("Part 4"))};
    const std::int32_t choice = dialogs_->chooseOne(device_.getTypeId(),
        fromWxString(_("This file includes voice data. Choose the destination voice below:")), choices);
    if (choice < 0 || choice > voiceCount)
        return std::nullopt;
    return choice == 0 ? Fs1rParts::voiceIndex(file.part()) : std::uint32_t(choice - 1);
}

void Fs1rPatchFiles::reportLoadFailure(const std::string& path, const Fs1rSysexFile& file, std::uint32_t flags)
{
    const wxString error = toWxString(file.error());
    if (flags == flagsFileLoad)
        showError(wxString::Format(_("The file %s was not loaded.\n%s"), wxString::FromUTF8(path), error));
    else
        wxLogError("The file %s was not loaded: %s", wxString::FromUTF8(path), error);
}

// --- Saving -----------------------------------------------------------------------

void Fs1rPatchFiles::saveToFile(bool asNew, Fs1rPart part)
{
    if (part == Fs1rParts::shownPage)
        part = device_.getCurrentPart();
    if (!Fs1rParts::isValid(part))
        return;
    if (Fs1rParts::isVoice(part) && device_.isPartOff(Fs1rParts::voiceIndex(part)))
        return;
    if (!asNew && !device_.panels().pageHistory(pageOf(part)).isModified())
        return;
    if (asNew || files_[std::size_t(part)].empty())
        savePatchAs(part);
    else
        writePatchFile(part, files_[std::size_t(part)]);
}

void Fs1rPatchFiles::saveAll()
{
    for (Fs1rPart part = Fs1rParts::performance; part <= Fs1rParts::formantSequence; ++part)
        saveToFile(true, part);
}

bool Fs1rPatchFiles::savePatchAs(Fs1rPart part)
{
    if (!Fs1rParts::isValid(part) || !dialogs_)
        return false;
    const FileKind& kind = fileKind(part);
    const RefString folderKey(kind.folderKey);
    wxString message = translated(kind.saveMessage);
    if (Fs1rParts::isVoice(part))
        message = wxString::Format(message, Fs1rParts::voiceIndex(part) + 1);
    const std::string folder = device_.settings().getText(folderKey, RefString()).toUtf8();
    const std::string typed = dialogs_->chooseFileToSave(fromWxString(message),
        fromWxString(translated(kind.wildcard)), folder, defaultFileName(patchName(part), part));
    const std::string chosen = typed.empty() ? typed : savePath(part).confirmed(typed, [this](const std::string& path) {
        return dialogs_->askYesNo(device_.getTypeId(),
            fromWxString(wxString::Format(_("The file %s already exists. Do you want to replace it?"),
                wxString::FromUTF8(path))));
    });
    if (chosen.empty())
        return false;
    closePatchFile(part);
    device_.settings().setText(folderKey, RefString::fromUtf8(std::filesystem::path(chosen).parent_path().string()));
    if (!writePatchFile(part, chosen))
        return false;
    files_[std::size_t(part)] = chosen;
    return true;
}

bool Fs1rPatchFiles::writePatchFile(Fs1rPart part, const std::string& path)
{
    const MidiInterface* midi = device_.midiInterface();
    const std::vector<std::uint8_t> bytes =
        Fs1rSysexFile::build(part, protocol_.bulkDump(), device_, midi ? midi->deviceId() : 0);
    std::string error = "The patch has no bulk dump.";
    if (bytes.empty() || !AtomicFile::write(path, asChars(bytes), &error)) {
        showError(wxString::Format(_("The file %s could not be saved.\n%s"), wxString::FromUTF8(path),
            wxString::FromUTF8(error)));
        return false;
    }
    device_.markPatchWritten(part);
    return true;
}

// --- Files and texts ----------------------------------------------------------------

const std::string& Fs1rPatchFiles::patchFile(Fs1rPart part) const
{
    static const std::string none;
    return Fs1rParts::isValid(part) ? files_[std::size_t(part)] : none;
}

void Fs1rPatchFiles::closePatchFile(Fs1rPart part)
{
    if (Fs1rParts::isValid(part))
        files_[std::size_t(part)].clear();
}

void Fs1rPatchFiles::showError(const wxString& text)
{
    if (dialogs_)
        dialogs_->showError(device_.getTypeId(), fromWxString(text));
    else
        wxLogError("%s", text);
}

RefString Fs1rPatchFiles::patchName(Fs1rPart part) const
{
    if (part == Fs1rParts::performance)
        return device_.getPerformanceName();
    if (Fs1rParts::isVoice(part))
        return device_.getVoiceName(Fs1rParts::voiceIndex(part));
    return device_.getFseqName();
}
