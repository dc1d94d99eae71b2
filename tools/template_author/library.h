#pragma once

#include "players/swf/writer/bit_writer.h"
#include "tools/template_author/template_design.h"

#include <vector>

namespace velumo::author {

// Every photo template of the library, in library order, with file names "mb_001" ...
const std::vector<TemplateDesign> &templateLibrary();
// The template shown after the last photo template; it has no slots.
const TemplateDesign &closingTemplate();
// The small movie the program opens at start-up to check that a player works.
swf::writer::Bytes probeMovie();

} // namespace velumo::author
