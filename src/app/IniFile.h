#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

// A Windows-style initialisation file: "[Section]" lines and "key=value"
// lines. Sections and keys match without regard to case; CRLF and LF files
// read alike. Values are kept as written, without quoting or escaping, so
// paths stay readable; blanks around keys and values are not part of them.
//
// Every call reads the file again and every write rewrites it at once, so
// several TIniFile objects on one file never disagree. A missing or
// unreadable file reads as empty (defaults); the file is created by the
// first write. Writes go to a temporary file that replaces the old one only
// when complete: a crash never leaves half a file. Other sections, unknown
// keys, comments and the file's line ends are kept.
class TIniFile {
public:
    using KeyValues = QList<std::pair<QString, QString>>;

    explicit TIniFile(const QString& fileName);

    QString FileName() const { return fileName_; }

    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
    // A decimal integer (leading sign and digits; anything after them is
    // ignored); the default when the key is missing or holds no number.
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    // Any non-zero integer is true.
    bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;
    bool ValueExists(const QString& section, const QString& key) const;
    bool SectionExists(const QString& section) const;
    // The section's "key=value" lines in file order.
    QStringList ReadSectionValues(const QString& section) const;
    QStringList ReadSections() const;

    // Writes return false when nothing was written: the file could not be
    // replaced, or a name or value would break the file's lines (line
    // breaks anywhere, "=" in a key, "]" in a section name).
    bool WriteString(const QString& section, const QString& key, const QString& value);
    bool WriteInteger(const QString& section, const QString& key, int value);
    // Written as "1" or "0".
    bool WriteBool(const QString& section, const QString& key, bool value);
    // Several keys of one section in one rewrite.
    bool WriteValues(const QString& section, const KeyValues& values);
    bool DeleteKey(const QString& section, const QString& key);
    bool EraseSection(const QString& section);
    // Erases the section and writes the values in their order, in one rewrite
    // (no values: the section is gone).
    bool ReplaceSection(const QString& section, const KeyValues& values);

private:
    QString fileName_;
};
