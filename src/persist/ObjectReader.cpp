#include "persist/ObjectReader.h"

#include <QIODevice>
#include <QWidget>
#include <cstring>
#include <exception>

#include "persist/Component.h"
#include "persist/Extended.h"
#include "persist/FilerError.h"
#include "platform/AnsiCodePage.h"

namespace {
// Sequential devices cannot tell how much is left: long values are read in
// chunks of this size, so memory grows only with bytes that really arrived.
constexpr qint64 kChunk = 64 * 1024;

[[noreturn]] void fail(EFilerError::Kind kind)
{
    throw EFilerError(kind);
}

bool isIntegerTag(quint8 tag)
{
    return tag == vaInt8 || tag == vaInt16 || tag == vaInt32;
}

bool sameName(QByteArrayView a, QByteArrayView b)
{
    return a.size() == b.size() && qstrnicmp(a.constData(), b.constData(), a.size()) == 0;
}

// Index of a name in a table: exact first, then without regard to case.
int indexOfName(const TEnumNames& names, QByteArrayView name)
{
    for (int i = 0; i < names.size(); ++i)
        if (names[i] == name)
            return i;
    for (int i = 0; i < names.size(); ++i)
        if (sameName(names[i], name))
            return i;
    return -1;
}
} // namespace

TObjectReader::TObjectReader(QIODevice& device) : device_(device) {}

TObjectReader::~TObjectReader()
{
    // Give back what was buffered but not consumed.
    if (end_ > pos_ && device_.isOpen() && !device_.isSequential())
        device_.seek(device_.pos() - (end_ - pos_));
}

// ---------------------------------------------------------------------------
// Bytes

bool TObjectReader::ensure(int count)
{
    if (end_ - pos_ >= count)
        return true;
    if (pos_ > 0) {
        std::memmove(buffer_, buffer_ + pos_, size_t(end_ - pos_));
        end_ -= pos_;
        pos_ = 0;
    }
    while (end_ < count) {
        const qint64 n = device_.read(buffer_ + end_, BufferSize - end_);
        if (n <= 0)
            return false;
        end_ += int(n);
    }
    return true;
}

void TObjectReader::readSlow(void* data, qint64 size)
{
    char* out = static_cast<char*>(data);
    while (size > 0) {
        if (pos_ == end_) {
            if (size >= BufferSize) {
                // Large blocks go straight from the device.
                const qint64 n = device_.read(out, size);
                if (n <= 0)
                    fail(EFilerError::ReadError);
                out += n;
                size -= n;
                consumed_ += n;
                continue;
            }
            if (!ensure(1))
                fail(EFilerError::ReadError);
        }
        const int chunk = int(qMin<qint64>(size, end_ - pos_));
        std::memcpy(out, buffer_ + pos_, size_t(chunk));
        pos_ += chunk;
        consumed_ += chunk;
        out += chunk;
        size -= chunk;
    }
}

QByteArray TObjectReader::readBlock(qint64 size)
{
    if (size <= 0)
        return {};
    if (!device_.isSequential()) {
        const qint64 left = (end_ - pos_) + qMax<qint64>(0, device_.size() - device_.pos());
        if (size > left)
            fail(EFilerError::ReadError);
        QByteArray block(size, Qt::Uninitialized);
        read(block.data(), size);
        return block;
    }
    QByteArray block;
    while (size > 0) {
        const qint64 chunk = qMin(size, kChunk);
        const qint64 at = block.size();
        block.resize(at + chunk);
        read(block.data() + at, chunk);
        size -= chunk;
    }
    return block;
}

quint8 TObjectReader::refillForNextByte()
{
    if (!ensure(1))
        fail(EFilerError::ReadError);
    return quint8(buffer_[pos_]);
}

bool TObjectReader::AtEnd()
{
    return !ensure(1);
}

quint32 TObjectReader::readUInt32()
{
    unsigned char b[4];
    read(b, 4);
    return quint32(b[0]) | (quint32(b[1]) << 8) | (quint32(b[2]) << 16) | (quint32(b[3]) << 24);
}

int TObjectReader::readShortString(char (&out)[256])
{
    const int length = ReadByte();
    read(out, length);
    return length;
}

QByteArray TObjectReader::ReadStr()
{
    const int length = ReadByte();
    QByteArray bytes(length, Qt::Uninitialized);
    read(bytes.data(), length);
    return bytes;
}

