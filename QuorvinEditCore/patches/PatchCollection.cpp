#include "patches/PatchCollection.h"

#include "files/AtomicFile.h"
#include "patches/LabelsObserver.h"
#include "patches/SetAsideFile.h"
#include "text/WxText.h"
#include "xml/XmlFile.h"
#include "xml/XmlTextWriter.h"

#include <wx/translation.h>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <utility>

namespace {

constexpr char16_t collectionElement[] = u"pach_collection";
constexpr char16_t recordElement[] = u"pach";
constexpr char16_t nameAttribute[] = u"name";
constexpr char16_t contentTypeAttribute[] = u"content_type";
constexpr char16_t bankSizeAttribute[] = u"bank_size";
constexpr char16_t bankCountAttribute[] = u"bank_count";
constexpr char16_t categoryAttribute[] = u"category";
constexpr char16_t bankAttribute[] = u"bank";
constexpr char16_t programAttribute[] = u"program";
constexpr char16_t fileAttribute[] = u"file";
constexpr char16_t cacheFileExtension[] = u".syx";
constexpr char16_t pathSeparator = u'/';
constexpr unsigned decimalBase = 10;

void report(std::string* error, const std::string& reason)
{
    if (error)
        *error = reason;
}

bool fail(std::string* error, const std::string& reason)
{
    report(error, reason);
    return false;
}

RefString concat(std::initializer_list<std::u16string_view> parts)
{
    std::u16string text;
    for (std::u16string_view part : parts)
        text += part;
    return RefString(text);
}

std::uint32_t decimalDigits(std::uint64_t n)
{
    std::uint32_t digits = 1;
    for (; n >= decimalBase; n /= decimalBase)
        ++digits;
    return digits;
}

std::u16string paddedNumber(std::uint32_t n, std::uint32_t width)
{
    std::u16string digits(RefString::fromInt(n).view());
    if (digits.size() < width)
        digits.insert(0, width - digits.size(), u'0');
    return digits;
}

// Plain unsigned decimal text only; anything else gives the fallback.
std::uint32_t parseUnsigned(const RefString& text, std::uint32_t fallback)
{
    const std::string digits = text.toUtf8();
    std::uint32_t value = 0;
    const auto [end, status] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return status == std::errc() && end == digits.data() + digits.size() ? value : fallback;
}

// Everything before the last "/"; the working directory when there is none.
RefString folderOf(const RefString& indexPath)
{
    const std::u16string_view path = indexPath.view();
    const std::size_t cut = path.rfind(pathSeparator);
    return cut == std::u16string_view::npos ? RefString(u".") : RefString(path.substr(0, cut));
}

std::string outsideText(const RefString& contentType, std::uint32_t bank, std::uint32_t program)
{
    return "Bank " + std::to_string(bank) + " program " + std::to_string(program) + " is outside the "
        + contentType.toUtf8() + " cache";
}

std::string layoutText(const XmlElement& collection)
{
    // Started as a string, not a literal: GCC 12 warns (-Wrestrict) on a
    // literal put before a temporary string.
    std::string text(1, '"');
    return text + collection.getAttribute(nameAttribute, RefString()).toUtf8() + "\", content type \""
        + collection.getAttribute(contentTypeAttribute, RefString()).toUtf8() + "\", "
        + collection.getAttribute(bankCountAttribute, RefString()).toUtf8() + " banks of "
        + collection.getAttribute(bankSizeAttribute, RefString()).toUtf8();
}

} // namespace

const RefString& PatchCollection::get(std::int32_t index) const
{
    if (index < 0 || std::size_t(index) >= records_.size())
        return emptyLabel();
    return records_[std::size_t(index)].label;
}

RefString PatchCollection::cellLabel(std::int32_t index) const
{
    const RefString& label = get(index);
    if (!label.isEmpty() || index < 0 || std::size_t(index) >= records_.size())
        return label;
    // Grids label every empty slot at their first paint: no record, and so
    // no translated name, is made for each.
    const auto slot = std::uint32_t(index);
    return concat({bankLabel(bankOf(slot)), paddedNumber(programOf(slot) + 1, decimalDigits(bankSize_))});
}

