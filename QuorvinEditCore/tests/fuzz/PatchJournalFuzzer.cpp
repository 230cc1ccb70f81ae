// Feeds arbitrary bytes to the replay of a patch cache's journal, as a crash
// or a damaged disk may leave it. The cache must open, fold the journal in,
// name only its slots' own files, each of which exists, and read back the
// same labels from the index it wrote.
//
// The first byte chooses how the rest becomes the journal: as it is, or as
// entries (slot, flags, name, dump taken from the bytes) framed as the
// journal frames them, then cut short or with one byte flipped. So the
// fuzzer spends its time past the checksums.
#include "patches/PatchLibrary.h"
#include "tests/fuzz/FuzzerSupport.h"

#include <cstdint>
#include <fstream>

namespace {

namespace fs = std::filesystem;

constexpr char16_t deviceId[] = u"YAMAHA_FS1R";
constexpr std::uint32_t bankCount = 2;
constexpr std::uint32_t bankSize = 90;
enum class InputForm { raw, entries, cutEntries, flippedEntries, count };

fs::path folder;
fs::path indexFile;
fs::path journalFile;

class InputBytes {
public:
    explicit InputBytes(std::string_view bytes) : rest_(bytes) {}
    bool empty() const { return rest_.empty(); }
    std::uint8_t byte()
    {
        if (rest_.empty())
            return 0;
        const std::uint8_t b = std::uint8_t(rest_.front());
        rest_.remove_prefix(1);
        return b;
    }
    std::string text()
    {
        const std::size_t length = std::min<std::size_t>(byte(), rest_.size());
        std::string taken(rest_.substr(0, length));
        rest_.remove_prefix(length);
        return taken;
    }

private:
    std::string_view rest_;
};

std::uint64_t journalBytes() { return PatchJournal(journalFile.string()).size(); }

void writeEntries(InputBytes input, InputForm form)
{
    std::uint64_t where = 0;
    {
        PatchJournal journal(journalFile.string());
        where = input.byte();
        while (!input.empty()) {
            const std::uint32_t slot = std::uint32_t(input.byte()) % (bankCount * bankSize + 4);
            const std::uint8_t flags = input.byte();
            PatchJournalEntry entry{slot, (flags & 1) != 0, RefString::fromUtf8(input.text()), RefString(), {}};
            if (flags & 2)
                entry.dump = input.text();
            journal.append(entry);
        }
    }
    const std::uint64_t size = journalBytes();
    if (size == 0 || form == InputForm::entries)
        return;
    if (form == InputForm::cutEntries) {
        fs::resize_file(journalFile, where * size / 256);
        return;
    }
    std::fstream file(journalFile, std::ios::binary | std::ios::in | std::ios::out);
    file.seekg(std::streamoff(where * size / 256));
    const char flipped = char(file.get() ^ 0x20);
    file.seekp(std::streamoff(where * size / 256));
    file.put(flipped);
}

std::vector<std::string> labelsAndFiles(const PatchLibrary& library)
{
    std::vector<std::string> texts;
    for (std::uint32_t slot = 0; slot < library.count(); ++slot) {
        RefString path, name, category;
        library.getPatch(slot / bankSize, slot % bankSize, path, name, category);
        const std::string file = path.toUtf8();
        require(path.isNull()
                || file == library.folder().toUtf8() + "fseq/" + std::to_string(slot / bankSize) + "_"
                        + std::to_string(slot % bankSize) + ".syx",
            "a record names a file that is not its slot's", file);
        require(path.isNull() || fs::is_regular_file(file), "a record names a missing file", file);
        texts.push_back(library.get(std::int32_t(slot)).toUtf8() + "|" + file);
    }
    return texts;
}

bool openCache(PatchLibrary& library)
{
    return library.open(deviceId, u"fseq", RefString::fromUtf8(indexFile.string()), bankCount, bankSize);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startQuietToolkit();
    // Every run writes files; memory-backed ones keep the runs fast.
    const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    folder = base / ("PatchJournalFuzzer-" + std::to_string(::getpid()));
    indexFile = folder / "fseq.xml";
    journalFile = folder / "fseq.xml.journal";
    std::atexit([] { fs::remove_all(folder); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fs::remove_all(folder);
    fs::create_directories(folder / "fseq");
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const InputForm form = bytes.empty() ? InputForm::raw : InputForm(std::uint8_t(bytes[0]) % int(InputForm::count));
    if (form == InputForm::raw)
        std::ofstream(journalFile, std::ios::binary) << bytes.substr(bytes.empty() ? 0 : 1);
    else
        writeEntries(InputBytes(bytes.substr(1)), form);

    PatchLibrary replayed;
    openCache(replayed);
    const std::vector<std::string> afterReplay = labelsAndFiles(replayed);
    require(journalBytes() == 0, "the journal was not folded in", std::to_string(journalBytes()));
    PatchLibrary reopened;
    openCache(reopened);
    require(labelsAndFiles(reopened) == afterReplay, "the labels changed on the way through the index", "");
    return 0;
}
