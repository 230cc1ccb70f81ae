#include "patches/PatchJournal.h"

#include "files/FileReader.h"
#include "files/PosixFileIo.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// "QPJ" and a format number start every entry.
constexpr char entryMark[] = {'Q', 'P', 'J', '1'};
constexpr std::size_t frameBytes = sizeof entryMark + 4 + 4;
constexpr std::uint8_t hasFileFlag = 1;
constexpr std::uint8_t hasDumpFlag = 2;
// Far above what a session files between two index saves.
constexpr std::size_t maxJournalBytes = std::size_t(1) << 30;
constexpr std::uint32_t crcPolynomial = 0xEDB88320;

std::array<std::uint32_t, 256> makeCrcTable()
{
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < table.size(); ++n) {
        std::uint32_t c = n;
        for (int bit = 0; bit < 8; ++bit)
            c = (c & 1) ? crcPolynomial ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

std::uint32_t crc32(std::string_view bytes)
{
    static const std::array<std::uint32_t, 256> table = makeCrcTable();
    std::uint32_t c = 0xFFFFFFFF;
    for (const char byte : bytes)
        c = table[(c ^ std::uint8_t(byte)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFF;
}

void putNumber(std::string& out, std::uint32_t n)
{
    for (int shift = 0; shift < 32; shift += 8)
        out += char((n >> shift) & 0xFF);
}

void putText(std::string& out, std::string_view text)
{
    putNumber(out, std::uint32_t(text.size()));
    out += text;
}

// Reads the fields of an entry in order; any read past the end marks the
// whole entry as bad.
class FieldReader {
public:
    explicit FieldReader(std::string_view bytes) : rest_(bytes) {}
    bool good() const { return good_; }
    bool atEnd() const { return rest_.empty(); }

    std::uint32_t number()
    {
        const std::string_view bytes = take(4);
        std::uint32_t n = 0;
        for (std::size_t i = 0; i < bytes.size(); ++i)
            n |= std::uint32_t(std::uint8_t(bytes[i])) << (8 * i);
        return n;
    }
    std::uint8_t byte()
    {
        const std::string_view bytes = take(1);
        return bytes.empty() ? 0 : std::uint8_t(bytes[0]);
    }
    std::string_view text() { return take(number()); }

private:
    std::string_view take(std::size_t count)
    {
        if (!good_ || count > rest_.size()) {
            good_ = false;
            return {};
        }
        const std::string_view taken = rest_.substr(0, count);
        rest_.remove_prefix(count);
        return taken;
    }

    std::string_view rest_;
    bool good_ = true;
};

std::string encodeEntry(const PatchJournalEntry& entry)
{
    std::string payload;
    putNumber(payload, entry.slot);
    payload += char((entry.hasFile ? hasFileFlag : 0) | (entry.dump ? hasDumpFlag : 0));
    putText(payload, entry.name.toUtf8());
    putText(payload, entry.category.toUtf8());
    putText(payload, entry.dump ? *entry.dump : std::string_view());
    std::string bytes(entryMark, sizeof entryMark);
    putNumber(bytes, std::uint32_t(payload.size()));
    putNumber(bytes, crc32(payload));
    return bytes + payload;
}

std::optional<PatchJournalEntry> decodePayload(std::string_view payload)
{
    FieldReader fields(payload);
    PatchJournalEntry entry;
    entry.slot = fields.number();
    const std::uint8_t flags = fields.byte();
    entry.hasFile = (flags & hasFileFlag) != 0;
    entry.name = RefString::fromUtf8(fields.text());
    entry.category = RefString::fromUtf8(fields.text());
    const std::string_view dump = fields.text();
    if (flags & hasDumpFlag)
        entry.dump = std::string(dump);
    if (!fields.good() || !fields.atEnd())
        return std::nullopt;
    return entry;
}

// The entry at the front of the bytes, which it then drops; none, with the
// bytes left as they are, when the entry is torn or damaged.
std::optional<PatchJournalEntry> nextEntry(std::string_view& bytes)
{
    if (bytes.size() < frameBytes || std::memcmp(bytes.data(), entryMark, sizeof entryMark) != 0)
        return std::nullopt;
    FieldReader frame(bytes.substr(sizeof entryMark, 8));
    const std::uint32_t length = frame.number();
    const std::uint32_t checksum = frame.number();
    if (bytes.size() - frameBytes < length)
        return std::nullopt;
    const std::string_view payload = bytes.substr(frameBytes, length);
    if (crc32(payload) != checksum)
        return std::nullopt;
    std::optional<PatchJournalEntry> entry = decodePayload(payload);
    if (entry)
        bytes.remove_prefix(frameBytes + length);
    return entry;
}

// The whole entries from the start, up to the first bad one; gives how many
// bytes they take.
std::size_t wholeEntries(std::string_view bytes, std::vector<PatchJournalEntry>& entries)
{
    std::string_view rest = bytes;
    while (std::optional<PatchJournalEntry> entry = nextEntry(rest))
        entries.push_back(std::move(*entry));
    return bytes.size() - rest.size();
}

} // namespace

PatchJournal::PatchJournal(std::string path) : path_(std::move(path)) {}

PatchJournal::~PatchJournal()
{
    if (fd_ >= 0)
        ::close(fd_);
}

std::uint64_t PatchJournal::size() const
{
    struct stat status {};
    const int result = fd_ >= 0 ? ::fstat(fd_, &status) : ::stat(path_.c_str(), &status);
    return result == 0 ? std::uint64_t(status.st_size) : 0;
}

bool PatchJournal::read(std::vector<PatchJournalEntry>& entries, std::string* error) const
{
    entries.clear();
    struct stat status {};
    if (::stat(path_.c_str(), &status) != 0 && errno == ENOENT)
        return true;
    std::string bytes;
    if (!FileReader::readAll(path_, maxJournalBytes, bytes, error))
        return false;
    wholeEntries(bytes, entries);
    return true;
}

bool PatchJournal::append(const PatchJournalEntry& entry, std::string* error)
{
    if (!openForAppending(error))
        return false;
    struct stat status {};
    if (::fstat(fd_, &status) != 0)
        return reportFileError(error, "Cannot write", path_, errno);
    const bool written = writeAllBytes(fd_, encodeEntry(entry)) && ::fdatasync(fd_) == 0;
    if (!written) {
        const int code = errno;
        // A part of the entry may have gone in; it must not stay as the
        // start of the next one.
        if (::ftruncate(fd_, status.st_size) != 0)
            errno = 0;
        lastEntryStart_ = -1;
        return reportFileError(error, "Cannot write", path_, code);
    }
    lastEntryStart_ = status.st_size;
    return true;
}

void PatchJournal::withdrawLast()
{
    if (fd_ >= 0 && lastEntryStart_ >= 0 && ::ftruncate(fd_, lastEntryStart_) == 0)
        ::fdatasync(fd_);
    lastEntryStart_ = -1;
}

// An empty journal is no file at all, so none is left beside the index
// after the program ends; the next append makes it again.
bool PatchJournal::clear(std::string* error)
{
    lastEntryStart_ = -1;
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (::unlink(path_.c_str()) != 0 && errno != ENOENT)
        return reportFileError(error, "Cannot remove", path_, errno);
    return true;
}

bool PatchJournal::openForAppending(std::string* error)
{
    // Another opener of the same collection (a second start, which folds
    // the journal in) may have removed the file this one still holds.
    struct stat status {};
    if (fd_ >= 0 && ::fstat(fd_, &status) == 0 && status.st_nlink > 0)
        return true;
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
    if (fd_ < 0)
        return reportFileError(error, "Cannot open", path_, errno);
    if (cutTornEnd(error))
        return true;
    ::close(fd_);
    fd_ = -1;
    return false;
}

// Reading stops at the first bad entry, so an entry appended behind the one
// a crash tore would be lost: the file is cut back to its last whole entry
// before anything is appended.
bool PatchJournal::cutTornEnd(std::string* error)
{
    std::string bytes;
    if (!FileReader::readAll(path_, maxJournalBytes, bytes, error))
        return false;
    std::vector<PatchJournalEntry> entries;
    const std::size_t whole = wholeEntries(bytes, entries);
    if (whole < bytes.size() && (::ftruncate(fd_, off_t(whole)) != 0 || ::fdatasync(fd_) != 0))
        return reportFileError(error, "Cannot cut the torn end of", path_, errno);
    return true;
}
