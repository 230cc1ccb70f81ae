#include "undo/CommandHistory.h"

#include "files/AtomicFile.h"
#include "text/WxText.h"
#include "undo/CommandHistoryObserver.h"

#include <wx/translation.h>

void CommandHistory::markModified()
{
    if (modified_)
        return;
    modified_ = true;
    if (observer_ != nullptr)
        observer_->historyChanged();
}

void CommandHistory::clearModified()
{
    if (!modified_)
        return;
    modified_ = false;
    if (observer_ != nullptr)
        observer_->historyChanged();
}

RefString CommandHistory::modifiedMark() const
{
    if (!modified_)
        return RefString(u"", 0);
    return fromWxString(_(" (modified)"));
}

bool CommandHistory::writeHistory(const std::string& path, std::string* error) const
{
    return AtomicFile::write(path, list_.dump(), error);
}
