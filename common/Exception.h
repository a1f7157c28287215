#pragma once

#include <QString>
#include <exception>

// Every error of the system travels as an exception carrying the text the operator sees.
// The user-interface loop catches whatever escapes a command and shows its message.
class Exception : public std::exception {
public:
    explicit Exception(QString message);

    const QString& message() const noexcept { return FMessage; }
    const char* what() const noexcept override { return FUtf8.constData(); }

private:
    QString FMessage;
    QByteArray FUtf8;
};

// Replaces the first "%s" of a message pattern, as the system's message texts expect.
QString formatMessage(const QString& pattern, const QString& argument);
