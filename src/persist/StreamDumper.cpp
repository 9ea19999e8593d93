#include "persist/StreamDumper.h"

#include <QIODevice>
#include <QTextStream>
#include <charconv>

#include "persist/Extended.h"
#include "persist/FilerError.h"
#include "persist/ObjectReader.h"
#include "platform/AnsiCodePage.h"

namespace {
constexpr int kHexBytes = 16;

QString quoted(const QByteArray& ansi)
{
    QString text = QStringLiteral("\"");
    for (const QChar c : FromAnsi(ansi)) {
        switch (c.unicode()) {
        case '"': text += QStringLiteral("\\\""); break;
        case '\\': text += QStringLiteral("\\\\"); break;
        case '\n': text += QStringLiteral("\\n"); break;
        case '\r': text += QStringLiteral("\\r"); break;
        case '\t': text += QStringLiteral("\\t"); break;
        default:
            if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0))
                text += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
            else
                text += c;
        }
    }
    return text + QLatin1Char('"');
}

QString hexBytes(const QByteArray& data)
{
    QStringList bytes;
    for (int i = 0; i < data.size() && i < kHexBytes; ++i)
        bytes << QStringLiteral("%1").arg(quint8(data[i]), 2, 16, QLatin1Char('0')).toUpper();
    if (data.size() > kHexBytes)
        bytes << QStringLiteral("...");
    return bytes.join(QLatin1Char(' '));
}

// Custom picture data starts with the picture kind's class name as a short string.
QString classPrefix(const QByteArray& data)
{
    if (data.isEmpty())
        return {};
    const int length = quint8(data[0]);
    if (length == 0 || length > 63 || length + 1 > data.size())
        return {};
    const QByteArray name = data.mid(1, length);
    for (int i = 0; i < name.size(); ++i) {
        const char c = name[i];
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
        if (!letter && !(i > 0 && c >= '0' && c <= '9'))
            return {};
    }
    return QString::fromLatin1(name);
}

QString realText(double value)
{
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return QString::fromLatin1(text, int(result.ptr - text));
}

class Dumper {
    // Counts open lists, collections and records; too deep a stream fails as
    // the reader does.
    struct Nesting {
        explicit Nesting(int& depth) : depth_(depth)
        {
            if (++depth_ > TObjectReader::MaxNestingDepth)
                throw EFilerError(EFilerError::InvalidPropertyValue);
        }
        ~Nesting() { --depth_; }
        int& depth_;
    };

public:
    Dumper(QIODevice& input, QTextStream& out) : reader_(input), out_(out) {}

    void run()
    {
        while (!reader_.AtEnd())
            value(0, {});
    }

    qint64 offset() const { return reader_.Position(); }

private:
    void line(int indent, const QString& text)
    {
        out_ << QString(indent * 2, QLatin1Char(' ')) << text << '\n';
    }

