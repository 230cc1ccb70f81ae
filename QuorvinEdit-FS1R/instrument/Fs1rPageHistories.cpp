#include "instrument/Fs1rPageHistories.h"

#include "text/WxText.h"

#include <wx/translation.h>

// The system page's history has no observer: a change there shows in the
// title when a page is next shown.
Fs1rPageHistories::Fs1rPageHistories(CommandHistoryObserver& observer)
{
    for (std::size_t page = 1; page < pageCount; ++page)
        histories_[page].setObserver(&observer);
}

CommandHistory& Fs1rPageHistories::at(std::int32_t page)
{
    return histories_[page >= 0 && std::size_t(page) < pageCount ? std::size_t(page) : 0];
}

const CommandHistory& Fs1rPageHistories::at(std::int32_t page) const
{
    return const_cast<Fs1rPageHistories*>(this)->at(page);
}

void Fs1rPageHistories::markSaved(std::int32_t page)
{
    CommandHistory& history = at(page);
    history.list().clear();
    history.clearModified();
}

bool Fs1rPageHistories::dump(std::int32_t page, std::string* error) const
{
    return at(page).writeHistory(CommandHistory::historyFileName, error);
}

RefString Fs1rPageHistories::title(std::int32_t shownPage) const
{
    std::u16string title(RefString::fromNarrow(titlePrefix).view());
    if (shownPage >= 0 && std::size_t(shownPage) < pageCount) {
        title += pageNames().get(shownPage).view();
        title += at(shownPage).modifiedMark().view();
    }
    return RefString(title);
}

const ValueLabels& Fs1rPageHistories::pageNames()
{
    static const std::array<RefString, pageCount> names{fromWxString(_("System")),
        fromWxString(_("Performance")), fromWxString(_("Voice 1")), fromWxString(_("Voice 2")),
        fromWxString(_("Voice 3")), fromWxString(_("Voice 4")), fromWxString(_("Formant sequence"))};
    static const ValueLabels labels(names.data(), std::uint32_t(names.size()));
    return labels;
}
