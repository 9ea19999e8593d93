#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include "persist/ClassInfo.h"
#include "persist/ValueType.h"

class QIODevice;
class TComponent;
class TPersistent;

// Writes values and component records of the object stream to a device.
//
// Bytes collect in a 1000-byte buffer that goes to the device when it is full,
// on FlushBuffer() and when the writer is destroyed. A device that takes fewer
// bytes than offered raises EFilerError "Stream write error". The destructor
// cannot report that, so a caller that must know whether everything arrived
// (every save) calls FlushBuffer() before letting the writer go.
class TObjectWriter {
public:
    static constexpr int BufferSize = 1000;

    explicit TObjectWriter(QIODevice& device);
    ~TObjectWriter();
    TObjectWriter(const TObjectWriter&) = delete;
    TObjectWriter& operator=(const TObjectWriter&) = delete;

    void WriteListBegin();
    void WriteListEnd();
    // Shortest of int8, int16 and int32. The stream has no wider integers:
    // values outside the int32 range are clamped to it.
    void WriteInteger(qint64 value);
    // In the ANSI code page; below 256 bytes a string, otherwise a long string.
    void WriteString(const QString& value);
    void WriteFloat(double value);
    // "False", "True" and "nil" (any case) become the tags false, true and nil.
    void WriteIdent(QByteArrayView ident);
    void WriteBoolean(bool value);
    void WriteBinary(QByteArrayView data);
    // Members in ordinal order (bits 0..31 that have a name), closed by an empty name.
    void WriteSet(quint32 members, const TEnumNames& names);

    // The signature and one component record: class name, instance name, the
    // published properties that differ from a fresh object's, custom data,
    // and an empty child list.
    void WriteRootComponent(TComponent& root);

    // Hands the buffered bytes to the device (and flushes a file device).
    void FlushBuffer();

    // Building blocks for callers that lay out values themselves.
    void WriteValue(TValueType type);
    // A short string: length byte and bytes, no tag; cut to 255 bytes.
    void WriteStr(QByteArrayView bytes);
    void WriteSignature();
    void Write(const void* data, qint64 size);

    // Bytes written so far, buffered ones included.
    qint64 Position() const { return written_ + used_; }

private:
    void writeProperties(TPersistent& object, const QByteArray& prefix, TComponent& root);
    void writeProperty(TPersistent& object, const TPropertyInfo& property, const QByteArray& path,
                       TComponent& root);
    void writeCustomData(TPersistent& object, const QByteArray& prefix);
    void writeBuffer();

    QIODevice& device_;
    char buffer_[BufferSize];
    int used_ = 0;
    qint64 written_ = 0;
    bool failed_ = false;
};
