#include "core/update/TDatenmodulTableStore.h"

#include "core/platform/SdError.h"
#include "core/services/TDatenmodul.h"

bool TDatenmodulTableStore::CloseServiceTables()
{
    return m_tables.CloseServiceTables();
}

bool TDatenmodulTableStore::OpenServiceTables()
{
    return m_tables.OpenServiceTables();
}

void TDatenmodulTableStore::clearSelectedOnlyViewFlag()
{
    try {
        m_tables.SetViewFlags(m_tables.ViewFlags() & ~int(TDatenmodul::OnlyTicked));
    } catch (const SdError&) {
        // A user filter the new tables reject: the flag is cleared all the same, and the
        // view keeps its rows until the next filter change.
    }
}
