#include "report/engine/PreparedObjectXML.h"

#include "report/engine/TfrxDictionary.h"
#include "report/engine/TfrxNullBand.h"
#include "report/engine/TfrxPictureCache.h"
#include "report/model/PropertyText.h"
#include "report/model/TfrxClassRegistry.h"
#include "report/model/TfrxCustomMemoView.h"
#include "report/model/TfrxPictureView.h"
#include "report/model/TfrxXMLSerializer.h"
#include "report/model/xml/TfrxXMLItem.h"
#include "report/model/xml/XMLEscaping.h"

#include <QLocale>

#include <optional>

namespace {

// Leaves the picture's bytes (and its index, which the caller writes itself) out of a serialisation.
class PictureDataLeftOut {
public:
    explicit PictureDataLeftOut(TfrxComponent& Obj, bool WithIndex)
        : FPicture(dynamic_cast<TfrxPictureView*>(&Obj))
    {
        if (!FPicture)
            return;
        FPictureStored = FPicture->GetIsPictureStored();
        FIndexStored = FPicture->GetIsImageIndexStored();
        FPicture->SetIsPictureStored(false);
        FPicture->SetIsImageIndexStored(WithIndex);
    }
    ~PictureDataLeftOut()
    {
        if (!FPicture)
            return;
        FPicture->SetIsPictureStored(FPictureStored);
        FPicture->SetIsImageIndexStored(FIndexStored);
    }
    PictureDataLeftOut(const PictureDataLeftOut&) = delete;
    PictureDataLeftOut& operator=(const PictureDataLeftOut&) = delete;

private:
    TfrxPictureView* FPicture;
    bool FPictureStored = true;
    bool FIndexStored = false;
};

QString attribute(const QString& name, const QString& escapedValue)
{
    return QLatin1Char(' ') + name + QLatin1String("=\"") + escapedValue + QLatin1Char('"');
}

QString floatText(double value)
{
    return floatToText(value, QLocale().decimalPoint().front());
}

QString shortName(const QString& name)
{
    if (name == QLatin1String("Left"))
        return QStringLiteral("l");
    if (name == QLatin1String("Top"))
        return QStringLiteral("t");
    if (name == QLatin1String("Width"))
        return QStringLiteral("w");
    if (name == QLatin1String("Height"))
        return QStringLiteral("h");
    return name;
}

bool isCommonFlag(const QString& name)
{
    return name.size() == 1 || name == QLatin1String("Visible") || name == QLatin1String("ParentFont") ||
           name == QLatin1String("Tag") || name.startsWith(QLatin1String("Font."));
}

// The attribute value of one property as the template serializer writes it; none for a
// reference to nothing.
std::optional<QString> propertyText(const TfrxPropertyInfo& property, const QVariant& value)
{
    switch (property.GetKind()) {
    case pkStrings:
        return joinLines(value.toStringList());
    case pkReference: {
        const auto* target = value.value<TfrxComponent*>();
        return target && !target->GetName().isEmpty() ? std::optional(target->GetName()) : std::nullopt;
    }
    default:
        return propertyValueToText(property, value);
    }
}

QString referenceName(const QVariant& value)
{
    const auto* target = value.value<TfrxComponent*>();
    return target ? target->GetName() : QString();
}

bool sameValue(const TfrxPropertyInfo& property, const QVariant& a, const QVariant& b)
{
    return property.GetKind() == pkReference ? referenceName(a) == referenceName(b) : a == b;
}

struct DifferenceWriter {
    bool band;
    bool autoWidth;
    bool finalPass;
    QString text;

    void write(const QString& name, const QString& value)
    {
        text += attribute(name, EscapeAttributeValue(value));
    }

