#include "ObjectJson.h"

#include <QJsonArray>
#include <QTextDocument>

#include "objects/GGraphicControl.h"
#include "objects/PanelPicture.h"
#include "persist/ClassInfo.h"
#include "persist/Font.h"
#include "richtext/WPRtfText.h"

namespace {

QJsonValue propertyJson(TPersistent& owner, const TPropertyInfo& property);

QJsonObject nestedJson(TPersistent& object)
{
    if (auto* font = dynamic_cast<TFont*>(&object))
        return FontJson(*font);
    QJsonObject json;
    for (const TPropertyInfo* property : object.ClassInfo().AllProperties())
        json[QString::fromLatin1(property->name)] = propertyJson(object, *property);
    return json;
}

QJsonValue objectJson(TPersistent& object)
{
    if (auto* text = dynamic_cast<TWPRtfText*>(&object))
        return text->SharedDocument()->toPlainText();
    if (auto* picture = dynamic_cast<TGPanelPicture*>(&object)) {
        if (picture->IsEmpty())
            return QJsonValue();
        if (picture->IsBitmap())
            return QJsonObject{{"kind", "TBitmap"}, {"width", picture->bitmap.width()},
                               {"height", picture->bitmap.height()}};
        const QRect frame = picture->drawing.boundingRect();
        return QJsonObject{{"kind", "TMetafile"}, {"width", frame.width()}, {"height", frame.height()}};
    }
    return nestedJson(object);
}

QJsonValue propertyJson(TPersistent& owner, const TPropertyInfo& property)
{
    switch (property.kind) {
    case TPropertyKind::Integer: {
        const qint64 value = property.getOrdinal(owner);
        if (property.intIdents)
            return ColorJson(TColor(value));
        return value;
    }
    case TPropertyKind::Char:
        return QString(QChar(char16_t(property.getOrdinal(owner))));
    case TPropertyKind::Enumeration: {
        const qint64 value = property.getOrdinal(owner);
        if (property.enumNames && value >= 0 && value < property.enumNames->size())
            return QString::fromLatin1(property.enumNames->at(value));
        return value;
    }
    case TPropertyKind::Boolean:
        return property.getOrdinal(owner) != 0;
    case TPropertyKind::Set: {
        QJsonArray members;
        const qint64 bits = property.getOrdinal(owner);
        if (property.enumNames)
            for (int i = 0; i < property.enumNames->size() && i < 32; ++i)
                if (bits & (qint64(1) << i))
                    members.append(QString::fromLatin1(property.enumNames->at(i)));
        return members;
    }
    case TPropertyKind::Real:
        return property.getReal(owner);
    case TPropertyKind::String:
        return property.getString(owner);
    case TPropertyKind::Reference: {
        const TComponent* target = property.getReference(owner);
        return target ? QJsonValue(target->Name()) : QJsonValue();
    }
    case TPropertyKind::Object: {
        TPersistent* nested = property.getObject(owner);
        return nested ? objectJson(*nested) : QJsonValue();
    }
    case TPropertyKind::Event:
        return property.getMethodName(owner);
    }
    return QJsonValue();
}

} // namespace

QString ColorJson(TColor color)
{
    const QByteArray name = ColorToIdent(color);
    if (!name.isEmpty())
        return QString::fromLatin1(name);
    return QStringLiteral("$%1").arg(quint32(color), 8, 16, QLatin1Char('0')).toUpper();
}

QJsonObject FontJson(const TFont& font)
{
    QJsonArray style;
    const TEnumNames& names = TFont::StyleNames();
    for (int i = 0; i < names.size(); ++i)
        if (font.StyleBits() & (1u << i))
            style.append(QString::fromLatin1(names[i]));
    return QJsonObject{{"Name", font.Name()}, {"Size", font.Size()}, {"Style", style}, {"Color", ColorJson(font.Color())}};
}

QJsonObject PageObjectJson(TGGraphicControl& object)
{
    QJsonObject json = nestedJson(object);
    json["class"] = QString::fromLatin1(object.ClassInfo().className);
    json["name"] = object.Name();
    return json;
}
