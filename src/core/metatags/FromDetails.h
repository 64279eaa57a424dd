#pragma once

#include "core/metatags/TMetaTagData.h"

#include <functional>

class TProjektDetails;

// Filling the generator's inputs from the site details of a project.
namespace MetaTagImport {

enum class FromDetailsResult {
    Imported,
    Declined, // "Overwrite current meta tags?" answered No: nothing changed
    NothingImported, // no detail held a value; the user declined entering them
    EnterDetails // no detail held a value; the user wants to enter them now
};

// The page type for a web type code (the position in the web type table: academic,
// commercial, government, non-profit, private), by meaning rather than position; an
// empty text for codes outside the table.
QString pageTypeForWebtype(int webtype);

// categoryName gives the topic text for a category identifier (the chooser's name in
// its list language).
FromDetailsResult FromDetails(const TProjektDetails& details, TMetaTagInputs& inputs,
                              const std::function<QString(int)>& categoryName);

} // namespace MetaTagImport
