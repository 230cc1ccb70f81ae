// Feeds arbitrary bytes to the opening of a patch cache index. An index that
// is not kept must survive whole under its set-aside name; one that is kept
// must stay inside its grid and its folder, take any name, save, and read
// back as the same labels.
//
// The first byte chooses how the rest becomes the file: as it is; inside a
// valid header; or as entries, one a line, whose comma-separated fields are
// the attribute values (a file field "=" names the entry's own cache file).
// So the fuzzer spends its time on the entries rather than on finding the
// names of the format.
#include "patches/PatchLibrary.h"

#include <wx/init.h>
#include <wx/log.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr char16_t deviceId[] = u"YAMAHA_FS1R";
constexpr char16_t contentType[] = u"fseq";
constexpr std::uint32_t bankCount = 2;
constexpr std::uint32_t bankSize = 90;
constexpr std::size_t longestFuzzedName = 32;
constexpr char validHeader[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<YAMAHA_FS1R>\n"
                               " <pach_collection name=\"YAMAHA_FS1R internal fseq memory.\" content_type=\"fseq\" "
                               "bank_size=\"90\" bank_count=\"2\">\n";
constexpr char validFooter[] = " </pach_collection>\n</YAMAHA_FS1R>\n";
enum EntryField { nameField, bankField, programField, fileField, categoryField, fieldCount };
constexpr const char* entryAttributes[fieldCount] = {"name", "bank", "program", "file", "category"};
constexpr char ownFileField[] = "=";

enum class InputForm { raw, insideHeader, entryFields, count };

fs::path folder;
fs::path indexFile;

void require(bool condition, const char* what, const std::string& detail)
{
    if (condition)
        return;
    std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
    std::abort();
}

void abortOnAssert(const wxString& file, int line, const wxString& function, const wxString& condition,
    const wxString& message)
{
    std::fprintf(stderr, "wx assert %s:%d in %s: %s %s\n", file.utf8_str().data(), line,
        function.utf8_str().data(), condition.utf8_str().data(), message.utf8_str().data());
    std::abort();
}

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool openIndex(PatchLibrary& library, std::string* error = nullptr)
{
    return library.open(deviceId, contentType, RefString::fromUtf8(indexFile.string()), bankCount, bankSize, error);
}

std::vector<std::string> labels(const PatchLibrary& library)
{
    std::vector<std::string> texts;
    for (std::uint32_t slot = 0; slot < library.count(); ++slot)
        texts.push_back(library.get(std::int32_t(slot)).toUtf8());
    return texts;
}

void requireInsideTheCache(const PatchLibrary& library)
{
    require(library.count() == bankCount * bankSize, "the grid changed size", std::to_string(library.count()));
    const std::string patchFolder = library.folder().toUtf8() + "fseq/";
    for (std::uint32_t bank = 0; bank < bankCount; ++bank) {
        for (std::uint32_t program = 0; program < bankSize; ++program) {
            RefString path, name, category;
            library.getPatch(bank, program, path, name, category);
            const std::string file = path.toUtf8();
            require(path.isNull() || file == patchFolder + std::to_string(bank) + "_" + std::to_string(program) + ".syx",
                "an entry names a file that is not its slot's", file);
        }
    }
}

void checkSetAside(const std::string& bytes, const std::string& error)
{
    require(!error.empty(), "an index was dropped without a word", bytes);
    require(!fs::exists(indexFile), "an unusable index was left in place", error);
    require(readFile(indexFile.string() + ".bad") == bytes, "the set-aside index is not the original", error);
}

void checkKept(PatchLibrary& library, const std::string& bytes)
{
    requireInsideTheCache(library);
    const std::string anyName = bytes.substr(0, longestFuzzedName);
    std::string error;
    require(!library.updatePatch(1, bankSize - 1, RefString::fromUtf8(anyName), RefString::fromUtf8(anyName), bytes,
                        &error)
                 .isNull(),
        "a kept index could not be updated", error);
    require(library.saveIndex(&error), "a kept index could not be saved", error);

    PatchLibrary first;
    require(openIndex(first, &error), "an index written by the library is not kept", error);
    requireInsideTheCache(first);
    require(first.saveIndex(&error), "a read index could not be saved", error);
    PatchLibrary second;
    require(openIndex(second, &error), "a saved index is not kept", error);
    require(labels(second) == labels(first), "the labels changed on the way through the index", bytes);
}

std::string entryFromFields(const std::string& line)
{
    std::vector<std::string> fields;
    std::istringstream split(line);
    for (std::string field; fields.size() < fieldCount && std::getline(split, field, ',');)
        fields.push_back(field);
    if (fields.size() > fileField && fields[fileField] == ownFileField)
        fields[fileField] = "fseq/" + fields[bankField] + "_" + fields[programField] + ".syx";
    std::string entry = "  <pach";
    for (std::size_t i = 0; i < fields.size(); ++i)
        entry += std::string(" ") + entryAttributes[i] + "=\"" + fields[i] + "\"";
    return entry + "/>\n";
}

std::string entriesFromFields(const std::string& text)
{
    std::string entries;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        entries += entryFromFields(line);
    return entries;
}

std::string indexBytes(const std::string& input)
{
    if (input.empty())
        return input;
    const std::string rest = input.substr(1);
    switch (InputForm(std::uint8_t(input[0]) % std::uint8_t(InputForm::count))) {
    case InputForm::insideHeader:
        return validHeader + rest + validFooter;
    case InputForm::entryFields:
        return validHeader + entriesFromFields(rest) + validFooter;
    default:
        return rest;
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    wxInitialize();
    wxLog::EnableLogging(false);
    wxSetAssertHandler(abortOnAssert);
    // Every run writes files; memory-backed ones keep the runs fast.
    const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    folder = base / ("PatchIndexFuzzer-" + std::to_string(::getpid()));
    indexFile = folder / "fseq.xml";
    std::atexit([] { fs::remove_all(folder); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes = indexBytes(std::string(reinterpret_cast<const char*>(data), size));

    fs::remove_all(folder);
    fs::create_directories(folder);
    std::ofstream(indexFile, std::ios::binary | std::ios::trunc) << bytes;

    PatchLibrary library;
    std::string error;
    if (openIndex(library, &error))
        checkKept(library, bytes);
    else
        checkSetAside(bytes, error);
    return 0;
}