bool PatchCollection::setName(std::uint32_t index, const RefString& name, std::string* error)
{
    if (index >= records_.size())
        return fail(error, "Record " + std::to_string(index) + " is outside the " + contentType_.toUtf8() + " cache");
    PatchRecord record = records_[index];
    record.name = XmlTextWriter::storableText(name);
    record.label = buildLabel(record);
    return commitRecord(index, std::move(record), error);
}

void PatchCollection::addObserver(LabelsObserver& observer) { observers_.push_back(&observer); }

void PatchCollection::removeObserver(LabelsObserver& observer) { std::erase(observers_, &observer); }

void PatchCollection::setBankLabels(const LabelList* bankLabels)
{
    bankLabels_ = bankLabels;
    bankLabelWidth_ = widestBankLabel();
    for (PatchRecord& record : records_)
        if (!record.label.isNull())
            record.label = buildLabel(record);
    notifyObservers();
}

bool PatchCollection::save(const RefString& indexPath, std::string* error) const
{
    if (id_.isEmpty())
        return fail(error, "Cannot write " + indexPath.toUtf8() + ": the patch collection was never opened");
    return AtomicFile::write(indexPath.toUtf8(), indexText(), error);
}

std::string PatchCollection::indexText() const
{
    XmlTextWriter xml;
    xml.open(id_.view());
    xml.open(collectionElement);
    xml.attribute(nameAttribute, name_);
    xml.attribute(contentTypeAttribute, contentType_);
    xml.attribute(bankSizeAttribute, bankSize_);
    xml.attribute(bankCountAttribute, bankCount_);
    for (const PatchRecord& record : records_) {
        if (record.file.isEmpty())
            continue;
        xml.open(recordElement);
        xml.attribute(nameAttribute, record.name);
        if (!record.category.isEmpty())
            xml.attribute(categoryAttribute, record.category);
        xml.attribute(bankAttribute, record.bank);
        xml.attribute(programAttribute, record.program);
        xml.attribute(fileAttribute, record.file);
        xml.close();
    }
    xml.close();
    xml.close();
    return xml.text();
}

bool PatchCollection::getPatch(std::uint32_t bank, std::uint32_t program, RefString& filePath, RefString& name,
    RefString& category) const
{
    if (!isInGrid(bank, program))
        return false;
    const PatchRecord& record = records_[slotIndex(bank, program)];
    name = record.name;
    category = record.category;
    if (!record.file.isEmpty())
        filePath = concat({folder().view(), record.file.view()});
    return true;
}

RefString PatchCollection::updatePatch(std::uint32_t bank, std::uint32_t program, const RefString& name,
    const RefString& category, std::string_view dump, std::string* error)
{
    if (!isInGrid(bank, program)) {
        fail(error, outsideText(contentType_, bank, program));
        return RefString();
    }
    const std::size_t slot = slotIndex(bank, program);
    PatchRecord record = filledRecord(slot, name, category, cacheFile(bank, program));
    const RefString path = cacheFilePath(slot);
    if (!createPatchFolder(error) || !recordChange(slot, record, &dump, error))
        return RefString();
    const AtomicFile::Durability durability =
        keepsFileBytes() ? AtomicFile::Durability::unsynced : AtomicFile::Durability::synced;
    if (!AtomicFile::write(path.toUtf8(), dump, error, durability)) {
        withdrawChange();
        return RefString();
    }
    records_[slot] = std::move(record);
    notifyObservers(slot);
    return path;
}

bool PatchCollection::setRecord(std::uint32_t bank, std::uint32_t program, const RefString& file,
    const RefString& name, const RefString& category, std::string* error)
{
    if (!isInGrid(bank, program))
        return fail(error, outsideText(contentType_, bank, program));
    if (!file.isEmpty() && !(file == cacheFile(bank, program)))
        return fail(error, file.toUtf8() + " is not the cache file of bank " + std::to_string(bank) + " program "
                + std::to_string(program));
    const std::size_t slot = slotIndex(bank, program);
    return commitRecord(slot, filledRecord(slot, name, category, file), error);
}

bool PatchCollection::setPatchAside(std::uint32_t bank, std::uint32_t program, std::string* error)
{
    if (!isInGrid(bank, program))
        return fail(error, outsideText(contentType_, bank, program));
    const std::size_t slot = slotIndex(bank, program);
    if (records_[slot].file.isEmpty())
        return true;
    const std::string path = cacheFilePath(slot).toUtf8();
    // Recorded first: a crash after the move then finds the slot empty,
    // not naming a file that is gone.
    if (!recordChange(slot, emptyRecord(slot), nullptr, error))
        return false;
    std::error_code ignored;
    std::string setAsidePath;
    if (std::filesystem::exists(std::filesystem::symlink_status(path, ignored))
        && !SetAsideFile::moveAside(path, setAsidePath, error)) {
        withdrawChange();
        return false;
    }
    records_[slot] = emptyRecord(slot);
    notifyObservers(slot);
    return true;
}

