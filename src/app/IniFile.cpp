#include "app/IniFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <limits>

namespace {

// The file as lines, with what is needed to write it back the way it was.
struct IniText {
    QStringList lines;
    QString lineEnd = QStringLiteral("\r\n");
    bool latin1 = false;   // not valid UTF-8: kept byte for byte
    bool byteOrderMark = false;
    bool unreadable = false; // exists but cannot be read: never overwrite it
};

IniText load(const QString& fileName)
{
    IniText text;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        text.unreadable = file.exists();
        return text;
    }
    QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        text.byteOrderMark = true;
        bytes.remove(0, 3);
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString content = utf8(bytes);
    if (utf8.hasError()) {
        text.latin1 = true;
        content = QString::fromLatin1(bytes);
    }
    const qsizetype firstBreak = content.indexOf(QLatin1Char('\n'));
    if (firstBreak >= 0 && (firstBreak == 0 || content.at(firstBreak - 1) != QLatin1Char('\r')))
        text.lineEnd = QStringLiteral("\n");
    text.lines = content.split(QLatin1Char('\n'));
    for (QString& line : text.lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    // The final line end leaves an empty last element.
    if (!text.lines.isEmpty() && text.lines.last().isEmpty())
        text.lines.removeLast();
    return text;
}

bool save(const QString& fileName, const IniText& text)
{
    if (text.unreadable)
        return false;
    QString content;
    for (const QString& line : text.lines)
        content += line + text.lineEnd;
    QByteArray bytes;
    bool latin1 = text.latin1;
    if (latin1) {
        for (const QChar c : content) {
            if (c.unicode() > 0xFF) {
                latin1 = false; // new text Latin-1 cannot hold: the file becomes UTF-8
                break;
            }
        }
    }
    bytes = latin1 ? content.toLatin1() : content.toUtf8();
    if (text.byteOrderMark && !latin1)
        bytes.prepend("\xEF\xBB\xBF");

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool sectionName(const QString& line, QString* name)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(QLatin1Char('[')))
        return false;
    qsizetype close = trimmed.indexOf(QLatin1Char(']'));
    if (close < 0)
        close = trimmed.size();
    if (name)
        *name = trimmed.mid(1, close - 1).trimmed();
    return true;
}

bool keyValue(const QString& line, QString* key, QString* value)
{
    const QString trimmed = line.trimmed();
    if (trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('[')))
        return false;
    const qsizetype eq = trimmed.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return false;
    const QString k = trimmed.left(eq).trimmed();
    if (k.isEmpty())
        return false;
    if (key)
        *key = k;
    if (value)
        *value = trimmed.mid(eq + 1).trimmed();
    return true;
}

bool same(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

// Lines [header, end) of the first section of that name; header -1 when none.
struct Range {
    qsizetype header = -1;
    qsizetype end = -1;
};

Range findSection(const IniText& text, const QString& section)
{
    Range range;
    const QString wanted = section.trimmed();
    for (qsizetype i = 0; i < text.lines.size(); ++i) {
        QString name;
        if (!sectionName(text.lines[i], &name))
            continue;
        if (range.header >= 0) {
            range.end = i;
            return range;
        }
        if (same(name, wanted))
            range.header = i;
    }
    if (range.header >= 0)
        range.end = text.lines.size();
    return range;
}

qsizetype findKey(const IniText& text, const Range& range, const QString& key)
{
    if (range.header < 0)
        return -1;
    const QString wanted = key.trimmed();
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
        QString k;
        if (keyValue(text.lines[i], &k, nullptr) && same(k, wanted))
            return i;
    }
    return -1;
}

bool hasLineBreak(const QString& s)
{
    return s.contains(QLatin1Char('\n')) || s.contains(QLatin1Char('\r'));
}

bool validSection(const QString& section)
{
    return !section.trimmed().isEmpty() && !hasLineBreak(section) && !section.contains(QLatin1Char(']'));
}

bool validKey(const QString& key)
{
    const QString k = key.trimmed();
    return !k.isEmpty() && !hasLineBreak(k) && !k.contains(QLatin1Char('='))
        && !k.startsWith(QLatin1Char('[')) && !k.startsWith(QLatin1Char(';'));
}

bool validValues(const TIniFile::KeyValues& values)
{
    for (const auto& [key, value] : values) {
        if (!validKey(key) || hasLineBreak(value))
            return false;
    }
    return true;
}

QString line(const QString& key, const QString& value)
{
    return key.trimmed() + QLatin1Char('=') + value;
}

// Index after the section's last non-blank line: new keys go there, so the
// blank line before the next section stays where it is.
qsizetype insertionPoint(const IniText& text, const Range& range)
{
    qsizetype at = range.end;
    while (at > range.header + 1 && text.lines[at - 1].trimmed().isEmpty())
        --at;
    return at;
}

void appendSection(IniText& text, const QString& section, const TIniFile::KeyValues& values)
{
    if (!text.lines.isEmpty() && !text.lines.last().trimmed().isEmpty())
        text.lines.append(QString());
    text.lines.append(QLatin1Char('[') + section.trimmed() + QLatin1Char(']'));
    for (const auto& [key, value] : values)
        text.lines.append(line(key, value));
}