QByteArray TObjectReader::ReadSizedPayload()
{
    return readBlock(qint64(readUInt32()));
}

qint32 TObjectReader::ReadIntegerPayload(TValueType tag)
{
    switch (tag) {
    case vaInt8: {
        qint8 v;
        read(&v, 1);
        return v;
    }
    case vaInt16: {
        unsigned char b[2];
        read(b, 2);
        return qint16(quint16(b[0] | (b[1] << 8)));
    }
    case vaInt32:
        return qint32(readUInt32());
    default:
        fail(EFilerError::InvalidPropertyValue);
    }
}

// ---------------------------------------------------------------------------
// Plain values. Each checks the tag before consuming it, so a value of the
// wrong kind is still there to be skipped.

void TObjectReader::ReadListBegin()
{
    if (NextValue() != vaList)
        fail(EFilerError::InvalidPropertyValue);
    ReadByte();
}

void TObjectReader::ReadListEnd()
{
    if (NextValue() != vaNull)
        fail(EFilerError::InvalidPropertyValue);
    ReadByte();
}

int TObjectReader::ReadInteger()
{
    const TValueType tag = NextValue();
    if (!isIntegerTag(tag))
        fail(EFilerError::InvalidPropertyValue);
    ReadByte();
    return ReadIntegerPayload(tag);
}

QString TObjectReader::ReadString()
{
    const TValueType tag = NextValue();
    if (tag == vaString) {
        ReadByte();
        char bytes[256];
        return FromAnsi(QByteArrayView(bytes, readShortString(bytes)));
    }
    if (tag == vaLString) {
        ReadByte();
        return FromAnsi(ReadSizedPayload());
    }
    fail(EFilerError::InvalidPropertyValue);
}

double TObjectReader::ReadFloat()
{
    const TValueType tag = NextValue();
    if (tag == vaExtended) {
        ReadByte();
        TExtended bytes;
        read(bytes.data(), qint64(bytes.size()));
        return ExtendedToDouble(bytes);
    }
    if (isIntegerTag(tag)) {
        ReadByte();
        return ReadIntegerPayload(tag);
    }
    fail(EFilerError::InvalidPropertyValue);
}

QString TObjectReader::ReadIdent()
{
    switch (NextValue()) {
    case vaIdent: {
        ReadByte();
        char bytes[256];
        return FromAnsi(QByteArrayView(bytes, readShortString(bytes)));
    }
    case vaFalse:
        ReadByte();
        return QStringLiteral("False");
    case vaTrue:
        ReadByte();
        return QStringLiteral("True");
    case vaNil:
        ReadByte();
        return QStringLiteral("nil");
    default:
        fail(EFilerError::InvalidPropertyValue);
    }
}

bool TObjectReader::ReadBoolean()
{
    const TValueType tag = NextValue();
    if (tag != vaFalse && tag != vaTrue)
        fail(EFilerError::InvalidPropertyValue);
    ReadByte();
    return tag == vaTrue;
}

QByteArray TObjectReader::ReadBinary()
{
    if (NextValue() != vaBinary)
        fail(EFilerError::InvalidPropertyValue);
    ReadByte();
    return ReadSizedPayload();
}

QList<QByteArray> TObjectReader::ReadSet()
{
    if (NextValue() != vaSet)
        fail(EFilerError::InvalidPropertyValue);
    ReadByte();
    QList<QByteArray> names;
    for (QByteArray name = ReadStr(); !name.isEmpty(); name = ReadStr())
        names.append(name);
    return names;
}

void TObjectReader::SkipValue()
{
    skipValue(0);
}

