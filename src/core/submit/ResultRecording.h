#pragma once

#include "core/platform/TDateTime.h"

class TDatenmodul;
class TSdProjectData;
class TStatusbericht;
class TStatusberichtItem;

// Recording the results of a submission run (user-interface thread only).

// Appends a copy of result to the project's status report and then to the report of the
// current run. The poster keeps its own result object.
void RecordResult(const TStatusberichtItem& result, TStatusbericht& projectReport,
                  TStatusbericht& currentRunReport);

// After a run: stamps ZuletztRegistriert with now for every service that has a
// successful entry in currentRunReport (looked up by name), and marks the project
// changed. Services that succeeded only in earlier runs keep their date: the run did
// not submit to them. The view's index, filter and current row are put back, also when
// posting a date fails (the SdError is passed on after that).
void UpdateLastRegistered(TSdProjectData& project, const TStatusbericht& currentRunReport,
                          TDatenmodul& data, double now = TDateTime::now());
