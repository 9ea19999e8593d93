#include "persist/ObjectWriter.h"

#include <QFileDevice>
#include <QIODevice>
#include <cstring>
#include <limits>

#include "persist/Component.h"
#include "persist/Extended.h"
#include "persist/FilerError.h"
#include "platform/AnsiCodePage.h"

namespace {
bool sameIdent(QByteArrayView a, const char* b)
{
    return a.compare(QByteArrayView(b), Qt::CaseInsensitive) == 0;
}
} // namespace

TObjectWriter::TObjectWriter(QIODevice& device) : device_(device) {}

TObjectWriter::~TObjectWriter()
{
    if (failed_)
        return;
    try {
        writeBuffer();
    } catch (const EFilerError&) {
        // Nobody is left to tell; FlushBuffer() is the way to learn of it.
    }
}

void TObjectWriter::writeBuffer()
{
    if (used_ == 0)
        return;
    const qint64 size = used_;
    used_ = 0;
    if (device_.write(buffer_, size) != size) {
        failed_ = true;
        throw EFilerError(EFilerError::WriteError);
    }
    written_ += size;
}

void TObjectWriter::FlushBuffer()
{
    writeBuffer();
    if (auto* file = qobject_cast<QFileDevice*>(&device_)) {
        if (!file->flush()) {
            failed_ = true;
            throw EFilerError(EFilerError::WriteError);
        }
    }
}

void TObjectWriter::Write(const void* data, qint64 size)
{
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        if (used_ == BufferSize)
            writeBuffer();
        const int chunk = int(qMin<qint64>(size, BufferSize - used_));
        std::memcpy(buffer_ + used_, bytes, size_t(chunk));
        used_ += chunk;
        bytes += chunk;
        size -= chunk;
    }
}

void TObjectWriter::WriteValue(TValueType type)
{
    const char tag = char(type);
    Write(&tag, 1);
}

void TObjectWriter::WriteStr(QByteArrayView bytes)
{
    const unsigned char length = static_cast<unsigned char>(qMin<qsizetype>(bytes.size(), 255));
    Write(&length, 1);
    Write(bytes.data(), length);
}

void TObjectWriter::WriteSignature()
{
    Write(kRootSignature, 4);
}

void TObjectWriter::WriteListBegin()
{
    WriteValue(vaList);
}

void TObjectWriter::WriteListEnd()
{
    WriteValue(vaNull);
}

void TObjectWriter::WriteInteger(qint64 value)
{
    value = qBound(qint64(std::numeric_limits<qint32>::min()), value, qint64(std::numeric_limits<qint32>::max()));
    if (value >= -128 && value <= 127) {
        WriteValue(vaInt8);
        const qint8 v = qint8(value);
        Write(&v, 1);
    } else if (value >= -32768 && value <= 32767) {
        WriteValue(vaInt16);
        const quint16 v = quint16(value);
        const unsigned char bytes[2] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8)};
        Write(bytes, 2);
    } else {
        WriteValue(vaInt32);
        const quint32 v = quint32(value);
        const unsigned char bytes[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                                        static_cast<unsigned char>(v >> 16),
                                        static_cast<unsigned char>(v >> 24)};
        Write(bytes, 4);
    }
}

void TObjectWriter::WriteString(const QString& value)
{
    const QByteArray bytes = ToAnsi(value);
    if (bytes.size() < 256) {
        WriteValue(vaString);
        WriteStr(bytes);
    } else {
        WriteValue(vaLString);
        const quint32 n = quint32(bytes.size());
        const unsigned char length[4] = {static_cast<unsigned char>(n), static_cast<unsigned char>(n >> 8),
                                         static_cast<unsigned char>(n >> 16),
                                         static_cast<unsigned char>(n >> 24)};
        Write(length, 4);
        Write(bytes.constData(), bytes.size());
    }
}

void TObjectWriter::WriteFloat(double value)
{
    WriteValue(vaExtended);
    const TExtended bytes = DoubleToExtended(value);
    Write(bytes.data(), qint64(bytes.size()));
}

void TObjectWriter::WriteIdent(QByteArrayView ident)
{
    if (sameIdent(ident, "False")) {
        WriteValue(vaFalse);
    } else if (sameIdent(ident, "True")) {
        WriteValue(vaTrue);
    } else if (sameIdent(ident, "nil")) {
        WriteValue(vaNil);
    } else {
        WriteValue(vaIdent);
        WriteStr(ident);
    }
}

void TObjectWriter::WriteBoolean(bool value)
{
    WriteValue(value ? vaTrue : vaFalse);
}

void TObjectWriter::WriteBinary(QByteArrayView data)
{
    WriteValue(vaBinary);
    const quint32 n = quint32(data.size());
    const unsigned char length[4] = {static_cast<unsigned char>(n), static_cast<unsigned char>(n >> 8),
                                     static_cast<unsigned char>(n >> 16), static_cast<unsigned char>(n >> 24)};
    Write(length, 4);
    Write(data.data(), data.size());
}