RefString PatchCollection::folder() const { return concat({folder_.view(), u"/"}); }

std::uint32_t PatchCollection::locationPrefixLength() const { return bankLabelWidth() + decimalDigits(bankSize_); }

PatchCollection::TextExtent PatchCollection::maxLabelExtent(const TextMeasure& measure) const
{
    TextExtent largest;
    for (std::size_t index = 0; index < records_.size(); ++index) {
        const TextExtent extent = measure(cellLabel(std::int32_t(index)));
        largest.width = std::max(largest.width, extent.width);
        largest.height = std::max(largest.height, extent.height);
    }
    return largest;
}

void PatchCollection::reset(const RefString& id, const RefString& indexPath, const RefString& name,
    const RefString& contentType, std::uint32_t bankCount, std::uint32_t bankSize)
{
    id_ = id;
    folder_ = folderOf(indexPath);
    name_ = name;
    contentType_ = contentType;
    bankCount_ = bankCount;
    bankSize_ = bankSize;
    bankLabelWidth_ = widestBankLabel();
    records_.resize(std::size_t(bankCount) * bankSize);
    for (std::size_t slot = 0; slot < records_.size(); ++slot)
        records_[slot] = emptyRecord(std::uint32_t(slot));
    notifyObservers();
}

bool PatchCollection::load(const RefString& indexPath, std::string* error)
{
    const std::unique_ptr<XmlRootElement> root = readXmlFile(indexPath, error);
    if (!root)
        return false;
    const std::string file = indexPath.toUtf8();
    if (!(root->name() == id_))
        return fail(error, file + ": not a patch cache index of " + id_.toUtf8() + " (the root element is \""
                + root->name().toUtf8() + "\")");
    const std::vector<XmlElement> collections = root->children(collectionElement);
    if (collections.empty())
        return fail(error, file + ": the index holds no \"pach_collection\" element");
    std::vector<PatchRecord> records = records_;
    std::size_t ignored = 0;
    for (const XmlElement& collection : collections) {
        if (!hasOwnLayout(collection))
            return fail(error, file + ": the index describes " + layoutText(collection) + ", not \"" + name_.toUtf8()
                    + "\", content type \"" + contentType_.toUtf8() + "\", " + std::to_string(bankCount_)
                    + " banks of " + std::to_string(bankSize_));
        for (const XmlElement& element : collection.children(recordElement))
            ignored += readRecord(element, records) ? 0 : 1;
    }
    records_.swap(records);
    notifyObservers();
    if (ignored > 0)
        report(error, file + ": " + std::to_string(ignored)
                + " entries were ignored: their slot lies outside the grid or their file is not the slot's own");
    return true;
}

bool PatchCollection::recordChange(std::size_t, const PatchRecord&, const std::string_view*, std::string*)
{
    return true;
}

bool PatchCollection::createPatchFolder(std::string* error) const
{
    const std::string path = concat({folder().view(), contentType_.view()}).toUtf8();
    std::error_code failure;
    std::filesystem::create_directories(path, failure);
    if (failure)
        return fail(error, "Cannot create the patch folder " + path + ": " + failure.message());
    return true;
}

void PatchCollection::restoreRecord(std::size_t slot, bool hasFile, const RefString& name, const RefString& category)
{
    if (slot >= records_.size())
        return;
    records_[slot] = hasFile ? filledRecord(slot, name, category, cacheFile(records_[slot].bank, records_[slot].program))
                             : emptyRecord(std::uint32_t(slot));
}

RefString PatchCollection::cacheFilePath(std::size_t slot) const
{
    const PatchRecord& record = records_[slot];
    return concat({folder().view(), cacheFile(record.bank, record.program).view()});
}

bool PatchCollection::isInGrid(std::uint32_t bank, std::uint32_t program) const
{
    return bank < bankCount_ && program < bankSize_;
}

std::size_t PatchCollection::slotIndex(std::uint32_t bank, std::uint32_t program) const
{
    return std::size_t(bank) * bankSize_ + program;
}

