#include "controls/RoleAliasTable.h"

#include <map>

namespace {

constexpr std::uint32_t roleSlope = 276;
constexpr std::uint32_t roleLeftSlope = 277;
constexpr std::uint32_t roleRightSlope = 278;

} // namespace

const std::vector<std::uint32_t>& RoleAliasTable::aliasesOf(std::uint32_t role)
{
    static const std::map<std::uint32_t, std::vector<std::uint32_t>> table{
        {roleSlope, {roleLeftSlope, roleRightSlope}},
        {roleLeftSlope, {roleSlope}},
        {roleRightSlope, {roleSlope}},
    };
    static const std::vector<std::uint32_t> none;
    const auto found = table.find(role);
    return found == table.end() ? none : found->second;
}