void TObjectReader::skipValue(int depth)
{
    const TValueType tag = NextValue();
    if (tag > kLastValueType)
        fail(EFilerError::InvalidPropertyValue);
    ReadByte();
    switch (tag) {
    case vaNull:
    case vaFalse:
    case vaTrue:
    case vaNil:
        return;
    case vaList:
        if (depth >= MaxNestingDepth)
            fail(EFilerError::InvalidPropertyValue);
        while (!EndOfList())
            skipValue(depth + 1);
        ReadByte();
        return;
    case vaInt8:
    case vaInt16:
    case vaInt32:
        ReadIntegerPayload(tag);
        return;
    case vaExtended: {
        char bytes[10];
        read(bytes, 10);
        return;
    }
    case vaString:
    case vaIdent: {
        char bytes[256];
        readShortString(bytes);
        return;
    }
    case vaBinary:
    case vaLString: {
        // Stepped over through the buffer, never held whole.
        qint64 left = readUInt32();
        if (!device_.isSequential()
            && left > (end_ - pos_) + qMax<qint64>(0, device_.size() - device_.pos()))
            fail(EFilerError::ReadError);
        while (left > 0) {
            if (!ensure(1))
                fail(EFilerError::ReadError);
            const int chunk = int(qMin<qint64>(left, end_ - pos_));
            pos_ += chunk;
            consumed_ += chunk;
            left -= chunk;
        }
        return;
    }
    case vaSet: {
        char bytes[256];
        while (readShortString(bytes) > 0) {
        }
        return;
    }
    case vaCollection:
        skipCollection(depth + 1);
        return;
    }
}

void TObjectReader::skipCollection(int depth)
{
    if (depth >= MaxNestingDepth)
        fail(EFilerError::InvalidPropertyValue);
    while (!EndOfList()) {
        if (isIntegerTag(NextValue()))
            ReadIntegerPayload(ReadValue());
        while (!EndOfList()) {
            char bytes[256];
            readShortString(bytes);
            skipValue(depth + 1);
        }
        ReadByte();
    }
    ReadByte();
}

// ---------------------------------------------------------------------------
// Records

void TObjectReader::ReadSignature()
{
    char signature[4];
    read(signature, 4);
    if (std::memcmp(signature, kRootSignature, 4) != 0)
        fail(EFilerError::InvalidStreamFormat);
}

bool TObjectReader::AtSignature()
{
    return ensure(4) && std::memcmp(buffer_ + pos_, kRootSignature, 4) == 0;
}

int TObjectReader::ReadPrefix(int* position)
{
    const quint8 b = NextByte();
    if ((b & kPrefixMarker) != kPrefixMarker)
        return 0;
    ReadByte();
    const int flags = b & 0x0F;
    if (flags & kPrefixChildPos) {
        const int value = ReadInteger();
        if (position)
            *position = value;
    }
    return flags;
}

void TObjectReader::indexNames(const TComponent& owner, const TComponent& component)
{
    const QList<TComponent*>& components = owner.Components();
    if (namesOwner_ == &owner && namesOwnerCount_ == components.size())
        return;
    // The one component made since the last look (a record read into a new
    // object) is added; anything else means the owner changed, so start over.
    if (namesOwner_ == &owner && namesOwnerCount_ + 1 == components.size() && components.last() == &component) {
        if (!component.Name().isEmpty())
            ++ownerNames_[TFoldedName(component.Name())];
        namesOwnerCount_ = components.size();
        return;
    }
    ownerNames_.clear();
    ownerNames_.reserve(components.size() + 1);
    for (const TComponent* other : components)
        if (!other->Name().isEmpty())
            ++ownerNames_[TFoldedName(other->Name())];
    namesOwner_ = &owner;
    namesOwnerCount_ = components.size();
}

QString TObjectReader::chooseName(TComponent& component, const QString& storedName)
{
    if (OnSetName)
        return OnSetName(component, storedName);
    TComponent* owner = component.Owner();
    if (storedName.isEmpty() || !owner)
        return storedName;
    // Names are looked up in a hash of the owner's names: an owner with
    // thousands of components is not scanned once per record.
    indexNames(*owner, component);
    const TFoldedName own(component.Name());
    const auto taken = [&](const TFoldedName& key) {
        const int bearers = ownerNames_.value(key);
        return (!own.IsEmpty() && key == own ? bearers - 1 : bearers) > 0;
    };
    TFoldedName chosen(storedName);
    for (int n = 1; taken(chosen); ++n)
        chosen = TFoldedName(storedName + QLatin1Char('_') + QString::number(n));
    // The caller gives the component this name: the index follows.
    if (own.IsEmpty() || !(chosen == own)) {
        if (!own.IsEmpty()) {
            auto it = ownerNames_.find(own);
            if (it != ownerNames_.end() && --*it <= 0)
                ownerNames_.erase(it);
        }
        ++ownerNames_[chosen];
    }
    return chosen.Name();
}

