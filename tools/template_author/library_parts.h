#pragma once

// The library's templates by kind; library.cpp puts them in order and names them.

#include "tools/template_author/template_design.h"

#include <vector>

namespace velumo::author::parts {

std::vector<TemplateDesign> landscapeSingles();
std::vector<TemplateDesign> portraitSingles();
std::vector<TemplateDesign> eitherSingles();
std::vector<TemplateDesign> landscapeGroups();
std::vector<TemplateDesign> portraitGroups();
std::vector<TemplateDesign> mixedGroups();
TemplateDesign closing();

} // namespace velumo::author::parts
