#pragma once
// Filters a voice choice by category: a control bound to the category
// parameter (0 every voice, 1 to 22 one category tag) narrows the choice's
// list to the library's voices with that tag. Its owner (the performance
// header, one per part) keeps it; the choice and library must outlive it.
#include "localparams/LocalParameter.h"
#include "params/ParameterListener.h"

class ChoiceItemFilter;
class PatchCollection;

class MemoryListModel : public ParameterListener {
public:
    // Category 0 stands for every voice; 1 to lastCategory for one tag.
    static constexpr std::int32_t lastCategory = 22;

    MemoryListModel(const PatchCollection& library, ChoiceItemFilter& choice);
    ~MemoryListModel() override;
    MemoryListModel(const MemoryListModel&) = delete;
    MemoryListModel& operator=(const MemoryListModel&) = delete;

    Parameter& categoryParameter() { return category_; }
    // Applies the category to the choice's filter.
    void changed();

    void onParameterChanged(Parameter* parameter, std::uint32_t flags) override;

private:
    LocalParameter category_{0, lastCategory, 0};
    ChoiceItemFilter& choice_;
    const PatchCollection& library_;
};