namespace {
void beginReading(TComponent& component, QList<TComponent*>& components)
{
    component.SetState(TComponent::csLoading | TComponent::csReading);
    if (!components.contains(&component))
        components.append(&component);
}

// A read that stopped half-way leaves no component in the reading state.
void abandon(const QList<TComponent*>& components)
{
    for (TComponent* component : components)
        component->ClearState(TComponent::csLoading | TComponent::csReading);
}
} // namespace

void TObjectReader::ReadRootComponent(TComponent& component)
{
    ReadSignature();
    ReadPrefix();
    ReadStr();   // the class name: the object is already there
    RecordContext context;
    context.root = &component;
    context.lookupRoot = &component;
    try {
        beginReading(component, context.components);
        component.SetName(chooseName(component, FromAnsi(ReadStr())));
        readComponentBody(component, context, 0);
    } catch (...) {
        abandon(context.components);
        throw;
    }
    finishRecord(context);
}

void TObjectReader::ReadComponents(TComponent* owner, QWidget* parent,
                                   const std::function<void(TComponent*)>& onComponent)
{
    while (!EndOfList()) {
        ReadSignature();
        ReadPrefix();
        const QByteArray className = ReadStr();
        const TClassInfo* info = FindClass(className);
        TComponent* component = info && info->create ? info->create(owner, parent) : nullptr;
        if (!component)
            throw EFilerError(EFilerError::ClassNotFound, FromAnsi(className));
        RecordContext context;
        context.root = component;
        context.lookupRoot = owner ? owner : component;
        try {
            beginReading(*component, context.components);
            component->SetName(chooseName(*component, FromAnsi(ReadStr())));
            readComponentBody(*component, context, 0);
        } catch (...) {
            // Half an object is no object: it goes, with the children it made.
            abandon(context.components);
            delete component;
            throw;
        }
        finishRecord(context);
        if (onComponent)
            onComponent(component);
    }
    ReadByte();
}

void TObjectReader::readComponentBody(TComponent& component, RecordContext& context, int depth)
{
    lastProperty_ = nullptr;
    while (!EndOfList())
        readProperty(component, context);
    ReadByte();
    while (!EndOfList())
        readChild(component, context, depth + 1);
    ReadByte();
}

void TObjectReader::readChild(TComponent& parent, RecordContext& context, int depth)
{
    if (depth > MaxNestingDepth)
        fail(EFilerError::InvalidPropertyValue);
    ReadPrefix();
    const QByteArray className = ReadStr();
    const QString name = FromAnsi(ReadStr());
    // A child the root already owns is read into; others are made, owned by the root.
    TComponent* child = context.root->FindComponent(name);
    if (!child) {
        const TClassInfo* info = FindClass(className);
        child = info && info->create ? info->create(context.root, dynamic_cast<QWidget*>(&parent)) : nullptr;
        if (!child)
            throw EFilerError(EFilerError::ClassNotFound, FromAnsi(className));
        beginReading(*child, context.components);
        child->SetName(name);
    } else {
        beginReading(*child, context.components);
    }
    readComponentBody(*child, context, depth);
}

void TObjectReader::finishRecord(RecordContext& context)
{
    TComponent* root = context.lookupRoot;
    for (const Fixup& fixup : context.fixups) {
        TComponent* target = root->FindComponent(fixup.name);
        if (!target && root->Owner())
            target = root->Owner()->FindComponent(fixup.name);
        if (!target && root->Name().compare(fixup.name, Qt::CaseInsensitive) == 0)
            target = root;
        // A name nobody bears leaves the reference empty.
        if (target)
            fixup.property->setReference(*fixup.instance, target);
    }
    for (TComponent* component : context.components)
        component->ClearState(TComponent::csReading);
    // Every component gets its Loaded() even when one of them fails; the
    // first failure is passed on afterwards.
    std::exception_ptr failure;
    for (TComponent* component : context.components) {
        try {
            component->Loaded();
        } catch (...) {
            if (!failure)
                failure = std::current_exception();
        }
    }
    if (failure)
        std::rethrow_exception(failure);
}

// ---------------------------------------------------------------------------
// Property entries