    // One value; `label` ("Name = ") goes in front of its first line.
    void value(int indent, const QString& label)
    {
        const Nesting nesting(depth_);
        if (reader_.AtSignature()) {
            reader_.ReadSignature();
            record(indent, label + QStringLiteral("record"));
            return;
        }
        const TValueType tag = reader_.NextValue();
        if (tag == vaNull || tag > kLastValueType)
            throw EFilerError(EFilerError::InvalidPropertyValue);
        reader_.ReadValue();
        switch (tag) {
        case vaList:
            line(indent, label + QStringLiteral("list"));
            while (!reader_.EndOfList())
                value(indent + 1, {});
            reader_.ReadValue();
            line(indent, QStringLiteral("end"));
            return;
        case vaInt8:
        case vaInt16:
        case vaInt32: {
            const int bits = tag == vaInt8 ? 8 : tag == vaInt16 ? 16 : 32;
            line(indent, label + QStringLiteral("int%1 %2").arg(bits).arg(reader_.ReadIntegerPayload(tag)));
            return;
        }
        case vaExtended: {
            TExtended bytes;
            for (auto& b : bytes)
                b = reader_.ReadByte();
            line(indent, label + QStringLiteral("extended ") + realText(ExtendedToDouble(bytes)));
            return;
        }
        case vaString:
            line(indent, label + QStringLiteral("string ") + quoted(reader_.ReadStr()));
            return;
        case vaLString:
            line(indent, label + QStringLiteral("long string ") + quoted(reader_.ReadSizedPayload()));
            return;
        case vaIdent:
            line(indent, label + QStringLiteral("ident ") + FromAnsi(reader_.ReadStr()));
            return;
        case vaFalse:
            line(indent, label + QStringLiteral("false"));
            return;
        case vaTrue:
            line(indent, label + QStringLiteral("true"));
            return;
        case vaNil:
            line(indent, label + QStringLiteral("nil"));
            return;
        case vaBinary: {
            const QByteArray data = reader_.ReadSizedPayload();
            QString text = label + QStringLiteral("binary %1 bytes").arg(data.size());
            if (label.endsWith(QLatin1String("Data = "))) {
                const QString kind = classPrefix(data);
                if (!kind.isEmpty())
                    text += QStringLiteral(", class ") + kind;
            }
            if (!data.isEmpty())
                text += QStringLiteral(": ") + hexBytes(data);
            line(indent, text);
            return;
        }
        case vaSet: {
            QStringList names;
            for (QByteArray name = reader_.ReadStr(); !name.isEmpty(); name = reader_.ReadStr())
                names << FromAnsi(name);
            line(indent, label + QStringLiteral("set [") + names.join(QStringLiteral(", ")) + QLatin1Char(']'));
            return;
        }
        case vaCollection:
            line(indent, label + QStringLiteral("collection"));
            while (!reader_.EndOfList()) {
                QString item = QStringLiteral("item");
                const TValueType next = reader_.NextValue();
                if (next == vaInt8 || next == vaInt16 || next == vaInt32)
                    item += QLatin1Char(' ') + QString::number(reader_.ReadIntegerPayload(reader_.ReadValue()));
                line(indent + 1, item);
                properties(indent + 2);
                line(indent + 1, QStringLiteral("end"));
            }
            reader_.ReadValue();
            line(indent, QStringLiteral("end"));
            return;
        default:
            return;
        }
    }

    // Property entries up to and including the closing 0.
    void properties(int indent)
    {
        while (!reader_.EndOfList()) {
            const QByteArray name = reader_.ReadStr();
            value(indent, FromAnsi(name) + QStringLiteral(" = "));
        }
        reader_.ReadValue();
    }

    // A component record after its signature (children have none).
    void record(int indent, const QString& heading)
    {
        const Nesting nesting(depth_);
        int position = 0;
        const int flags = reader_.ReadPrefix(&position);
        const QByteArray className = reader_.ReadStr();
        const QByteArray name = reader_.ReadStr();
        QString text = heading + QLatin1Char(' ') + FromAnsi(className) + QLatin1Char(' ') + quoted(name);
        QStringList notes;
        if (flags & kPrefixInherited)
            notes << QStringLiteral("inherited");
        if (flags & kPrefixChildPos)
            notes << QStringLiteral("position %1").arg(position);
        if (!notes.isEmpty())
            text += QStringLiteral(" (") + notes.join(QStringLiteral(", ")) + QLatin1Char(')');
        line(indent, text);
        properties(indent + 1);
        while (!reader_.EndOfList())
            record(indent + 1, QStringLiteral("child"));
        reader_.ReadValue();
        line(indent, QStringLiteral("end"));
    }

    TObjectReader reader_;
    QTextStream& out_;
    int depth_ = 0;
};
} // namespace

TStreamDumper::Result TStreamDumper::Dump(QIODevice& input, QTextStream& out)
{
    Dumper dumper(input, out);
    Result result;
    try {
        dumper.run();
    } catch (const EFilerError& error) {
        result.error = error.Message();
    }
    result.offset = dumper.offset();
    out.flush();
    return result;
}
