#pragma once

#include <QString>

#include <exception>

// A failure inside an operation, carrying the message text that the handler of the
// user's command shows. Thrown within a layer only; never across a thread boundary.
class SdError : public std::exception
{
public:
    explicit SdError(QString text)
        : m_text(std::move(text))
        , m_utf8(m_text.toUtf8())
    {
    }

    const QString& text() const noexcept { return m_text; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_text;
    QByteArray m_utf8;
};