const TPropertyInfo* TObjectReader::findProperty(const TClassInfo& info, QByteArrayView name)
{
    Successor& known = successors_[successorSlot(lastProperty_)];
    if (known.property && known.previous == lastProperty_ && known.info == &info && known.property->name == name) {
        lastProperty_ = known.property;
        return lastProperty_;
    }
    // Custom data entries ("Picture.Data") are no properties; each record
    // names them again, so the last miss is remembered too.
    if (lastMissClass_ == &info && lastMiss_ == name)
        return nullptr;
    const TPropertyInfo* found = info.FindProperty(name);
    if (!found) {
        // The chain goes on from the property before.
        lastMissClass_ = &info;
        lastMiss_ = name.toByteArray();
        return nullptr;
    }
    // Only an exact spelling is remembered: the check above compares exactly.
    if (found->name == name)
        known = {lastProperty_, &info, found};
    lastProperty_ = found;
    return found;
}

void TObjectReader::readProperty(TPersistent& instance, RecordContext& context)
{
    qint64 valueStart = -1;
    try {
        // Property names are short strings: read in place, not allocated.
        char pathBuffer[256];
        const QByteArrayView path(pathBuffer, readShortString(pathBuffer));
        valueStart = consumed_;

        const auto nextDot = [&path](qsizetype from) -> qsizetype {
            const void* dot = std::memchr(path.data() + from, '.', size_t(path.size() - from));
            return dot ? static_cast<const char*>(dot) - path.data() : -1;
        };
        TPersistent* target = &instance;
        qsizetype from = 0;
        for (qsizetype dot = nextDot(0); dot >= 0; dot = nextDot(from)) {
            // Path steps ("Font" of "Font.Size") come in runs and stay outside
            // the chain of predictions: the last one found is tried first.
            const QByteArrayView stepName = path.sliced(from, dot - from);
            const TClassInfo& stepClass = target->ClassInfo();
            const TPropertyInfo* step = nullptr;
            if (lastStep_ && lastStepClass_ == &stepClass && lastStep_->name == stepName) {
                step = lastStep_;
            } else {
                step = stepClass.FindProperty(stepName);
                if (step && step->name == stepName) {
                    lastStep_ = step;
                    lastStepClass_ = &stepClass;
                }
            }
            if (!step)
                fail(EFilerError::PropertyDoesNotExist);
            if (step->kind != TPropertyKind::Object || !step->getObject)
                fail(EFilerError::InvalidPropertyPath);
            target = step->getObject(*target);
            if (!target)
                fail(EFilerError::InvalidPropertyPath);
            from = dot + 1;
        }
        const QByteArrayView name = path.sliced(from);
        if (const TPropertyInfo* property = findProperty(target->ClassInfo(), name)) {
            readPropertyValue(*target, *property, context);
            return;
        }
        const QList<TCustomData> entries = target->DefineProperties();
        const TCustomData* entry = nullptr;
        for (const TCustomData& candidate : entries)
            if (candidate.name == name) {
                entry = &candidate;
                break;
            }
        if (!entry)
            for (const TCustomData& candidate : entries)
                if (name.compare(candidate.name, Qt::CaseInsensitive) == 0) {
                    entry = &candidate;
                    break;
                }
        if (!entry)
            fail(EFilerError::PropertyDoesNotExist);
        const QByteArray data = ReadBinary();
        if (entry->read)
            entry->read(data);
    } catch (const EFilerError& error) {
        if (!OnError || !OnError(error.Message()))
            throw;
        // Values are either untouched or read whole when an error comes up;
        // an untouched one is stepped over so the next entry can follow.
        if (valueStart >= 0 && consumed_ == valueStart)
            SkipValue();
    }
}

