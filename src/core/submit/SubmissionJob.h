#pragma once

#include "core/services/TDetailEngine.h"

#include <QList>
#include <QString>

class TProjektDetails;

// One prepared submission: the complete HTTP request of one service for one set of site
// details, and what the poster needs to store and report the reply. A plain value.
struct TOneEngine
{
    static constexpr int kNameLength = 40;
    static constexpr int kReplyFileLength = 254;
    static constexpr int kProjectTitleLength = 254;
    static constexpr int kManuellURLLength = 100;

    QString URL;
    QString Name; // at most kNameLength characters
    qint32 EngineNr = 0;
    QString PostData; // the body of a POST; the marker kGetMarker for a GET
    QString ReplyFile; // at most kReplyFileLength characters
    QString ProjectTitle; // at most kProjectTitleLength characters
    bool Ref = false;
    QString ManuellURL; // at most kManuellURLLength characters

    bool isGet() const;

    bool operator==(const TOneEngine& other) const = default;
};

using TEnginesToSend = QList<TOneEngine>;
using TKenndatenDetails = QList<const TProjektDetails*>;

namespace SubmissionJob {
// PostData of a GET request; never a real body.
inline const QString kGetMarker = QStringLiteral("XXX");
// URL of a job that has not been built.
inline const QString kNoUrlMarker = QStringLiteral("FEHLER");
} // namespace SubmissionJob

// Replaces jobs by one job per pair of service and details (services outside, details
// inside), skipping those that cannot be built, and returns their number. Shows the
// wait window meanwhile (Platform::waitIndicator()).
int BuildJobList(TEnginesToSend& jobs, const TKenndatenDetails& details,
                 const TEnginesArray& services);
// Fills job from scratch; true when it is complete.
bool BuildJob(const TDetailEngine& engine, const TProjektDetails& details, TOneEngine& job);
// The parameter string of the service's form; true when it is not empty.
bool BuildQueryString(const TDetailEngine& engine, const TProjektDetails& details,
                      QString& query);
// The value of one site detail as it is sent in field fieldNumber.
QString DetailValue(int fieldNumber, const TProjektDetails& details,
                    const QString& categoryText);
