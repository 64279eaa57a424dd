#pragma once

// What the installation needs of the search-service database: the tables closed while a
// database update replaces their files, opened again afterwards, and the selection
// view's "only ticked services" switch turned off.
class ServiceTableStore
{
public:
    virtual ~ServiceTableStore() = default;

    virtual bool CloseServiceTables() = 0;
    virtual bool OpenServiceTables() = 0;
    // Clears bit 1 of the view flags, so the selection view lists all services again.
    virtual void clearSelectedOnlyViewFlag() = 0;
};
