#pragma once
// The targets of a range link, and the program-wide list that owns every
// link from its making to program exit. A destroyed target is forgotten.
#include "params/ParameterListener.h"

#include <memory>
#include <vector>

class Parameter;

class ParameterRangeLinkBase : public ParameterListener {
public:
    ParameterRangeLinkBase(const ParameterRangeLinkBase&) = delete;
    ParameterRangeLinkBase& operator=(const ParameterRangeLinkBase&) = delete;

    // Appends the target and listens to it as well (its changes are ignored;
    // listening tells the link when the target is destroyed).
    void addTarget(Parameter* target);
    const std::vector<Parameter*>& targets() const { return targets_; }

    void onParameterDestroyed(Parameter* parameter) override;

    // Destroys every link; for program exit, after which no link is used.
    static void destroyAll();
    static std::size_t count();

protected:
    ParameterRangeLinkBase() = default;
    // Hands a new link to the program-wide list and returns it.
    template <typename Link>
    static Link& adopt(std::unique_ptr<Link> link)
    {
        Link& adopted = *link;
        allLinks().push_back(std::move(link));
        return adopted;
    }

private:
    static std::vector<std::unique_ptr<ParameterRangeLinkBase>>& allLinks();

    std::vector<Parameter*> targets_;
};
