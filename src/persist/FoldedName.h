#pragma once
#include <QChar>
#include <QHashFunctions>
#include <QString>

// A component name as a hash key that ignores case, without making a
// case-folded copy: the reader looks up a name per record, and folding it
// into a new string each time cost more than reading the record. The hash of
// the folded code points is worked out once, when the key is made.
class TFoldedName {
public:
    explicit TFoldedName(const QString& name) : name_(name), hash_(foldedHash(name)) {}

    const QString& Name() const { return name_; }
    bool IsEmpty() const { return name_.isEmpty(); }

    friend bool operator==(const TFoldedName& a, const TFoldedName& b)
    {
        // Simple case folding keeps the length, so names of other lengths
        // differ; most equal names are spelt alike.
        return a.hash_ == b.hash_ && a.name_.size() == b.name_.size()
            && (a.name_ == b.name_ || a.name_.compare(b.name_, Qt::CaseInsensitive) == 0);
    }
    friend size_t qHash(const TFoldedName& key, size_t seed = 0) noexcept { return qHash(key.hash_, seed); }

private:
    static size_t foldedHash(const QString& name)
    {
        quint64 h = 0;
        const QChar* c = name.constData();
        const QChar* end = c + name.size();
        while (c < end) {
            char32_t code = c->unicode();
            if (code < 0x80) {
                if (code >= 'A' && code <= 'Z')
                    code += 'a' - 'A';
                ++c;
            } else {
                if (c->isHighSurrogate() && c + 1 < end && c[1].isLowSurrogate()) {
                    code = QChar::surrogateToUcs4(c[0], c[1]);
                    ++c;
                }
                code = QChar::toCaseFolded(code);
                ++c;
            }
            h = h * 31 + code;
        }
        // Mix every bit into the low ones: names like "Label1".."Label300"
        // would otherwise fill neighbouring buckets and make probing scan long runs.
        h ^= h >> 33;
        h *= 0xff51afd7ed558ccdULL;
        h ^= h >> 33;
        h *= 0xc4ceb9fe1a85ec53ULL;
        h ^= h >> 33;
        return size_t(h);
    }

    QString name_;
    size_t hash_;
};