void setValues(IniText& text, const QString& section, const TIniFile::KeyValues& values)
{
    Range range = findSection(text, section);
    if (range.header < 0) {
        appendSection(text, section, values);
        return;
    }
    for (const auto& [key, value] : values) {
        const qsizetype at = findKey(text, range, key);
        if (at >= 0) {
            // Keep the key as the file spells it.
            QString existing;
            keyValue(text.lines[at], &existing, nullptr);
            text.lines[at] = line(existing, value);
        } else {
            text.lines.insert(insertionPoint(text, range), line(key, value));
            ++range.end;
        }
    }
}

} // namespace

TIniFile::TIniFile(const QString& fileName) : fileName_(fileName)
{
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    const IniText text = load(fileName_);
    const qsizetype at = findKey(text, findSection(text, section), key);
    if (at < 0)
        return defaultValue;
    QString value;
    keyValue(text.lines[at], nullptr, &value);
    return value;
}

int TIniFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const
{
    const QString value = ReadString(section, key, QString());
    qsizetype i = 0;
    bool negative = false;
    if (i < value.size() && (value[i] == QLatin1Char('-') || value[i] == QLatin1Char('+'))) {
        negative = value[i] == QLatin1Char('-');
        ++i;
    }
    const qsizetype digitsStart = i;
    qint64 magnitude = 0;
    for (; i < value.size() && value[i].isDigit() && value[i].unicode() < 128; ++i) {
        magnitude = magnitude * 10 + (value[i].unicode() - '0');
        magnitude = qMin(magnitude, qint64(std::numeric_limits<int>::max()) + 1);
    }
    if (i == digitsStart)
        return defaultValue;
    const qint64 result = negative ? -magnitude : magnitude;
    return int(qBound(qint64(std::numeric_limits<int>::min()), result, qint64(std::numeric_limits<int>::max())));
}

bool TIniFile::ReadBool(const QString& section, const QString& key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool TIniFile::ValueExists(const QString& section, const QString& key) const
{
    const IniText text = load(fileName_);
    return findKey(text, findSection(text, section), key) >= 0;
}

bool TIniFile::SectionExists(const QString& section) const
{
    return findSection(load(fileName_), section).header >= 0;
}

QStringList TIniFile::ReadSectionValues(const QString& section) const
{
    const IniText text = load(fileName_);
    const Range range = findSection(text, section);
    QStringList result;
    if (range.header < 0)
        return result;
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
        QString key;
        QString value;
        if (keyValue(text.lines[i], &key, &value))
            result.append(key + QLatin1Char('=') + value);
    }
    return result;
}

QStringList TIniFile::ReadSections() const
{
    QStringList sections;
    for (const QString& l : load(fileName_).lines) {
        QString name;
        if (sectionName(l, &name))
            sections.append(name);
    }
    return sections;
}

bool TIniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    return WriteValues(section, {{key, value}});
}

bool TIniFile::WriteInteger(const QString& section, const QString& key, int value)
{
    return WriteString(section, key, QString::number(value));
}

bool TIniFile::WriteBool(const QString& section, const QString& key, bool value)
{
    return WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool TIniFile::WriteValues(const QString& section, const KeyValues& values)
{
    if (!validSection(section) || !validValues(values))
        return false;
    IniText text = load(fileName_);
    setValues(text, section, values);
    return save(fileName_, text);
}

bool TIniFile::DeleteKey(const QString& section, const QString& key)
{
    IniText text = load(fileName_);
    const qsizetype at = findKey(text, findSection(text, section), key);
    if (at < 0)
        return true;
    text.lines.removeAt(at);
    return save(fileName_, text);
}

bool TIniFile::EraseSection(const QString& section)
{
    IniText text = load(fileName_);
    const Range range = findSection(text, section);
    if (range.header < 0)
        return true;
    text.lines.remove(range.header, range.end - range.header);
    return save(fileName_, text);
}

bool TIniFile::ReplaceSection(const QString& section, const KeyValues& values)
{
    if (!validSection(section) || !validValues(values))
        return false;
    IniText text = load(fileName_);
    const Range range = findSection(text, section);
    if (range.header >= 0) {
        // Rebuilt where it was; a blank line before the next section stays.
        const bool blankAfter = range.end < text.lines.size() && text.lines[range.end - 1].trimmed().isEmpty();
        text.lines.remove(range.header, range.end - range.header);
        if (!values.isEmpty()) {
            QStringList rebuilt;
            rebuilt.append(QLatin1Char('[') + section.trimmed() + QLatin1Char(']'));
            for (const auto& [key, value] : values)
                rebuilt.append(line(key, value));
            if (blankAfter)
                rebuilt.append(QString());
            for (qsizetype i = 0; i < rebuilt.size(); ++i)
                text.lines.insert(range.header + i, rebuilt[i]);
        }
    } else if (!values.isEmpty()) {
        appendSection(text, section, values);
    } else {
        return true;
    }
    return save(fileName_, text);
}
