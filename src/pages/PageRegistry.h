#pragma once

namespace otthon {

class Navigation;
struct PageContext;

// Registers every screen under its identifier: the six carousel pages and the sub-screens they lead to.
void registerPages(Navigation& navigation, PageContext& context);

} // namespace otthon
