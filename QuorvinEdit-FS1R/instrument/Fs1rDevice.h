#pragma once
// The Yamaha FS1R as the editor drives it: its memory layout, protocol and
// patch caches, the connection steps, the page commands (answered by the
// editor pages behind Fs1rPanels), loading the current patch from the cache
// or the instrument, and filing every received dump into the cache. The main
// window owns the device; the pages are the main window's too.
#include "device/Device.h"
#include "instrument/Fs1rLibraries.h"
#include "instrument/Fs1rPart.h"
#include "instrument/Fs1rPatchFiles.h"
#include "instrument/Fs1rPatchLocation.h"
#include "instrument/Fs1rSysexProtocol.h"

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <span>
#include <vector>

class ChoiceItemFilter;
class Fs1rPanels;
class Fs1rPatchDialogs;
class MemoryListModel;
class Parameter;
class PatchLibrary;

class Fs1rDevice : public Device {
public:
    // How long the instrument needs after a dump before it takes more.
    static constexpr std::int32_t hardwareWait = 1800;
    // System value 0x000047 reads this when the instrument has 64 internal
    // voices instead of 128.
    static constexpr std::uint32_t limitedVoicesSetting = 1;
    static constexpr std::uint32_t limitedVoiceCount = 64;
    // The internal-memory view of formant sequences lists at most these.
    static constexpr std::uint32_t fseqViewLimit = 6;
    // The bank-select value of the first performance bank.
    static constexpr std::int32_t firstPerformanceBank = 0x40;

    // panels must outlive the device. An empty cachePath means the user
    // folder's cache; it ends with "/" otherwise. Without a user interface
    // messages go to the log.
    Fs1rDevice(Fs1rPanels& panels, const XmlElement& settings, DeviceUserInterface* userInterface,
        const RefString& cachePath = RefString());
    ~Fs1rDevice() override;

    // The base setup, the device finder and the editor pages.
    bool setup(wxWindow* parent) override;
    Fs1rPanels& panels() const { return panels_; }

    // --- Pages, answered by the panels --------------------------------------
    wxWindow* mainPanel() override;
    void resetCurrentPanel() override;
    void undo(std::int32_t panel) override;
    void redo(std::int32_t panel) override;
    void dumpHistory(std::int32_t panel) override;
    ValueLabels panelNames() const override;
    // 0 system, 1 performance, 2 to 5 voices 1 to 4, 6 formant sequence;
    // any other page does nothing.
    void showPanel(std::int32_t panel) override;
    std::int32_t currentPanel() const override;
    const ControlStyle* dialogStyle() override;
    // The part of the page that shows; shownPage for the system page or none.
    Fs1rPart getCurrentPart() const;

    // --- Files and the instrument's memory (Fs1rDeviceFiles.cpp) ------------
    // The dialogs those commands ask through; not owned. Without them (the
    // default) every dialog counts as cancelled.
    void setPatchDialogs(Fs1rPatchDialogs* dialogs);
    Fs1rPatchFiles& patchFiles() { return patchFiles_; }
    void openFile() override;
    void saveToFile(bool asNew, std::int32_t part) override;
    void saveAll() override;
    void saveToDevice(std::int32_t part) override;

    // --- Protocol ----------------------------------------------------------------
    std::vector<PackedAddress> probeAddresses() const override;
    std::int32_t maxSysexSize() const override;
    std::int32_t dumpOverhead() const override;
    std::int32_t hardwareWaitMs() const override { return hardwareWait; }
    // Shows the performance page, asks for the system settings and sends
    // the current performance saved in the settings. When that would replace
    // unsaved edits and the user declines, only the system settings come:
    // the pages and the instrument's edit buffers keep what they hold.
    void onConnected() override;
    // Saves the current performance's location in the settings.
    void onDisconnect() override;
    // Files every edit-buffer and internal-slot dump into its cache.
    void onDumpReceived(PackedAddress dumpAddress, std::span<const std::uint8_t> message) override;
    // A request that timed out is given up.
    void abortWait(const RefString& message, bool showFailure) override;
    // Notes the patch an edit buffer's request asks for as it leaves.
    void onDumpRequestSent(PackedAddress dumpAddress) override;

    // --- Set by the panels -------------------------------------------------------
    // The performance page's formant-sequence choice and the frame positions
    // the sequence's length bounds; the formant-sequence page works on these
    // very parameters. Not owned; null until the performance page is built.
    struct FseqParameters {
        Parameter* bank = nullptr;
        Parameter* presetNumber = nullptr;
        Parameter* internalNumber = nullptr;
        // Start step offset, loop start and loop end.
        std::array<Parameter*, 3> framePositions{};
    };
    void setFseqParameters(const FseqParameters& parameters) { fseqParameters_ = parameters; }
    const FseqParameters& fseqParameters() const { return fseqParameters_; }
    // The performance header's bank-select (display 0 to 3) and
    // program-change parameters; not owned.
    void setCurrentPerformanceParameters(Parameter* bank, Parameter* number);
    Parameter* currentPerformanceBank() const { return currentBank_; }
    Parameter* currentPerformanceNumber() const { return currentNumber_; }

