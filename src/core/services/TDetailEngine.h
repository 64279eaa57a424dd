#pragma once

#include <QList>
#include <QString>

// One service copied out of the tables for automatic submission, with its category
// pairs (dbc) and form-field pairs (dbd) in index order; element i of a numbers list
// belongs to element i of the matching texts list.
struct TDetailEngine
{
    QString Name;
    QString Methode;
    QString Action;
    QString ManuellURL;
    qint32 Nr = 0;
    bool Ref = false;
    QString Parameter1;
    QStringList CategoryTexts;
    QList<qint32> CategoryNumbers;
    QStringList FieldNames;
    QList<qint32> FieldNumbers;
};

using TEnginesArray = QList<TDetailEngine>;
