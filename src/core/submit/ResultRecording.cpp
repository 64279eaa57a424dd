#include "core/submit/ResultRecording.h"

#include "core/project/TSdProjectData.h"
#include "core/project/TStatusbericht.h"
#include "core/services/TDatenmodul.h"
#include "core/submit/ResultCodes.h"

namespace {

void appendCopy(const TStatusberichtItem& result, TStatusbericht& report)
{
    TStatusberichtItem* entry = report.Add();
    entry->SetDate(result.Date());
    entry->SetSuchdienst(result.Suchdienst());
    const TStatusberichtDetails& from = result.Details();
    TStatusberichtDetails& to = entry->Details();
    to.SetFehlermeldung(from.Fehlermeldung());
    to.SetFehlercode(from.Fehlercode());
    to.SetEngineNr(from.EngineNr());
    to.SetURLAnmeldeseite(from.URLAnmeldeseite());
    to.SetPfadAntwortSeite(from.PfadAntwortSeite());
}

} // namespace

void RecordResult(const TStatusberichtItem& result, TStatusbericht& projectReport,
                  TStatusbericht& currentRunReport)
{
    appendCopy(result, projectReport);
    appendCopy(result, currentRunReport);
}

void UpdateLastRegistered(TSdProjectData& project, const TStatusbericht& currentRunReport,
                          TDatenmodul& data, double now)
{
    project.SetGeaendert(true);
    if (!data.isOpen())
        return;
    const TDatenmodul::ViewState saved = data.viewState();
    try {
        data.showWholeTable(TDatenmodul::nameIndex());
        for (int i = 0; i < currentRunReport.Count(); ++i) {
            const TStatusberichtItem* entry = currentRunReport.Items(i);
            if (!ResultCodes::stampsLastRegistered(entry->Details().Fehlercode()))
                continue;
            const TServiceRecord* service = data.recordByName(entry->Suchdienst());
            if (!service || !data.locate(service->nr()))
                continue;
            data.setFieldValue(ServiceField::ZuletztRegistriert, now);
            data.Post();
        }
    } catch (...) {
        data.Cancel();
        data.restoreViewState(saved);
        throw;
    }
    data.restoreViewState(saved);
}
