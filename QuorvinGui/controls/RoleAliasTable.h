#pragma once
// Roles that may stand in for one another when nothing is bound under a
// role: a single slope stands for the left and right slopes of a two-sided
// curve and each of those for it. Used by the role lookup and by paste.
#include <cstdint>
#include <vector>

namespace RoleAliasTable {

// The stand-ins of a role, in the order they are tried; empty for most.
const std::vector<std::uint32_t>& aliasesOf(std::uint32_t role);

} // namespace RoleAliasTable
