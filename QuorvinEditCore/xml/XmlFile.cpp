#include "xml/XmlFile.h"

#include "files/AtomicFile.h"
#include "files/FileReader.h"
#include "text/WxText.h"
#include "xml/XmlShapeCheck.h"

#include <wx/log.h>
#include <wx/mstream.h>
#include <wx/thread.h>
#include <wx/xml/xml.h>

#include <filesystem>

namespace {

constexpr int indentStep = 1;
// Far above any file the editor writes; a larger one is not read into memory.
constexpr std::size_t maxXmlFileBytes = 64 << 20;

void report(std::string* error, const std::string& reason)
{
    if (error)
        *error = reason;
}

// Collects what the toolkit's parser logs while it is alive, so that the
// reason for a refused file comes back to the caller instead of a log window.
class ParserMessages : public wxLog {
public:
    ParserMessages() : previous_(mainThread_ ? SetActiveTarget(this) : SetThreadActiveTarget(this)) {}
    ~ParserMessages() override { mainThread_ ? SetActiveTarget(previous_) : SetThreadActiveTarget(previous_); }
    const std::string& text() const { return text_; }

protected:
    void DoLogRecord(wxLogLevel, const wxString& message, const wxLogRecordInfo&) override
    {
        text_ += (text_.empty() ? "" : "; ") + message.utf8_string();
    }

private:
    const bool mainThread_ = wxThread::IsMain();
    wxLog* const previous_;
    std::string text_;
};

std::unique_ptr<XmlRootElement> createSettingsFile(const RefString& path, std::string* error)
{
    std::unique_ptr<XmlRootElement> root = XmlRootElement::create(settingsRootName);
    if (!saveXmlFile(*root, path, error))
        return nullptr;
    return root;
}

} // namespace

bool fileExists(const RefString& path)
{
    std::error_code ignored;
    const std::filesystem::file_status status = std::filesystem::status(path.toUtf8(), ignored);
    return std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

std::unique_ptr<XmlRootElement> parseXml(std::string_view bytes, std::string* error)
{
    if (const std::string problem = findXmlShapeProblem(bytes); !problem.empty()) {
        report(error, "refused: " + problem);
        return nullptr;
    }
    wxMemoryInputStream input(bytes.data(), bytes.size());
    wxXmlDocument document;
    bool loaded = false;
    std::string parserText;
    {
        ParserMessages messages;
        loaded = document.Load(input, "UTF-8");
        parserText = messages.text();
    }
    if (!loaded) {
        report(error, "not a well-formed XML document" + (parserText.empty() ? "" : " (" + parserText + ")"));
        return nullptr;
    }
    std::unique_ptr<wxXmlNode> root(document.DetachRoot());
    if (!root) {
        report(error, "the document has no root element");
        return nullptr;
    }
    return std::make_unique<XmlRootElement>(std::move(root));
}

std::unique_ptr<XmlRootElement> readXmlFile(const RefString& path, std::string* error)
{
    const std::string file = path.toUtf8();
    std::string bytes;
    if (!FileReader::readAll(file, maxXmlFileBytes, bytes, error))
        return nullptr;
    std::string reason;
    std::unique_ptr<XmlRootElement> root = parseXml(bytes, &reason);
    if (!root)
        report(error, file + ": " + reason);
    return root;
}

std::unique_ptr<XmlRootElement> loadXmlFile(const RefString& path, std::string* error)
{
    std::error_code ignored;
    if (!std::filesystem::exists(std::filesystem::symlink_status(path.toUtf8(), ignored)))
        return createSettingsFile(path, error);
    std::unique_ptr<XmlRootElement> root = readXmlFile(path, error);
    if (root && !(root->name() == RefString(settingsRootName))) {
        report(error, path.toUtf8() + ": the root element is \"" + root->name().toUtf8() + "\", not \""
                + RefString(settingsRootName).toUtf8() + "\"");
        return nullptr;
    }
    return root;
}

std::string xmlText(const XmlRootElement& root)
{
    if (root.isNull())
        return {};
    wxXmlDocument document;
    document.SetRoot(root.node());
    wxMemoryOutputStream output;
    const bool saved = document.Save(output, indentStep);
    // Hands the root back, so the document does not free it.
    document.DetachRoot();
    std::string bytes(saved ? output.GetLength() : 0, '\0');
    output.CopyTo(bytes.data(), bytes.size());
    return bytes;
}

bool saveXmlFile(const XmlRootElement& root, const RefString& path, std::string* error)
{
    const std::string bytes = xmlText(root);
    if (bytes.empty()) {
        report(error, "Cannot write " + path.toUtf8() + ": the document could not be put into XML");
        return false;
    }
    return AtomicFile::write(path.toUtf8(), bytes, error);
}
