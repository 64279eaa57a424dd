#pragma once

#include "core/update/ServiceTableStore.h"

class TDatenmodul;

// The installation's view of the program's data module.
class TDatenmodulTableStore final : public ServiceTableStore
{
public:
    explicit TDatenmodulTableStore(TDatenmodul& tables)
        : m_tables(tables)
    { }

    bool CloseServiceTables() override;
    bool OpenServiceTables() override;
    void clearSelectedOnlyViewFlag() override;

private:
    TDatenmodul& m_tables;
};