    // --- System settings -----------------------------------------------------------
    // Applies system value 0x000047 once the system dump is in: the voice
    // limit of the part selectors and memory view, or the formant-sequence
    // bank minimum. Each later system dump applies it again.
    void onSystemSettingsReceived();
    // How many voices the internal-memory view of voices lists; none for all.
    std::optional<std::uint32_t> internalVoiceLimit() const { return internalVoiceLimit_; }

    // --- Current locations and names -------------------------------------------------
    // The slot the performance edit buffer stands for.
    Fs1rPatchLocation getCurrentPerformanceLocation();
    // None when part p (0 to 3) is off.
    std::optional<Fs1rPatchLocation> getCurrentVoiceLocation(std::uint32_t p);
    bool isPartOff(std::uint32_t p) const;
    Fs1rPatchLocation getCurrentFseqLocation();
    RefString getPerformanceName();
    RefString getVoiceName(std::uint32_t p);
    RefString getFseqName();
    // By the length code of the formant sequence; 0 for a code that names
    // no length.
    std::uint32_t getFseqFrameCount() const;

    // --- Edit buffers and the patch caches ------------------------------------------
    // Brings a part's patch in: from the cache when it holds a usable file,
    // else by asking the instrument for the edit buffer. A voice part that
    // is off has its page reset instead.
    void loadCurrentPatch(std::int32_t part) override;
    // Asks the pages, which know what holds unsaved edits.
    bool confirmLoad(std::int32_t part) override;
    // File an edit buffer into its cache: program -1 at the current
    // location, any other at bank 0 (internal memory), that program. False
    // when nothing was filed; the record stays as it was then.
    bool updatePerformanceCache(std::int32_t program);
    bool updateVoiceCache(std::uint32_t p, std::int32_t program);
    bool updateFseqCache(std::int32_t program);
    // The edit buffer has been written out (to a file, or into the cache
    // when saved to the instrument): the page of a performance or a voice
    // loses its modified mark; the formant-sequence page keeps its own.
    void markPatchWritten(Fs1rPart part);
    PatchLibrary& library(Fs1rLibraries::Index index) const;
    // A category filter of one part's voice choice over the voice library;
    // the caller keeps it as long as the choice.
    std::unique_ptr<MemoryListModel> createVoiceListModel(ChoiceItemFilter& choice) const;

protected:
    void buildAddressMap() override;
    void setupSysexProtocol() override;
    bool setupLibraries() override;

private:
    class SystemSettingsCallback;

    std::int32_t resolvePage(std::int32_t panel) const;
    void restoreCurrentPerformance();
    void setFromSetting(Parameter* parameter, const char16_t* setting);
    void requestSystemSettings();
    void applyFseqBankMinimum(std::int32_t minimum);

    std::uint32_t readByte(PackedAddress address) const;
    RefString readName(PackedAddress dumpAddress, std::uint32_t size);
    RefString categoryAt(PackedAddress address) const;
    // A slot with the name and category read from the part's edit buffer.
    Fs1rPatchLocation editBufferLocation(Fs1rPart part, std::uint32_t bank, std::uint32_t program);
    // The slot a part's edit buffer stands for; none for a voice part that
    // is off.
    std::optional<Fs1rPatchLocation> currentLocation(Fs1rPart part);

    // False when the cache holds no usable file; an unusable one is set
    // aside.
    bool loadFromCache(Fs1rPart part, const Fs1rPatchLocation& location);
    void requestEditBuffer(Fs1rPart part, const Fs1rPatchLocation& location);
    void fileEditBuffer(Fs1rPart part, std::span<const std::uint8_t> message);
    // Files a received dump as it came, named from its own data, at the
    // slot's bank and program.
    void fileReceivedDump(Fs1rPart part, const Fs1rPatchLocation& slot, std::span<const std::uint8_t> message);
    void logCacheUpdate(Fs1rPart part, const Fs1rPatchLocation& location);
    bool updateCache(Fs1rPart part, std::int32_t program);
    bool fileIntoCache(Fs1rPart part, const Fs1rPatchLocation& location);
    bool storeInCache(Fs1rLibraries::Index index, const Fs1rPatchLocation& location,
        std::span<const std::uint8_t> dump);

    Fs1rPanels& panels_;
    const RefString cachePath_;
    Fs1rPatchDialogs* patchDialogs_ = nullptr;
    Fs1rPatchFiles patchFiles_;
    FseqParameters fseqParameters_;
    Parameter* currentBank_ = nullptr;
    Parameter* currentNumber_ = nullptr;
    std::unique_ptr<SystemSettingsCallback> systemSettingsCallback_;
    std::optional<std::uint32_t> internalVoiceLimit_;
    // Where each edit buffer stood when a request for it left and was not
    // yet answered, oldest first, by part: an answer is filed there, even
    // when the user has chosen another patch meanwhile.
    std::array<std::deque<Fs1rPatchLocation>, Fs1rParts::formantSequence + 1> requestedLocations_;
};
