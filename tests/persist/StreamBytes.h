#pragma once
// Builds object-stream bytes by hand, independently of TObjectWriter, so tests
// can state exactly what a stream must hold.
#include <QBuffer>
#include <QByteArray>
#include <cstdint>
#include <initializer_list>

namespace streamtest {

class StreamBytes {
public:
    StreamBytes& raw(std::initializer_list<int> bytes)
    {
        for (int b : bytes)
            data_.append(char(b));
        return *this;
    }
    StreamBytes& raw(const QByteArray& bytes)
    {
        data_.append(bytes);
        return *this;
    }
    StreamBytes& signature() { return raw(QByteArray("TPF0")); }
    // A short string: length byte and bytes.
    StreamBytes& str(const QByteArray& s)
    {
        data_.append(char(s.size()));
        return raw(s);
    }
    StreamBytes& end() { return raw({0}); }
    StreamBytes& list() { return raw({1}); }
    StreamBytes& i8(int v) { return raw({2, v & 0xFF}); }
    StreamBytes& i16(int v) { return raw({3, v & 0xFF, (v >> 8) & 0xFF}); }
    StreamBytes& i32(std::int64_t v)
    {
        const auto u = std::uint32_t(v);
        return raw({4, int(u & 0xFF), int((u >> 8) & 0xFF), int((u >> 16) & 0xFF), int(u >> 24)});
    }
    StreamBytes& string(const QByteArray& s) { raw({6}); return str(s); }
    StreamBytes& lstring(const QByteArray& s) { raw({12}); return len32(s.size()).raw(s); }
    StreamBytes& ident(const QByteArray& s) { raw({7}); return str(s); }
    StreamBytes& False() { return raw({8}); }
    StreamBytes& True() { return raw({9}); }
    StreamBytes& nil() { return raw({13}); }
    StreamBytes& binary(const QByteArray& s) { raw({10}); return len32(s.size()).raw(s); }
    StreamBytes& set(std::initializer_list<const char*> names)
    {
        raw({11});
        for (const char* name : names)
            str(name);
        return raw({0});
    }
    StreamBytes& len32(std::uint32_t n)
    {
        return raw({int(n & 0xFF), int((n >> 8) & 0xFF), int((n >> 16) & 0xFF), int(n >> 24)});
    }
    // Property entry name (a short string).
    StreamBytes& prop(const QByteArray& name) { return str(name); }

    const QByteArray& bytes() const { return data_; }
    operator QByteArray() const { return data_; }

private:
    QByteArray data_;
};

} // namespace streamtest