    // Properties of Obj whose values differ from Source's, sub-objects under their dotted names.
    // Names are only spelled out for what is written: this runs for every object of every page.
    void compare(const TfrxPersistent& obj, const TfrxPersistent& source, const QString& prefix)
    {
        for (const TfrxPropertyInfo& property : obj.GetProperties()) {
            if (!property.IsStored(obj))
                continue;
            const auto fullName = [&] {
                return prefix.isEmpty() ? shortName(property.GetName()) : prefix + property.GetName();
            };
            if (!finalPass && prefix.isEmpty() && !isCommonFlag(fullName()) &&
                property.GetName() != QLatin1String("Font"))
                continue;
            if (property.IsObject()) {
                const TfrxPersistent* nested = property.GetObject(obj);
                const TfrxPersistent* sourceNested = property.GetObject(source);
                if (nested && sourceNested)
                    compare(*nested, *sourceNested, fullName() + QLatin1Char('.'));
                else if (nested)
                    text += TfrxXMLSerializer().ObjToXML(*nested, fullName() + QLatin1Char('.'));
                continue;
            }
            const QVariant value = property.GetValue(obj);
            const bool top = prefix.isEmpty() && property.GetName() == QLatin1String("Top");
            if (!(band && top) && sameValue(property, value, property.GetValue(source)))
                continue;
            if (autoWidth && prefix.isEmpty() && property.GetName() == QLatin1String("Width"))
                continue;
            if (const std::optional<QString> valueText = propertyText(property, value))
                write(property.GetKind() == pkStrings ? fullName() + QLatin1String(".Text") : fullName(),
                      *valueText);
        }
    }
};

} // namespace

QString frxStoredAttributes(TfrxComponent& Obj)
{
    const PictureDataLeftOut guard(Obj, false);
    return TfrxXMLSerializer().ObjToXML(Obj);
}

QString frxDifferenceAttributes(TfrxComponent& Obj, const TfrxComponent& Source, bool FinalPass)
{
    const PictureDataLeftOut guard(Obj, false);
    auto* memo = dynamic_cast<TfrxCustomMemoView*>(&Obj);
    DifferenceWriter writer{
        dynamic_cast<TfrxBand*>(&Obj) != nullptr, memo && memo->GetAutoWidth(), FinalPass, {}};
    writer.compare(Obj, Source, QString());
    if (!FinalPass)
        return writer.text;
    if (memo)
        writer.write(QStringLiteral("u"), joinLines(memo->GetMemo()));
    if (auto* picture = dynamic_cast<TfrxPictureView*>(&Obj))
        writer.write(QStringLiteral("ImageIndex"), QString::number(picture->GetImageIndex()));
    return writer.text;
}

QString frxClassFormAttributes(TfrxComponent& Obj)
{
    QString text = TfrxXMLSerializer().ObjToXML(Obj);
    if (!Obj.GetName().isEmpty())
        text.prepend(attribute(QStringLiteral("Name"), EscapeAttributeValue(Obj.GetName())));
    if (dynamic_cast<TfrxNullBand*>(&Obj)) {
        text += attribute(QStringLiteral("l"), floatText(Obj.GetLeft()));
        text += attribute(QStringLiteral("t"), floatText(Obj.GetTop()));
    }
    return text;
}

void frxBuildPreparedObject(const TfrxXMLItem& Item, TfrxComponent& Parent, const TfrxDictionary& Dictionary,
                            TfrxPictureCache& Pictures)
{
    const TfrxDictionary::Entry* source = Dictionary.Find(Item.GetName());
    const QString className = source && source->Object ? source->Object->GetClassName() : Item.GetName();
    TfrxComponent* obj = frxClassRegistry().CreateObject(className, &Parent);
    if (!obj)
        return;
    TfrxXMLSerializer serializer;
    if (source && source->Object) {
        serializer.XMLToObj(source->BaseAttributes + QLatin1Char(' ') + Item.GetText(), *obj);
        obj->SetName(source->Object->GetName());
        if (auto* picture = dynamic_cast<TfrxPictureView*>(obj); picture && picture->GetPicture()->IsEmpty())
            Pictures.GetPicture(picture->GetImageIndex(), *picture->GetPicture());
    } else {
        serializer.XMLToObj(Item.GetText(), *obj);
    }
    if (auto* memo = dynamic_cast<TfrxCustomMemoView*>(obj))
        if (const TfrxHighlight* highlight = memo->GetHighlightCount() > 0 ? memo->GetHighlight() : nullptr;
            highlight && highlight->GetActive())
            memo->ApplyHighlight(*highlight);
    for (int i = 0; i < Item.GetCount(); ++i)
        frxBuildPreparedObject(*Item.GetItems(i), *obj, Dictionary, Pictures);
}
