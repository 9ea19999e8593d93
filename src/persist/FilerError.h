#pragma once
#include <QByteArray>
#include <QString>
#include <exception>

// The error of the object stream: reading or writing stopped. Every instance
// carries exactly one of a fixed set of messages, so callers can report
// failures without knowing where they came from.
class EFilerError : public std::exception {
public:
    enum Kind {
        InvalidStreamFormat,   // "Invalid stream format": the record signature is missing
        InvalidPropertyValue,  // "Invalid property value": a value of the wrong kind
        ClassNotFound,         // "Class %s not found": a record names an unregistered class
        PropertyDoesNotExist,  // "Property does not exist"
        InvalidPropertyPath,   // "Invalid property path": a dotted path through a non-object
        ReadError,             // "Stream read error": the input ends inside a value
        WriteError,            // "Stream write error": the output refuses bytes
    };

    // className is used by ClassNotFound only.
    explicit EFilerError(Kind kind, const QString& className = QString());

    Kind kind() const { return kind_; }
    const QString& Message() const { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

    // The fixed message of a kind (ClassNotFound with the class name filled in).
    static QString MessageOf(Kind kind, const QString& className = QString());

private:
    Kind kind_;
    QString message_;
    QByteArray utf8_;
};
