#pragma once
#include <cstdint>

// The tag byte in front of every value of the object stream.
enum TValueType : std::uint8_t {
    vaNull = 0,        // end of a list, a property list, a child list or a record list
    vaList = 1,        // values up to and including a vaNull
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaExtended = 5,    // 80-bit extended real
    vaString = 6,      // length byte, bytes
    vaIdent = 7,       // length byte, bytes
    vaFalse = 8,
    vaTrue = 9,
    vaBinary = 10,     // 4-byte length, bytes
    vaSet = 11,        // short strings closed by an empty one
    vaLString = 12,    // 4-byte length, bytes
    vaNil = 13,
    vaCollection = 14, // items (optional order integer, properties, 0), then 0
};

constexpr int kLastValueType = vaCollection;

// Bytes in front of every root record.
constexpr char kRootSignature[4] = {'T', 'P', 'F', '0'};

// A record's optional prefix byte: 0xF0 or-ed with these flags.
constexpr std::uint8_t kPrefixMarker = 0xF0;
constexpr std::uint8_t kPrefixInherited = 0x01;
constexpr std::uint8_t kPrefixChildPos = 0x02;
