#pragma once
#include <QByteArray>
#include <QList>
#include <functional>

class TClassInfo;

// A custom data entry: data an object writes after its published properties
// under its own name, as one binary value (a picture's file image, a rich
// text's RTF). Nested objects' entries appear under the dotted path of the
// owning property, for example "Picture.Data" or "RtfText.Data".
struct TCustomData {
    QByteArray name;                                 // "Data"
    std::function<bool()> hasData;                   // written only when true
    std::function<QByteArray()> write;               // the payload
    std::function<void(const QByteArray&)> read;     // may throw EFilerError (FilerError.h)
};

// Anything with published properties: components and the nested objects
// they own (fonts, pictures, rich-text documents).
class TPersistent {
public:
    virtual ~TPersistent() = default;

    // The published-property table of the object's dynamic class.
    virtual const TClassInfo& ClassInfo() const = 0;

    // Custom data entries, in the order they are written.
    virtual QList<TCustomData> DefineProperties() { return {}; }
};
