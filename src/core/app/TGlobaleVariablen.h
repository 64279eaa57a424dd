#pragma once

#include <QString>

// Process-wide values that several windows share.
struct TGlobaleVariablen
{
    // Path of the formatted report written last; cleared for every new project.
    QString PfadLetzterRTFBericht;
};

inline TGlobaleVariablen GlobaleVariablen;
