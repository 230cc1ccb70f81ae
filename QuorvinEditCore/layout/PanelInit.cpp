#include "layout/PanelInit.h"

#include "text/WxText.h"
#include "undo/CommandList.h"

#include <wx/intl.h>

namespace {

class CommandGroupScope {
public:
    CommandGroupScope(const RefString& name, std::uint32_t flags) : flags_(flags) { beginCommandGroup(name, flags); }
    CommandGroupScope(const CommandGroupScope&) = delete;
    CommandGroupScope& operator=(const CommandGroupScope&) = delete;
    ~CommandGroupScope() { endCommandGroup(flags_); }

private:
    std::uint32_t flags_;
};

} // namespace

void runPanelInit(std::uint32_t flags, const std::function<void()>& resetControls)
{
    const CommandGroupScope group(fromWxString(_("Panel init")), flags);
    resetControls();
}
