#include "fseq/FseqLabelSpread.h"

#include <algorithm>
#include <numeric>

FseqLabelSpread::FseqLabelSpread(int labelHeight, int areaHeight)
    : labelHeight_(std::max(labelHeight, 0)), areaHeight_(std::max(areaHeight, 0))
{
}

namespace {

// The indices of wanted from the top of the graph down.
std::vector<std::size_t> downTheGraph(const std::vector<int>& wanted)
{
    std::vector<std::size_t> order(wanted.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return wanted[a] < wanted[b]; });
    return order;
}

} // namespace

std::vector<FseqLabelSpread::Place> FseqLabelSpread::places(const std::vector<int>& wanted) const
{
    const std::size_t perColumn = labelHeight_ == 0 ? wanted.size() : std::size_t(areaHeight_ / labelHeight_);
    const std::size_t fit = std::max<std::size_t>(perColumn, 1);
    const std::size_t columns = std::max<std::size_t>((wanted.size() + fit - 1) / fit, 1);
    std::vector<std::vector<std::size_t>> members(columns);
    const std::vector<std::size_t> order = downTheGraph(wanted);
    for (std::size_t rank = 0; rank < order.size(); ++rank)
        members[rank % columns].push_back(order[rank]);
    std::vector<Place> result(wanted.size());
    for (std::size_t column = 0; column < columns; ++column) {
        std::vector<int> columnWanted;
        for (std::size_t index : members[column])
            columnWanted.push_back(wanted[index]);
        const std::vector<int> columnTops = tops(columnWanted);
        for (std::size_t k = 0; k < members[column].size(); ++k)
            result[members[column][k]] = {int(column), columnTops[k]};
    }
    return result;
}

std::vector<int> FseqLabelSpread::tops(const std::vector<int>& wanted) const
{
    const std::vector<std::size_t> order = downTheGraph(wanted);
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
