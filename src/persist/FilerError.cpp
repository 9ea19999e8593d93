#include "persist/FilerError.h"

EFilerError::EFilerError(Kind kind, const QString& className)
    : kind_(kind), message_(MessageOf(kind, className)), utf8_(message_.toUtf8())
{
}

QString EFilerError::MessageOf(Kind kind, const QString& className)
{
    switch (kind) {
    case InvalidStreamFormat: return QStringLiteral("Invalid stream format");
    case InvalidPropertyValue: return QStringLiteral("Invalid property value");
    case ClassNotFound: return QStringLiteral("Class %1 not found").arg(className);
    case PropertyDoesNotExist: return QStringLiteral("Property does not exist");
    case InvalidPropertyPath: return QStringLiteral("Invalid property path");
    case ReadError: return QStringLiteral("Stream read error");
    case WriteError: return QStringLiteral("Stream write error");
    }
    return QStringLiteral("Invalid stream format");
}
