#pragma once
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <cstring>
#include <functional>

#include "persist/ClassInfo.h"
#include "persist/FoldedName.h"
#include "persist/ValueType.h"

class QIODevice;
class QWidget;
class TComponent;
class TPersistent;

// Reads values and component records of the object stream from a device.
//
// Every failure raises EFilerError with its fixed message. Whatever the bytes,
// the reader neither crashes nor loops: a length is checked against what the
// device still holds before anything is allocated (sequential devices are read
// in bounded chunks), and lists, collections and child records nested deeper
// than MaxNestingDepth fail with "Invalid property value".
//
// The reader takes bytes from the device through a 1000-byte buffer; on
// destruction a random-access device is put back at the first unread byte.
class TObjectReader {
public:
    static constexpr int BufferSize = 1000;
    static constexpr int MaxNestingDepth = 256;

    explicit TObjectReader(QIODevice& device);
    ~TObjectReader();
    TObjectReader(const TObjectReader&) = delete;
    TObjectReader& operator=(const TObjectReader&) = delete;

    // Called with the message of each error met while reading one property
    // entry; returning true declares it handled, and reading goes on with the
    // next entry (the bad value is skipped).
    std::function<bool(const QString& message)> OnError;

    // Chooses the name of a component whose record is being read, given the
    // name the stream holds. Without it a stored name that another component
    // of the same owner already bears gets "_1", "_2", ... appended.
    std::function<QString(TComponent& component, const QString& storedName)> OnSetName;

    // When set, an event property naming a method the lookup root does not
    // have is left unset instead of failing with "Invalid property value".
    bool IgnoreMissingMethods = false;

    // Plain values.
    void ReadListBegin();
    void ReadListEnd();
    // Whether the next byte is an end-of-list tag (without consuming it).
    bool EndOfList() { return NextValue() == vaNull; }
    int ReadInteger();               // int8, int16, int32
    QString ReadString();            // string, long string (ANSI code page)
    double ReadFloat();              // extended or an integer
    QString ReadIdent();             // identifier, or the false, true and nil tags
    bool ReadBoolean();              // the false and true tags
    QByteArray ReadBinary();
    QList<QByteArray> ReadSet();     // member names in stream order
    // Steps over one value of any kind.
    void SkipValue();

    // Reads a root record into an existing component: the class name is not
    // checked; the stored name is made unique among the owner's components
    // (see OnSetName). Children named like a component the object owns are
    // read into it, others are created from the class registry. Loaded() runs
    // on every component read once the record is complete and references are
    // resolved.
    void ReadRootComponent(TComponent& component);

    // Reads root records until the end-of-list tag (and consumes it). Each
    // record creates an instance of its registered class with `owner` and
    // `parent`, reads it, resolves its references, runs Loaded() and hands it
    // to `onComponent`. Event methods and references are looked up in `owner`
    // (in the component itself when there is no owner). An object whose record
    // fails is destroyed; objects handed out before stay with their owner.
    void ReadComponents(TComponent* owner, QWidget* parent,
                        const std::function<void(TComponent*)>& onComponent = {});

    // Building blocks (the stream dump uses them).
    // The next byte without consuming it; "Stream read error" at the end.
    quint8 NextByte()
    {
        if (pos_ < end_)
            return quint8(buffer_[pos_]);
        return refillForNextByte();
    }
    TValueType NextValue() { return TValueType(NextByte()); }
    quint8 ReadByte()
    {
        const quint8 b = NextByte();
        ++pos_;
        ++consumed_;
        return b;
    }
    TValueType ReadValue() { return TValueType(ReadByte()); }
    // A short string (length byte and bytes, no tag).
    QByteArray ReadStr();
    // "Invalid stream format" unless the next four bytes are the signature.
    void ReadSignature();
    // Whether the next bytes are the root signature (consumes nothing; false
    // when fewer than four bytes are left).
    bool AtSignature();
    // The record prefix, when the next byte is one: its flags (0 when absent).
    // The child position integer of flag 2 is read and stored in *position.
    int ReadPrefix(int* position = nullptr);
    // The payload of an integer value whose tag has just been read.
    qint32 ReadIntegerPayload(TValueType tag);
    // The payload of a value with a 4-byte length (binary, long string).
    QByteArray ReadSizedPayload();
    // True when every byte has been consumed.
    bool AtEnd();
    // Bytes consumed so far.
    qint64 Position() const { return consumed_; }

private:
    struct Fixup {
        TPersistent* instance;
        const TPropertyInfo* property;
        QString name;
    };
    struct RecordContext {
        TComponent* root = nullptr;          // the component the record is about
        TComponent* lookupRoot = nullptr;    // events and references resolve here
        QList<TComponent*> components;       // read in this record, for Loaded()
        QList<Fixup> fixups;
    };

    void readComponentBody(TComponent& component, RecordContext& context, int depth);
    void readChild(TComponent& parent, RecordContext& context, int depth);
    void readProperty(TPersistent& instance, RecordContext& context);
    void readPropertyValue(TPersistent& instance, const TPropertyInfo& property, RecordContext& context);
    void finishRecord(RecordContext& context);
    QString chooseName(TComponent& component, const QString& storedName);
    // The owner's component names, case-folded, with how many bear each; kept
    // in step with the names this reader gives, rebuilt when the owner's
    // component count says someone else changed it.
    void indexNames(const TComponent& owner, const TComponent& component);
    int readShortString(char (&out)[256]);
    void skipValue(int depth);
    void skipCollection(int depth);

    bool ensure(int count);
    quint8 refillForNextByte();
    void read(void* data, qint64 size)
    {
        // Most values sit whole in the buffer.
        if (size <= end_ - pos_ && size > 0) {
            std::memcpy(data, buffer_ + pos_, size_t(size));
            pos_ += int(size);
            consumed_ += size;
            return;
        }
        readSlow(data, size);
    }
    void readSlow(void* data, qint64 size);
    // The property a class description gives for a name, trying first the one
    // that followed the previous property last time: records of one class
    // name their properties in the same order.
    const TPropertyInfo* findProperty(const TClassInfo& info, QByteArrayView name);
    QByteArray readBlock(qint64 size);
    quint32 readUInt32();

    QIODevice& device_;
    char buffer_[BufferSize];
    int pos_ = 0;
    int end_ = 0;
    qint64 consumed_ = 0;

    struct Successor {
        const TPropertyInfo* previous = nullptr;
        const TClassInfo* info = nullptr;
        const TPropertyInfo* property = nullptr;
    };
    // Direct-mapped by the property found before (null at the start of a
    // record); a collision only costs a full look-up.
    static constexpr int SuccessorSlots = 256;
    Successor successors_[SuccessorSlots];
    static int successorSlot(const TPropertyInfo* previous)
    {
        return int((reinterpret_cast<quintptr>(previous) >> 4) % SuccessorSlots);
    }
    const TPropertyInfo* lastProperty_ = nullptr;
    const TClassInfo* lastMissClass_ = nullptr;
    QByteArray lastMiss_;
    const TPropertyInfo* lastStep_ = nullptr;
    const TClassInfo* lastStepClass_ = nullptr;

    const TComponent* namesOwner_ = nullptr;
    qsizetype namesOwnerCount_ = -1;
    QHash<TFoldedName, int> ownerNames_;
};
