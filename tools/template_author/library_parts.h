#pragma once

// The library's templates by kind; library.cpp puts them in order and names them.

#include "tools/template_author/template_spec.h"

#include <vector>

namespace velumo::author::parts {

std::vector<TemplateSpec> landscapeSingles();
std::vector<TemplateSpec> portraitSingles();
std::vector<TemplateSpec> eitherSingles();
std::vector<TemplateSpec> landscapeGroups();
std::vector<TemplateSpec> portraitGroups();
std::vector<TemplateSpec> mixedGroups();
TemplateSpec closing();

} // namespace velumo::author::parts