RefString PatchCollection::cacheFile(std::uint32_t bank, std::uint32_t program) const
{
    return concat({contentType_.view(), u"/", RefString::fromInt(bank).view(), u"_",
        RefString::fromInt(program).view(), cacheFileExtension});
}

PatchRecord PatchCollection::emptyRecord(std::uint32_t slot) const
{
    PatchRecord record;
    record.bank = bankOf(slot);
    record.program = programOf(slot);
    record.name = fromWxString(_("<Empty>"));
    return record;
}

RefString PatchCollection::buildLabel(const PatchRecord& record) const
{
    return concat({bankLabel(record.bank), paddedNumber(record.program + 1, decimalDigits(bankSize_)),
        record.category.view(), record.name.view()});
}

std::u16string PatchCollection::bankLabel(std::uint32_t bank) const
{
    if (bankLabels_)
        return std::u16string(bankLabels_->get(std::int32_t(bank)).view());
    return paddedNumber(bank, bankLabelWidth());
}

// Bank numbers are padded to one width, so the category starts at the same
// place in every label.
std::uint32_t PatchCollection::widestBankLabel() const
{
    if (!bankLabels_)
        return bankCount_ == 0 ? 0 : decimalDigits(bankCount_ - 1);
    std::size_t widest = 0;
    for (std::uint32_t bank = 0; bank < bankCount_; ++bank)
        widest = std::max(widest, bankLabels_->get(std::int32_t(bank)).length());
    return std::uint32_t(widest);
}

bool PatchCollection::hasOwnLayout(const XmlElement& collection) const
{
    return collection.getAttribute(nameAttribute, RefString()) == name_
        && collection.getAttribute(contentTypeAttribute, RefString()) == contentType_
        && parseUnsigned(collection.getAttribute(bankSizeAttribute, RefString()), 0) == bankSize_
        && parseUnsigned(collection.getAttribute(bankCountAttribute, RefString()), 0) == bankCount_;
}

bool PatchCollection::readRecord(const XmlElement& element, std::vector<PatchRecord>& records) const
{
    PatchRecord record;
    record.name = element.getAttribute(nameAttribute, fromWxString(_("No name")));
    record.category = element.getAttribute(categoryAttribute, RefString());
    record.file = element.getAttribute(fileAttribute, RefString());
    record.bank = parseUnsigned(element.getAttribute(bankAttribute, RefString()), 0);
    record.program = parseUnsigned(element.getAttribute(programAttribute, RefString()), 0);
    // A file named by an outside index is only trusted when it is the one
    // this collection would write for the slot: anything else could point
    // anywhere on the disk.
    if (!isInGrid(record.bank, record.program)
        || (!record.file.isEmpty() && !(record.file == cacheFile(record.bank, record.program))))
        return false;
    record.label = buildLabel(record);
    records[slotIndex(record.bank, record.program)] = std::move(record);
    return true;
}

PatchRecord PatchCollection::filledRecord(std::size_t slot, const RefString& name, const RefString& category,
    const RefString& file) const
{
    // Names come from the instrument's bytes; they are kept as the index
    // can hold them, so a record reads back from it as it is now.
    PatchRecord record{records_[slot].bank, records_[slot].program, XmlTextWriter::storableText(name),
        XmlTextWriter::storableText(category), RefString(), file};
    record.label = buildLabel(record);
    return record;
}

bool PatchCollection::commitRecord(std::size_t slot, PatchRecord record, std::string* error)
{
    if (!recordChange(slot, record, nullptr, error))
        return false;
    records_[slot] = std::move(record);
    notifyObservers(slot);
    return true;
}

void PatchCollection::notifyObservers()
{
    tellObservers([](LabelsObserver& observer) { observer.labelsChanged(); });
}

void PatchCollection::notifyObservers(std::size_t slot)
{
    tellObservers([slot](LabelsObserver& observer) { observer.labelChanged(std::int32_t(slot)); });
}

void PatchCollection::tellObservers(const std::function<void(LabelsObserver&)>& tell)
{
    // An observer may add or remove observers while it is told.
    const std::vector<LabelsObserver*> observers = observers_;
    for (LabelsObserver* observer : observers)
        if (std::find(observers_.begin(), observers_.end(), observer) != observers_.end())
            tell(*observer);
}
