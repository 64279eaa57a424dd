#pragma once

#include "core/project/TProjektDetails.h"
#include "core/services/TDetailEngine.h"

#include <QLatin1StringView>

#include <optional>

class TDatenmodul;
class TStatusbericht;

// The core of the submit commands: which services a run takes, and whether the details
// are complete enough to start one.

// Walks the current view twice. Rows that cost money or are manual-only are passed over;
// rows that cannot be submitted automatically (no Action, Status not 0 or no Methode)
// are turned into manual-only rows; every ticked remaining row is copied out with its
// category and field pairs, in view order. A row that cannot be read or changed gets the
// entry "Not available! (database error)" in projectReport and the walk goes on.
// When the database is not open the result is empty and an internal error is shown.
TEnginesArray GatherServices(TDatenmodul& data, TStatusbericht& projectReport);

// The four sections of the details editor, numbered as its section buttons.
enum class DetailsSection { Website = 1, Person = 2, Webmaster = 3, Company = 4 };

// The first missing detail: where the details editor shows it and which input gets
// the focus (the input's object name).
struct MissingDetail
{
    TProjektDetails::Field field;
    DetailsSection section;
    QLatin1StringView control;
};

// The details checked in a fixed order; the first missing one is returned, nothing when
// the details are complete. The short check (the assistant's) asks for fewer details.
std::optional<MissingDetail> CheckDetailsComplete(const TProjektDetails& details, bool fullCheck);
