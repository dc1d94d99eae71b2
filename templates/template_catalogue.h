#pragma once

#include "app/workspace/program_folder.h"

#include <QStringList>

#include <stdexcept>

namespace velumo {

struct Form1State;

// A parameter file without its marker: the library is not ours. The program ends at once.
class TemplateMarkerMissing : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The packages found in the installed library, paired by position: template k is parameter
// package k with movie package k.
struct LibraryScan
{
    QStringList found; // parameter packages first, then movie packages
    QStringList parameterPackages;
    QStringList moviePackages;
};

// Empties the parameter scratch folder and lists the packages (".rar" or ".RAR" files, in
// name order, sub-folders where they are met). Throws velumo::Failure when the two library
// folders hold different numbers of packages, since pairing by position would then mismatch
// parameters and movies.
LibraryScan scanLibrary(const ProgramFolder &program);

// Unpacks every parameter file and fills the template catalogue. Throws TemplateMarkerMissing
// for a file without the marker, velumo::Failure for a damaged package (rows read so far stay).
void readTemplateParameters(const ProgramFolder &program, const LibraryScan &scan, Form1State &form1);

// Sorts the catalogue into the landscape, portrait and advanced template tables.
void classifyTemplates(Form1State &form1);

// Writes how many slots of each template count as landscape and as portrait in each table.
void countTemplateSlots(Form1State &form1);

// The four steps above in order, as start-up runs them.
void buildTemplateCatalogue(const ProgramFolder &program, Form1State &form1);

} // namespace velumo
