#pragma once

#include <QString>

// Process-wide values that several windows share (user-interface thread only).
struct TGlobaleVariablen
{
    // Full path of the last formatted report written; cleared for every new project.
    QString LastRTFReportPath;
};

inline TGlobaleVariablen GlobaleVariablen;