void TObjectWriter::WriteSet(quint32 members, const TEnumNames& names)
{
    WriteValue(vaSet);
    for (int ordinal = 0; ordinal < 32 && ordinal < names.size(); ++ordinal)
        if (members & (quint32(1) << ordinal))
            WriteStr(names[ordinal]);
    WriteStr({});
}

void TObjectWriter::WriteRootComponent(TComponent& root)
{
    WriteSignature();
    // No prefix: components are never written with an ancestor or a position.
    WriteStr(root.ClassInfo().className);
    WriteStr(ToAnsi(root.Name()));
    writeProperties(root, {}, root);
    writeCustomData(root, {});
    WriteListEnd();
    WriteListEnd();   // no children
}

void TObjectWriter::writeProperties(TPersistent& object, const QByteArray& prefix, TComponent& root)
{
    const QList<const TPropertyInfo*> properties = object.ClassInfo().AllProperties();
    for (const TPropertyInfo* property : properties) {
        if (property->isStored(object))
            writeProperty(object, *property, prefix + property->name, root);
    }
}

void TObjectWriter::writeCustomData(TPersistent& object, const QByteArray& prefix)
{
    const QList<TCustomData> entries = object.DefineProperties();
    for (const TCustomData& entry : entries) {
        if (entry.hasData && !entry.hasData())
            continue;
        if (!entry.write)
            continue;
        WriteStr(prefix + entry.name);
        WriteBinary(entry.write());
    }
}

void TObjectWriter::writeProperty(TPersistent& object, const TPropertyInfo& property, const QByteArray& path,
                                  TComponent& root)
{
    const auto isDefault = [&](qint64 value) {
        return property.defaultValue.has_value() && *property.defaultValue == value;
    };

    switch (property.kind) {
    case TPropertyKind::Integer: {
        const qint64 value = property.getOrdinal(object);
        if (isDefault(value))
            return;
        WriteStr(path);
        if (property.intIdents) {
            for (const TIntIdent& ident : *property.intIdents) {
                if (ident.value == value) {
                    WriteIdent(ident.name);
                    return;
                }
            }
        }
        WriteInteger(value);
        return;
    }
    case TPropertyKind::Char: {
        const qint64 value = property.getOrdinal(object);
        if (isDefault(value))
            return;
        WriteStr(path);
        WriteValue(vaString);
        const char c = ToAnsiChar(char16_t(value));
        WriteStr(QByteArrayView(&c, 1));
        return;
    }
    case TPropertyKind::Enumeration: {
        const qint64 value = property.getOrdinal(object);
        // A value without a name cannot be written; reading keeps the default.
        if (isDefault(value) || !property.enumNames || value < 0 || value >= property.enumNames->size())
            return;
        WriteStr(path);
        WriteIdent(property.enumNames->at(value));
        return;
    }
    case TPropertyKind::Boolean: {
        const qint64 value = property.getOrdinal(object) != 0 ? 1 : 0;
        if (isDefault(value))
            return;
        WriteStr(path);
        WriteBoolean(value != 0);
        return;
    }
    case TPropertyKind::Set: {
        const qint64 value = property.getOrdinal(object) & 0xFFFFFFFF;
        if (isDefault(value))
            return;
        WriteStr(path);
        static const TEnumNames noNames;
        WriteSet(quint32(value), property.enumNames ? *property.enumNames : noNames);
        return;
    }
    case TPropertyKind::Real: {
        const double value = property.getReal(object);
        if (value == 0)
            return;
        WriteStr(path);
        WriteFloat(value);
        return;
    }
    case TPropertyKind::String: {
        const QString value = property.getString(object);
        if (value.isEmpty() && !property.writeWhenEmpty)
            return;
        WriteStr(path);
        WriteString(value);
        return;
    }
    case TPropertyKind::Reference: {
        const TComponent* target = property.getReference(object);
        if (!target || target->Name().isEmpty())
            return;
        WriteStr(path);
        // A name is never a Boolean or nil tag, whatever it spells.
        WriteValue(vaIdent);
        WriteStr(ToAnsi(target->Name()));
        return;
    }
    case TPropertyKind::Object: {
        TPersistent* nested = property.getObject(object);
        if (!nested)
            return;
        const QByteArray prefix = path + '.';
        writeProperties(*nested, prefix, root);
        writeCustomData(*nested, prefix);
        return;
    }
    case TPropertyKind::Event: {
        const QString method = property.getMethodName(object);
        if (method.isEmpty() || !root.HasMethod(method))
            return;
        WriteStr(path);
        WriteValue(vaIdent);
        WriteStr(ToAnsi(method));
        return;
    }
    }
}