void TObjectReader::readPropertyValue(TPersistent& instance, const TPropertyInfo& property,
                                      RecordContext& context)
{
    const TValueType tag = NextValue();
    switch (property.kind) {
    case TPropertyKind::Integer: {
        qint64 value = 0;
        if (isIntegerTag(tag)) {
            value = ReadInteger();
        } else if (tag == vaIdent && property.intIdents) {
            ReadByte();
            const QByteArray ident = ReadStr();
            const TIntIdent* found = nullptr;
            for (const TIntIdent& candidate : *property.intIdents)
                if (candidate.name == ident) {
                    found = &candidate;
                    break;
                }
            if (!found)
                for (const TIntIdent& candidate : *property.intIdents)
                    if (sameName(candidate.name, ident)) {
                        found = &candidate;
                        break;
                    }
            if (!found)
                fail(EFilerError::InvalidPropertyValue);
            value = found->value;
        } else {
            fail(EFilerError::InvalidPropertyValue);
        }
        if (property.setOrdinal)
            property.setOrdinal(instance, value);
        return;
    }
    case TPropertyKind::Char: {
        if (tag != vaString)
            fail(EFilerError::InvalidPropertyValue);
        ReadByte();
        const QByteArray bytes = ReadStr();
        if (bytes.size() != 1)
            fail(EFilerError::InvalidPropertyValue);
        if (property.setOrdinal)
            property.setOrdinal(instance, FromAnsi(bytes).at(0).unicode());
        return;
    }
    case TPropertyKind::Enumeration: {
        if (tag != vaIdent && tag != vaFalse && tag != vaTrue && tag != vaNil)
            fail(EFilerError::InvalidPropertyValue);
        const QByteArray ident = ToAnsi(ReadIdent());
        const int ordinal = property.enumNames ? indexOfName(*property.enumNames, ident) : -1;
        if (ordinal < 0)
            fail(EFilerError::InvalidPropertyValue);
        if (property.setOrdinal)
            property.setOrdinal(instance, ordinal);
        return;
    }
    case TPropertyKind::Boolean: {
        bool value = false;
        if (tag == vaFalse || tag == vaTrue) {
            value = ReadBoolean();
        } else if (tag == vaIdent) {
            ReadByte();
            const QByteArray ident = ReadStr();
            if (sameName(ident, "True"))
                value = true;
            else if (!sameName(ident, "False"))
                fail(EFilerError::InvalidPropertyValue);
        } else {
            fail(EFilerError::InvalidPropertyValue);
        }
        if (property.setOrdinal)
            property.setOrdinal(instance, value ? 1 : 0);
        return;
    }
    case TPropertyKind::Set: {
        if (tag != vaSet)
            fail(EFilerError::InvalidPropertyValue);
        ReadByte();
        // Member names are looked up as they come, each read in place.
        // The whole set is read before a bad member fails it, so that an error
        // hook goes on with the next entry.
        qint64 members = 0;
        bool bad = false;
        char bytes[256];
        for (int length = readShortString(bytes); length > 0; length = readShortString(bytes)) {
            const int ordinal = property.enumNames
                ? indexOfName(*property.enumNames, QByteArrayView(bytes, length)) : -1;
            if (ordinal < 0 || ordinal > 31)
                bad = true;
            else
                members |= qint64(1) << ordinal;
        }
        if (bad)
            fail(EFilerError::InvalidPropertyValue);
        if (property.setOrdinal)
            property.setOrdinal(instance, members);
        return;
    }
    case TPropertyKind::Real: {
        if (tag != vaExtended && !isIntegerTag(tag))
            fail(EFilerError::InvalidPropertyValue);
        const double value = ReadFloat();
        if (property.setReal)
            property.setReal(instance, value);
        return;
    }
    case TPropertyKind::String: {
        if (tag != vaString && tag != vaLString)
            fail(EFilerError::InvalidPropertyValue);
        const QString value = ReadString();
        if (property.setString)
            property.setString(instance, value);
        return;
    }
    case TPropertyKind::Reference: {
        if (tag == vaNil) {
            ReadByte();
            if (property.setReference)
                property.setReference(instance, nullptr);
            return;
        }
        if (tag != vaIdent)
            fail(EFilerError::InvalidPropertyValue);
        ReadByte();
        const QString name = FromAnsi(ReadStr());
        // Resolved once the whole record is read: the target may come later.
        if (property.setReference)
            context.fixups.append({&instance, &property, name});
        return;
    }
    case TPropertyKind::Object:
        fail(EFilerError::InvalidPropertyValue);
    case TPropertyKind::Event: {
        if (tag == vaNil) {
            ReadByte();
            return;
        }
        if (tag != vaIdent)
            fail(EFilerError::InvalidPropertyValue);
        ReadByte();
        const QString method = FromAnsi(ReadStr());
        TComponent* root = context.lookupRoot;
        if (root && root->HasMethod(method)) {
            if (property.setMethod)
                property.setMethod(instance, method, root);
        } else if (!IgnoreMissingMethods) {
            fail(EFilerError::InvalidPropertyValue);
        }
        return;
    }
    }
}
