#include "fseq/FseqLabelSpread.h"

#include <algorithm>
#include <numeric>

FseqLabelSpread::FseqLabelSpread(int labelHeight, int areaHeight)
    : labelHeight_(std::max(labelHeight, 0)), areaHeight_(std::max(areaHeight, 0))
{
}

std::vector<int> FseqLabelSpread::tops(const std::vector<int>& wanted) const
{
    std::vector<std::size_t> order(wanted.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return wanted[a] < wanted[b]; });
    const int lowestTop = std::max(areaHeight_ - labelHeight_, 0);
    std::vector<int> result(wanted.size());
    // Down the graph, each label at least one label below the one above...
    int next = 0;
    for (std::size_t index : order) {
        result[index] = std::max(std::clamp(wanted[index], 0, lowestTop), next);
        next = result[index] + labelHeight_;
    }
    // ...then up from the bottom, so the last ones come back inside, and
    // down once more when they do not all fit.
    int limit = lowestTop;
    for (auto index = order.rbegin(); index != order.rend(); ++index) {
        result[*index] = std::min(result[*index], limit);
        limit = result[*index] - labelHeight_;
    }
    next = 0;
    for (std::size_t index : order) {
        result[index] = std::max(result[index], next);
        next = result[index] + labelHeight_;
    }
    return result;
}
